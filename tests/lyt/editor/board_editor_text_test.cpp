#include "support/board_test_support.h"

namespace {

using namespace lyt;
using common::TextDialogAnswer;
using Texts = std::vector<std::string>;

// The text tool, "Editer Texte" and the grid-step dialog.
class BoardEditorText : public board_tests::EditorTest {
 protected:
  BoardEditorText() { editor.Start(""); }

  Texts PlacedTexts() const {
    Texts texts;
    for (const BoardElement& e : editor.Document().Elements)
      if (e.Kind == ElementKind::Text) texts.push_back(e.Text);
    return texts;
  }
  // A text element of the board, taken in hand as a selection would.
  void HoldText(const std::string& text, float height) {
    Doc().Elements.push_back(board_tests::Element(0, ElementKind::Text, BoardLayer::Component, height,
                                                  25.4f, 25.4f, 30.0f, 25.4f + height, text));
    AddToPending(Doc(), static_cast<std::int32_t>(Doc().Elements.size() - 1), PendingMove::Whole);
  }
  void GridSteps(const std::string& x, const std::string& y) {
    EXPECT_EQ(ui.Status[2], "  Pas de la grille Horizontal: " + x + "mm   ");
    EXPECT_EQ(ui.Status[3], "  Pas de la grille Vertical: " + y + "mm   ");
  }
};

TEST_F(BoardEditorText, NumberedTextPlacesOneNumberPerClick) {
  // A negative start numbers nothing: the plain text each time.
  const std::tuple<std::string, int, Texts, float> cases[] = {
      {"1", 1, {"R1", "R2", "R3", "R4"}, 2.0f}, {"-5", 2, {"R", "R", "R", "R"}, 3.0f}};
  for (const auto& [start, sizeIndex, texts, height] : cases) {
    SCOPED_TRACE(start);
    ui.Answers = {common::MessageAnswer::No};  // drops the texts of the last case
    editor.MnuNouveau();
    ui.TextAnswers.push_back(TextDialogAnswer{true, "R", sizeIndex, true, start});
    editor.OptTexte();
    EXPECT_TRUE(ui.TextRequests.back().NewText);
    EXPECT_EQ(ui.Pointer, common::PointerShape::Cross);
    ASSERT_EQ(Doc().Pending.size(), 1u);
    EXPECT_EQ(Doc().Pending[0].Text, texts[0]);
    for (float x : {12.7f, 25.4f, 38.1f}) Click(x, 12.7f);
    EXPECT_EQ(PlacedTexts(), Texts(texts.begin(), texts.begin() + 3));
    EXPECT_EQ(Doc().Pending.at(0).Text, texts[3]);
    const BoardElement& second = Doc().Elements[1];
    EXPECT_EQ(second.Layer, BoardLayer::Solder) << "the current layer";
    EXPECT_FLOAT_EQ(second.Size, height);
    EXPECT_FLOAT_EQ(second.X1, 25.4f);
    EXPECT_GT(second.X2, second.X1);
    EXPECT_FLOAT_EQ(second.Y2, 12.7f + height);
  }
}

TEST_F(BoardEditorText, NoTextBringsTheSelectionToolBack) {
  editor.KeyPress('t');  // cancelled: the script has no answer
  ASSERT_EQ(ui.TextRequests.size(), 1u);
  EXPECT_EQ(editor.CurrentTool(), BoardEditor::Tool::Select);
  EXPECT_EQ(ui.Option, "OptSelect");
  EXPECT_EQ(ui.Pointer, common::PointerShape::Arrow);
  EXPECT_TRUE(Doc().Pending.empty());

  ui.TextAnswers.push_back(TextDialogAnswer{true, "", 1, false, ""});  // OK on an empty text
  editor.OptTexte();
  EXPECT_EQ(editor.CurrentTool(), BoardEditor::Tool::Select);
  EXPECT_TRUE(Doc().Pending.empty());
  Click(12.7f, 12.7f);
  EXPECT_TRUE(PlacedTexts().empty());
}

TEST_F(BoardEditorText, EditingChangesOnlyTheItemInHandAndOnlyOnOk) {
  HoldText("R12", 3.0f);
  editor.DoubleClick();  // Annuler
  ui.TextAnswers.push_back(TextDialogAnswer{true, "", 0, false, ""});
  editor.DoubleClick();  // OK with the text erased
  EXPECT_EQ(Doc().Pending.at(0).Text, "R12");
  EXPECT_FLOAT_EQ(Doc().Pending.at(0).X2, 30.0f);

  ui.TextAnswers.push_back(TextDialogAnswer{true, "C7", 4, true, "3"});
  editor.DoubleClick();
  ASSERT_EQ(ui.TextRequests.size(), 3u);
  EXPECT_FALSE(ui.TextRequests[2].NewText);
  EXPECT_EQ(ui.TextRequests[2].Text, "R12");
  EXPECT_EQ(ui.TextRequests[2].SizeIndex, 2);
  const PendingItem& item = Doc().Pending.at(0);
  EXPECT_EQ(item.Text, "C7") << "no numbering when editing";
  EXPECT_FLOAT_EQ(item.Size, 5.0f);
  EXPECT_FLOAT_EQ(item.Y2, 25.4f + 5.0f);
  EXPECT_EQ(Doc().Elements[0].Text, "R12") << "written back at the next commit";
  CommitPending(Doc());
  EXPECT_EQ(Doc().Elements[0].Text, "C7");
}

TEST_F(BoardEditorText, HeightOutsideTheListCannotBeEdited) {
  HoldText("J1", 2.5f);
  editor.MnuEditTexte();
  EXPECT_TRUE(ui.TextRequests.empty());
  board_tests::ExpectOneMessage(ui, " erreur dans MnuEditTexte", common::MessageIcon::None);
  EXPECT_EQ(Doc().Pending.at(0).Text, "J1");
}

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
  GridSteps("0.5", "10");

  // The next dialog shows the new steps; a comma ends the number.
  const double scale = editor.View().Scale;
  ui.GridStepAnswers = {{"1,27", "2.54"}};
  editor.MnuPas();
  EXPECT_DOUBLE_EQ(editor.View().Scale, scale / 2) << "the view follows at once";
  EXPECT_EQ(ui.GridStepShown[1], std::make_pair(std::string("0.5"), std::string("10")));
  EXPECT_FLOAT_EQ(editor.View().GridStepX, 1.0f);
  EXPECT_FLOAT_EQ(editor.View().GridStepY, 2.54f);
  GridSteps("1", "2.54");
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
