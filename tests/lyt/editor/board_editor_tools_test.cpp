#include "support/board_test_support.h"

namespace {

using namespace lyt;

// Scenario tests of the drawing-area state machine, in millimetres.
class BoardEditorTools : public board_tests::EditorTest {
 protected:
  BoardEditorTools() { editor.Start(""); }

  // A round pad dropped at 25.4, 25.4, picked and dragged one step of 5.08 mm right.
  void DropPickAndDragPad() {
    editor.OptPastilleR();
    Click(25.4f, 25.4f);
    Escape();
    Click(25.4f, 25.4f);
    Drag(25.4f, 25.4f, 30.48f, 25.4f);
  }
};

TEST_F(BoardEditorTools, ThreeClickTrackChainEndedByARightClick) {
  editor.OptPiste();
  EXPECT_EQ(ui.Pointer, common::PointerShape::Cross);
  Click(12.7f, 12.7f);
  Move(25.4f, 12.7f);
  Click(25.4f, 12.7f);
  Click(25.4f, 25.4f);
  Move(38.1f, 25.4f);  // the third segment follows the pointer...
  Click(38.1f, 25.4f, false, MouseButton::Right);  // ...and is dropped
  const std::vector<BoardElement> tracks = Live();
  ASSERT_EQ(tracks.size(), 2u);
  for (const BoardElement& track : tracks)
    EXPECT_EQ(std::make_tuple(track.Kind, track.Layer, track.Size),
              std::make_tuple(ElementKind::Track, BoardLayer::Solder, 0.3175f));
  EXPECT_FLOAT_EQ(tracks[0].X1, 12.7f);
  EXPECT_FLOAT_EQ(tracks[0].X2, 25.4f);
  EXPECT_FLOAT_EQ(tracks[1].X1, 25.4f);
  EXPECT_FLOAT_EQ(tracks[1].Y2, 25.4f);
  EXPECT_EQ(editor.CurrentTool(), BoardEditor::Tool::Track) << "the tool stays for a new chain";
  EXPECT_TRUE(Doc().Pending.empty());

  Click(38.1f, 25.4f, false, MouseButton::Right);
  EXPECT_EQ(editor.CurrentTool(), BoardEditor::Tool::Select);
  EXPECT_EQ(ui.Option, "OptSelect");
}

TEST_F(BoardEditorTools, PadToolDropsPadAndHoleAtTheSnappedPoint) {
  ui.ListIndices["ComboPastille"] = 3;  // 2.22mm
  ui.InDrawing = {editor.View().MmToPixels(50.0f), editor.View().MmToPixels(50.0f)};
  editor.OptPastilleR();
  ASSERT_EQ(Doc().Pending.size(), 2u);
  Click(50.9f, 50.2f);  // snaps to 50.8, 50.8
  Click(55.6f, 50.8f);  // snaps to 55.88
  std::vector<BoardElement> live = Live();
  ASSERT_EQ(live.size(), 4u);
  EXPECT_EQ(std::make_pair(live[0].Kind, live[1].Kind),
            std::make_pair(ElementKind::RoundPad, ElementKind::Hole));
  EXPECT_FLOAT_EQ(live[0].Size, 1.11f);
  EXPECT_FLOAT_EQ(live[1].Size, 0.4f);
  for (std::size_t i : {0, 1}) {
    EXPECT_FLOAT_EQ(live[i].X1, 50.8f);
    EXPECT_FLOAT_EQ(live[i].Y1, 50.8f);
    EXPECT_EQ(live[i].Layer, BoardLayer::Through);
  }
  EXPECT_FLOAT_EQ(live[2].X1, 55.88f);

  Escape();
  EXPECT_EQ(Live().size(), 4u) << "the floating pad is discarded, the dropped ones stay";
  EXPECT_TRUE(Doc().Pending.empty());
  EXPECT_EQ(editor.CurrentTool(), BoardEditor::Tool::Select);
}

TEST_F(BoardEditorTools, FloatingElementFollowsThePointerAndIsDrawnAsPreview) {
  editor.OptTrou();
  Move(20.32f, 20.32f);
  EXPECT_FLOAT_EQ(Doc().Pending.at(0).X1, 20.32f);
  const std::size_t drawn = ui.Canvas.Drawing.size();
  Move(21.59f, 20.32f);
  EXPECT_FLOAT_EQ(Doc().Pending.at(0).X1, 21.59f);
  ASSERT_GT(ui.Canvas.Drawing.size(), drawn);
  EXPECT_EQ(ui.Canvas.Drawing.back().Mode, common::DrawMode::NotXorPen);
  EXPECT_EQ(ui.Canvas.Drawing.back().Colour, Doc().Colours.PreviewColour);
}

TEST_F(BoardEditorTools, CircleToolOnTheSilkscreenAndToolChangeDiscardsTheFloatingOne) {
  editor.OptSerig();
  editor.OptRond();
  Click(30.48f, 30.48f);
  editor.OptPiste();
  EXPECT_TRUE(Doc().Pending.empty());
  EXPECT_GE(ui.DrawingFocus, 2);
  const std::vector<BoardElement> live = Live();
  ASSERT_EQ(live.size(), 1u);
  EXPECT_EQ(std::make_tuple(live[0].Kind, live[0].Layer, live[0].Size),
            std::make_tuple(ElementKind::Circle, BoardLayer::Silkscreen, 0.79375f));
}

TEST_F(BoardEditorTools, RightClickWithASelectionPopsUpTheEditMenu) {
  editor.OptPastilleR();
  Click(25.4f, 25.4f);
  Escape();
  Click(25.4f, 25.4f);  // picks the pad and its hole
  ASSERT_TRUE(Doc().PendingActive);
  Click(25.4f, 25.4f, false, MouseButton::Right);
  EXPECT_EQ(ui.EditMenuPopUps, 1);
  EXPECT_TRUE(Doc().PendingActive) << "the pop-up keeps the selection";
}

TEST_F(BoardEditorTools, MovedSelectionComesBackOnEscapeAndStaysOnAClickElsewhere) {
  DropPickAndDragPad();
  EXPECT_FLOAT_EQ(Doc().Pending.at(0).X1, 30.48f);
  const MmBox& box = Doc().SelectionBox;  // follows the move without drifting
  EXPECT_FLOAT_EQ(box.Left, 30.48f - 0.635f);
  EXPECT_FLOAT_EQ(box.Right, 30.48f + 0.635f);
  Escape();
  EXPECT_FLOAT_EQ(Live().at(0).X1, 25.4f) << "Escape lets go without writing back";

  Click(25.4f, 25.4f);
  Drag(25.4f, 25.4f, 30.48f, 25.4f);
  Click(31.75f, 25.4f);  // the next grid point is outside: written back, nothing new picked
  EXPECT_FALSE(Doc().PendingActive);
  const std::vector<BoardElement> live = Live();
  ASSERT_EQ(live.size(), 2u);
  EXPECT_FLOAT_EQ(live[0].X1, 30.48f);
  EXPECT_FLOAT_EQ(live[1].X1, 30.48f);
  EXPECT_FALSE(live[0].Selected);
}

}  // namespace
