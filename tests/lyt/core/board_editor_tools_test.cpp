#include "board_test_support.h"
#include "lyt/core/board_editor.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

namespace {

using namespace lyt;
using testing_support::RecordingCanvas;

// Scenario tests of the drawing-area state machine, in millimetres turned
// into drawing-area pixels at the current zoom.
class BoardEditorTools : public ::testing::Test {
 protected:
  BoardEditorTools() : editor(ui, folder.Path().u8string()) { editor.Start(""); }

  float Px(float mm) const { return static_cast<float>(editor.View().MmToPixels(mm)); }
  void PointAt(float xMm, float yMm) {
    ui.InDrawing = {editor.View().MmToPixels(xMm), editor.View().MmToPixels(yMm)};
  }
  void Move(float xMm, float yMm, bool left = false) {
    PointAt(xMm, yMm);
    MouseButtons buttons;
    buttons.Left = left;
    editor.MouseMove(buttons, false, Px(xMm), Px(yMm));
  }
  void Click(float xMm, float yMm, MouseButton button = MouseButton::Left) {
    Move(xMm, yMm);
    editor.MouseDown(button, false, Px(xMm), Px(yMm));
    editor.MouseUp(button, false, Px(xMm), Px(yMm));
  }
  std::vector<BoardElement> Live() const {
    std::vector<BoardElement> live;
    for (const BoardElement& e : editor.Document().Elements)
      if (e.Kind != 0) live.push_back(e);
    return live;
  }

