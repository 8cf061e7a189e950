#include "board_test_support.h"
#include "lyt/core/board_editor.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

namespace {

using namespace lyt;

common::TextDialogAnswer Typed(const std::string& text, int sizeIndex, bool numbering = false,
                               const std::string& start = std::string()) {
  common::TextDialogAnswer answer;
  answer.Accepted = true;
  answer.Text = text;
  answer.SizeIndex = sizeIndex;
  answer.Numbering = numbering;
  answer.NumberingStart = start;
  return answer;
}

// The text tool, "Editer Texte" and the grid-step dialog, driven through the
// editor as the window drives it.
class BoardEditorText : public ::testing::Test {
 protected:
  BoardEditorText() : editor(ui, folder.Path().u8string()) { editor.Start(""); }

  float Px(float mm) const { return static_cast<float>(editor.View().MmToPixels(mm)); }
  void Click(float xMm, float yMm) {
    ui.InDrawing = {editor.View().MmToPixels(xMm), editor.View().MmToPixels(yMm)};
    editor.MouseMove(Px(xMm), Px(yMm));
    editor.MouseDown(MouseButton::Left, false, Px(xMm), Px(yMm));
    editor.MouseUp(MouseButton::Left, false, Px(xMm), Px(yMm));
  }
  std::vector<std::string> PlacedTexts() const {
    std::vector<std::string> texts;
    for (const BoardElement& e : editor.Document().Elements)
      if (e.Kind == ElementKind::Text) texts.push_back(e.Text);
    return texts;
  }
  // A text element of the board, taken in hand as a selection would.
  void HoldText(const std::string& text, float height) {
    Board& board = editor.Document();
    board.Elements.push_back(board_tests::Element(0, ElementKind::Text, BoardLayer::Component,
                                                  height, 25.4f, 25.4f, 30.0f, 25.4f + height, text));
    AddToPending(board, static_cast<std::int32_t>(board.Elements.size() - 1), PendingMove::Whole);
  }

