#include "common/core/grid_step_input.h"
#include "common/core/status_texts.h"
#include "common/core/viewport.h"

#include "support/scripted_ui.h"

#include <gtest/gtest.h>

namespace {

using common::Viewport;
using testing_support::ScriptedUi;

TEST(ViewportStatusTest, GridStepPanelsOfEachProgram) {
  Viewport board(common::LytViewport);
  board.GridStepY = 2.54f;
  ScriptedUi boardUi;
  common::ShowGridStepStatus(board, boardUi);
  EXPECT_EQ(boardUi.Status[2], "  Pas de la grille Horizontal:1.27mm   ");
  EXPECT_EQ(boardUi.Status[3], "  Pas de la grille Vertical:2.54mm   ");

  Viewport schematic(common::SktViewport);
  schematic.SetGridStep(0.5f);
  ScriptedUi schematicUi;
  schematicUi.Separator = ',';
  common::ShowGridStepStatus(schematic, schematicUi);
  EXPECT_EQ(schematicUi.Status.size(), 1u);
  EXPECT_EQ(schematicUi.Status[1], "  Pas de la grille :0,5mm   ");
}

TEST(ViewportStatusTest, PointerPanelsShowTheSnappedDistanceFromTheLastPress) {
  Viewport view(common::LytViewport);
  view.LastDown = {2.54f, 1.27f};
  ScriptedUi ui;
  common::ShowCursorStatus(view, {5.0f, 0.0f}, ui);  // 2.46 and -1.27 from it
  EXPECT_EQ(ui.Status[4], "  X= 2.54mm");
  EXPECT_EQ(ui.Status[5], "  Y= -1.27mm");
  view.SnapToGrid = false;
  EXPECT_EQ(common::CursorXText(view, 5.0f, ','), "  X= 2,46mm");

  ScriptedUi schematicUi;
  common::ShowCursorStatus(Viewport(common::SktViewport), {3.2f, -1.0f}, schematicUi);
  EXPECT_EQ(schematicUi.Status[2], "  X= 3mm");
  EXPECT_EQ(schematicUi.Status[3], "  Y= -1mm");
}

class ViewportGridStepInputTest : public ::testing::Test {
 protected:
  bool Answer(std::initializer_list<const char*> answers) {
    for (const char* answer : answers) ui.InputAnswers.push_back(answer);
    return common::AskGridStep(view, ui);
  }
  Viewport view{common::SktViewport};
  ScriptedUi ui;
};

TEST_F(ViewportGridStepInputTest, BothLimitsAreAccepted) {
  EXPECT_TRUE(Answer({"0.5"}));
  ASSERT_EQ(ui.Inputs.size(), 1u);
  EXPECT_EQ(ui.Inputs[0].Prompt,
            "Pas de la grille en mmm de 0.5mm à 10mm\r\nPas standard 1mm \r\n");
  EXPECT_EQ(ui.Inputs[0].Title, "Pas de la grille");
  EXPECT_EQ(ui.Inputs[0].Default, "1");
  EXPECT_FLOAT_EQ(view.GridStepY, 0.5f);
  EXPECT_EQ(ui.Status[1], "  Pas de la grille :0.5mm   ");
  EXPECT_TRUE(Answer({"10"}));
  EXPECT_FLOAT_EQ(view.GridStep(), 10.0f);
}

TEST_F(ViewportGridStepInputTest, RefusedValuesAreAskedAgainWithTheSameDefault) {
  EXPECT_TRUE(Answer({"0,5", "12", "0.49", "2.5mm"}));  // "0,5" reads as 0
  ASSERT_EQ(ui.Inputs.size(), 4u);
  EXPECT_EQ(ui.Inputs[3].Default, "1");
  EXPECT_FLOAT_EQ(view.GridStep(), 2.5f);
}

TEST_F(ViewportGridStepInputTest, EmptyAnswerChangesNothing) {
  EXPECT_FALSE(Answer({""}));
  EXPECT_FALSE(Answer({"12", ""}));
  EXPECT_FLOAT_EQ(view.GridStep(), 1.0f);
  EXPECT_TRUE(ui.Status.empty());
}

TEST_F(ViewportGridStepInputTest, ProposedStepReadsBackWhateverTheDecimalSeparator) {
  ui.Separator = ',';
  view.SetGridStep(1.5f);
  EXPECT_TRUE(Answer({"1.5"}));
  EXPECT_EQ(ui.Inputs[0].Default, "1.5");
  EXPECT_EQ(ui.Status[1], "  Pas de la grille :1,5mm   ");
}

}  // namespace