  board_tests::TempFolder folder;
  testing_support::ScriptedUi ui;
  BoardEditor editor;
};

TEST_F(BoardEditorTools, ThreeClickTrackChainEndedByARightClick) {
  editor.OptPiste();
  EXPECT_EQ(ui.Pointer, common::PointerShape::Cross);
  Click(12.7f, 12.7f);
  Move(25.4f, 12.7f);
  Click(25.4f, 12.7f);
  Click(25.4f, 25.4f);
  Move(38.1f, 25.4f);  // the third segment follows the pointer...
  Click(38.1f, 25.4f, MouseButton::Right);  // ...and is dropped
  std::vector<BoardElement> tracks = Live();
  ASSERT_EQ(tracks.size(), 2u);
  EXPECT_EQ(tracks[0].Kind, ElementKind::Track);
  EXPECT_FLOAT_EQ(tracks[0].X1, 12.7f);
  EXPECT_FLOAT_EQ(tracks[0].X2, 25.4f);
  EXPECT_FLOAT_EQ(tracks[1].X1, 25.4f);
  EXPECT_FLOAT_EQ(tracks[1].Y2, 25.4f);
  EXPECT_EQ(tracks[0].Layer, BoardLayer::Solder);
  EXPECT_FLOAT_EQ(tracks[0].Size, 0.3175f);
  EXPECT_EQ(editor.CurrentTool(), BoardEditor::Tool::Track) << "the tool stays for a new chain";
  EXPECT_TRUE(editor.Document().Pending.empty());

  Click(38.1f, 25.4f, MouseButton::Right);
  EXPECT_EQ(editor.CurrentTool(), BoardEditor::Tool::Select);
  EXPECT_EQ(ui.Option, "OptSelect");
}

TEST_F(BoardEditorTools, PadToolDropsPadAndHoleAtTheSnappedPoint) {
  ui.ListIndices["ComboPastille"] = 3;  // 2.22mm
  PointAt(50.0f, 50.0f);
  editor.OptPastilleR();
  ASSERT_EQ(editor.Document().Pending.size(), 2u);
  Click(50.9f, 50.2f);  // snaps to 50.8, 50.8
  Click(55.6f, 50.8f);  // snaps to 55.88
  std::vector<BoardElement> live = Live();
  ASSERT_EQ(live.size(), 4u);
  EXPECT_EQ(live[0].Kind, ElementKind::RoundPad);
  EXPECT_FLOAT_EQ(live[0].Size, 1.11f);
  EXPECT_EQ(live[1].Kind, ElementKind::Hole);
  EXPECT_FLOAT_EQ(live[1].Size, 0.4f);
  for (int i : {0, 1}) {
    EXPECT_FLOAT_EQ(live[static_cast<std::size_t>(i)].X1, 50.8f);
    EXPECT_FLOAT_EQ(live[static_cast<std::size_t>(i)].Y1, 50.8f);
    EXPECT_EQ(live[static_cast<std::size_t>(i)].Layer, BoardLayer::Through);
  }
  EXPECT_FLOAT_EQ(live[2].X1, 55.88f);

  editor.KeyDown(Key::Escape, false, false, false);
  EXPECT_EQ(Live().size(), 4u) << "the floating pad is discarded, the dropped ones stay";
  EXPECT_TRUE(editor.Document().Pending.empty());
  EXPECT_EQ(editor.CurrentTool(), BoardEditor::Tool::Select);
}

TEST_F(BoardEditorTools, FloatingElementFollowsThePointerAndIsDrawnAsPreview) {
  editor.OptTrou();
  Move(20.32f, 20.32f);
  const PendingItem& hole = editor.Document().Pending.at(0);
  EXPECT_FLOAT_EQ(hole.X1, 20.32f);
  std::size_t drawn = ui.Canvas.Drawing.size();
  Move(21.59f, 20.32f);
  EXPECT_FLOAT_EQ(editor.Document().Pending.at(0).X1, 21.59f);
  ASSERT_GT(ui.Canvas.Drawing.size(), drawn);
  EXPECT_EQ(ui.Canvas.Drawing.back().Mode, common::DrawMode::NotXorPen);
  EXPECT_EQ(ui.Canvas.Drawing.back().Colour, editor.Document().Colours.PreviewColour);
}

TEST_F(BoardEditorTools, CircleToolOnTheSilkscreenOnly) {
  editor.OptSerig();
  editor.OptRond();
  Click(30.48f, 30.48f);
  std::vector<BoardElement> live = Live();
  ASSERT_EQ(live.size(), 1u);
  EXPECT_EQ(live[0].Kind, ElementKind::Circle);
  EXPECT_EQ(live[0].Layer, BoardLayer::Silkscreen);
  EXPECT_FLOAT_EQ(live[0].Size, 0.79375f);
}

TEST_F(BoardEditorTools, ChangingToolDiscardsTheFloatingElement) {
  editor.OptPastilleC();
  Click(10.16f, 10.16f);
  editor.OptPiste();
  EXPECT_EQ(Live().size(), 2u);
  EXPECT_TRUE(editor.Document().Pending.empty());
  EXPECT_GE(ui.DrawingFocus, 2);
}

TEST_F(BoardEditorTools, StatusShowsTheDistanceFromTheLastClick) {
  editor.OptPiste();
  Click(10.16f, 10.16f);
  Move(12.7f, 10.16f);
  EXPECT_EQ(ui.Status[4], "  X= 2.54mm");
  EXPECT_EQ(ui.Status[5], "  Y= 0mm");
}

TEST_F(BoardEditorTools, RightClickWithASelectionPopsUpTheEditMenu) {
  editor.OptPastilleR();
  Click(25.4f, 25.4f);
  editor.KeyDown(Key::Escape, false, false, false);
  Click(25.4f, 25.4f);  // picks the pad and its hole
  ASSERT_TRUE(editor.Document().PendingActive);
  Click(25.4f, 25.4f, MouseButton::Right);
  EXPECT_EQ(ui.EditMenuPopUps, 1);
  EXPECT_TRUE(editor.Document().PendingActive) << "the pop-up keeps the selection";
}

TEST_F(BoardEditorTools, MovedSelectionComesBackOnEscapeAndStaysOnAClickElsewhere) {
  editor.OptPastilleR();
  Click(25.4f, 25.4f);
  editor.KeyDown(Key::Escape, false, false, false);

  Click(25.4f, 25.4f);
  editor.MouseDown(MouseButton::Left, false, Px(25.4f), Px(25.4f));
  Move(30.48f, 25.4f, true);
  editor.MouseUp(MouseButton::Left, false, Px(30.48f), Px(25.4f));
  EXPECT_FLOAT_EQ(editor.Document().Pending.at(0).X1, 30.48f);
  editor.KeyDown(Key::Escape, false, false, false);
  EXPECT_FLOAT_EQ(Live().at(0).X1, 25.4f) << "Escape lets go without writing back";

  Click(25.4f, 25.4f);
  editor.MouseDown(MouseButton::Left, false, Px(25.4f), Px(25.4f));
  Move(30.48f, 25.4f, true);
  editor.MouseUp(MouseButton::Left, false, Px(30.48f), Px(25.4f));
  Click(60.96f, 60.96f);  // elsewhere: written back, nothing new picked
  std::vector<BoardElement> live = Live();
  ASSERT_EQ(live.size(), 2u);
  EXPECT_FLOAT_EQ(live[0].X1, 30.48f);
  EXPECT_FLOAT_EQ(live[1].X1, 30.48f);
  EXPECT_FALSE(live[0].Selected);
}

TEST_F(BoardEditorTools, SelectionBoxFollowsTheMoveWithoutDrifting) {
  editor.OptPastilleR();
  Click(25.4f, 25.4f);
  editor.KeyDown(Key::Escape, false, false, false);
  Click(25.4f, 25.4f);
  editor.MouseDown(MouseButton::Left, false, Px(25.4f), Px(25.4f));
  Move(30.48f, 25.4f, true);
  editor.MouseUp(MouseButton::Left, false, Px(30.48f), Px(25.4f));
  const MmBox& box = editor.Document().SelectionBox;
  EXPECT_FLOAT_EQ(box.Left, 30.48f - 0.635f);
  EXPECT_FLOAT_EQ(box.Right, 30.48f + 0.635f);
  Click(31.75f, 25.4f);  // the next grid point: outside, so the move is written back
  EXPECT_FALSE(editor.Document().PendingActive);
  EXPECT_FLOAT_EQ(Live().at(0).X1, 30.48f);
}

}  // namespace