  board_tests::TempFolder folder;
  testing_support::ScriptedUi ui;
  BoardEditor editor;
};

TEST_F(BoardEditorText, NumberedTextPlacesOneNumberPerClick) {
  ui.TextAnswers.push_back(Typed("R", 1, true, "1"));
  editor.OptTexte();
  ASSERT_EQ(ui.TextRequests.size(), 1u);
  EXPECT_TRUE(ui.TextRequests[0].NewText);
  EXPECT_EQ(ui.Pointer, common::PointerShape::Cross);
  ASSERT_EQ(editor.Document().Pending.size(), 1u);
  EXPECT_EQ(editor.Document().Pending[0].Text, "R1");

  Click(12.7f, 12.7f);
  Click(25.4f, 12.7f);
  Click(38.1f, 12.7f);
  EXPECT_EQ(PlacedTexts(), (std::vector<std::string>{"R1", "R2", "R3"}));
  EXPECT_EQ(editor.Document().Pending.at(0).Text, "R4");
  const BoardElement& r2 = editor.Document().Elements[1];
  EXPECT_EQ(r2.Layer, BoardLayer::Solder) << "the current layer";
  EXPECT_FLOAT_EQ(r2.X1, 25.4f);
  EXPECT_GT(r2.X2, r2.X1);
  EXPECT_FLOAT_EQ(r2.Y2, 12.7f + 2.0f);
}

TEST_F(BoardEditorText, NegativeStartPlacesThePlainTextEachTime) {
  ui.TextAnswers.push_back(Typed("R", 2, true, "-5"));
  editor.OptTexte();
  Click(12.7f, 12.7f);
  Click(25.4f, 12.7f);
  Click(38.1f, 12.7f);
  EXPECT_EQ(PlacedTexts(), (std::vector<std::string>{"R", "R", "R"}));
  EXPECT_FLOAT_EQ(editor.Document().Elements[0].Size, 3.0f);
}

TEST_F(BoardEditorText, NoTextBringsTheSelectionToolBack) {
  editor.KeyPress('t');  // cancelled: the script has no answer
  ASSERT_EQ(ui.TextRequests.size(), 1u);
  EXPECT_EQ(editor.CurrentTool(), BoardEditor::Tool::Select);
  EXPECT_EQ(ui.Option, "OptSelect");
  EXPECT_EQ(ui.Pointer, common::PointerShape::Arrow);
  EXPECT_TRUE(editor.Document().Pending.empty());

  ui.TextAnswers.push_back(Typed("", 1));  // OK on an empty text
  editor.OptTexte();
  EXPECT_EQ(editor.CurrentTool(), BoardEditor::Tool::Select);
  EXPECT_TRUE(editor.Document().Pending.empty());
  Click(12.7f, 12.7f);
  EXPECT_TRUE(PlacedTexts().empty());
}

TEST_F(BoardEditorText, EditingChangesOnlyTheItemInHandAndOnlyOnOk) {
  HoldText("R12", 3.0f);
  editor.DoubleClick();  // Annuler
  ui.TextAnswers.push_back(Typed("", 0));
  editor.DoubleClick();  // OK with the text erased
  EXPECT_EQ(editor.Document().Pending.at(0).Text, "R12");
  EXPECT_FLOAT_EQ(editor.Document().Pending.at(0).X2, 30.0f);

  ui.TextAnswers.push_back(Typed("C7", 4, true, "3"));
  editor.DoubleClick();
  ASSERT_EQ(ui.TextRequests.size(), 3u);
  EXPECT_FALSE(ui.TextRequests[2].NewText);
  EXPECT_EQ(ui.TextRequests[2].Text, "R12");
  EXPECT_EQ(ui.TextRequests[2].SizeIndex, 2);
  const PendingItem& item = editor.Document().Pending.at(0);
  EXPECT_EQ(item.Text, "C7") << "no numbering when editing";
  EXPECT_FLOAT_EQ(item.Size, 5.0f);
  EXPECT_FLOAT_EQ(item.Y2, 25.4f + 5.0f);
  EXPECT_EQ(editor.Document().Elements[0].Text, "R12") << "written back at the next commit";
  CommitPending(editor.Document());
  EXPECT_EQ(editor.Document().Elements[0].Text, "C7");
}

TEST_F(BoardEditorText, HeightOutsideTheListCannotBeEdited) {
  HoldText("J1", 2.5f);
  editor.MnuEditTexte();
  EXPECT_TRUE(ui.TextRequests.empty());
  ASSERT_EQ(ui.Messages.size(), 1u);
  EXPECT_EQ(ui.Messages[0].Text, " erreur dans MnuEditTexte");
  EXPECT_EQ(ui.Messages[0].Icon, common::MessageIcon::None);
  EXPECT_EQ(editor.Document().Pending.at(0).Text, "J1");
}

// ---- grid steps ---------------------------------------------------------------

TEST_F(BoardEditorText, GridStepsWithinHalfAMillimetreAndTenAreTaken) {
  ui.GridStepAnswers = {{"0.49", "1"}, {"10.01", "1"}, {"", "1"}, {"2", "0.49"},
                        {"2", "10.01"}, {"0.5", "10"}};
  editor.MnuPas();
  ASSERT_EQ(ui.GridStepShown.size(), 1u);
  EXPECT_EQ(ui.GridStepShown[0], std::make_pair(std::string("1.27"), std::string("1.27")));
  EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>(5, "valeur incorrecte"));
  EXPECT_EQ(ui.Messages[0].Icon, common::MessageIcon::None);
  EXPECT_FLOAT_EQ(editor.View().GridStepX, 0.5f);
  EXPECT_FLOAT_EQ(editor.View().GridStepY, 10.0f);
  EXPECT_EQ(ui.Status[2], "  Pas de la grille Horizontal: 0.5mm   ");
  EXPECT_EQ(ui.Status[3], "  Pas de la grille Vertical: 10mm   ");

  // The next dialog shows the new steps; a comma ends the number.
  const double scale = editor.View().Scale;
  ui.GridStepAnswers = {{"1,27", "2.54"}};
  editor.MnuPas();
  EXPECT_DOUBLE_EQ(editor.View().Scale, scale / 2) << "the view follows at once";
  EXPECT_EQ(ui.GridStepShown[1], std::make_pair(std::string("0.5"), std::string("10")));
  EXPECT_FLOAT_EQ(editor.View().GridStepX, 1.0f);
  EXPECT_FLOAT_EQ(editor.View().GridStepY, 2.54f);
  EXPECT_EQ(ui.Status[2], "  Pas de la grille Horizontal: 1mm   ");
  EXPECT_EQ(ui.Status[3], "  Pas de la grille Vertical: 2.54mm   ");
}

TEST_F(BoardEditorText, RefusedOrCancelledGridStepsChangeNothingButTheWindowIsRedrawn) {
  const std::map<int, std::string> status = ui.Status;
  const std::size_t layouts = ui.Layouts.size();
  const int clears = ui.Canvas.Clears;
  ui.GridStepAnswers = {{"2", "20"}};  // refused, then cancelled
  editor.MnuPas();
  EXPECT_FLOAT_EQ(editor.View().GridStepX, 1.27f);
  EXPECT_FLOAT_EQ(editor.View().GridStepY, 1.27f);
  EXPECT_EQ(ui.Status, status);
  EXPECT_EQ(ui.Layouts.size(), layouts + 1);
  EXPECT_GT(ui.Canvas.Clears, clears);

  editor.MnuPas();  // cancelled at once
  EXPECT_EQ(ui.Status, status);
  EXPECT_EQ(ui.Layouts.size(), layouts + 2);
}

}  // namespace
