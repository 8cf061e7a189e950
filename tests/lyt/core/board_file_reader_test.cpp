#include "support/board_test_support.h"
#include "lyt/core/board_file.h"

namespace {

using namespace lyt;
using board_tests::kWrongType;
using common::MessageIcon;

// Reads `bytes` as a file into a freshly reset board, as Open does.
class BoardFileRead : public testing::Test {
 protected:
  bool Read(const std::string& bytes, const std::string& name = "lu.Lyt") {
    board_tests::WriteBytes(folder.File(name), bytes);
    InitDocument(board);
    board.FileName = folder.File(name);
    ui.Messages.clear();
    return ReadDocument(board, view, ui);
  }

  board_tests::TempFolder folder;
  Board board;
  common::Viewport view{common::LytViewport};
  testing_support::ScriptedUi ui;
};

TEST_F(BoardFileRead, CurrentVersionSetsGridStepsAndShowsThem) {
  ui.Separator = ',';
  ASSERT_TRUE(Read("\"LYT 3\"\r\n2.54,0.5\r\n0,1,0,1.27,10.16,20.32,15.24,20.32,\"\",0\r\n"));
  EXPECT_EQ(std::make_pair(view.GridStepX, view.GridStepY), std::make_pair(2.54f, 0.5f));
  EXPECT_EQ(ui.Status[2], "  Pas de la grille Horizontal:2,54mm   ");
  EXPECT_EQ(ui.Status[3], "  Pas de la grille Vertical:0,5mm   ");
  ASSERT_EQ(board.Elements.size(), 1u);
  EXPECT_EQ(board.Elements[0].X2, 15.24f);
  EXPECT_TRUE(ui.Messages.empty());

  ASSERT_TRUE(Read("\"EMP 3\"\r\n1,2\r\n0,8,3,0.4,1,1,0,0,\"\",0\r\n", "DIL8.Emp"));  // a footprint
  EXPECT_EQ(std::make_pair(view.GridStepX, view.GridStepY), std::make_pair(1.0f, 2.0f));
  EXPECT_EQ(board.Elements.size(), 1u);
}

TEST_F(BoardFileRead, OlderVersionHasNoGridLine) {
  ASSERT_TRUE(Read("\"LYT 2\"\r\n0,4,3,0.8,5,6,0,0,\"\",0\r\n2,8,3,0.4,5,6,0,0,\"\",0\r\n"));
  EXPECT_EQ(std::make_pair(view.GridStepX, view.GridStepY), std::make_pair(1.27f, 1.27f));
  EXPECT_TRUE(ui.Status.empty());
  ASSERT_EQ(board.Elements.size(), 2u);
  EXPECT_EQ(board.Elements[0].Kind, ElementKind::RoundPad);
  EXPECT_EQ(board.LastGroup, 3);
}

TEST_F(BoardFileRead, LastGroupIsOnePastTheLargestGroupWithoutOverflow) {
  const std::pair<const char*, std::int32_t> cases[] = {
      {"7,4,3,0.8,5,6,0,0,\"\",0\r\n2,8,3,0.4,5,6,0,0,\"\",0\r\n0,1,1,1,0,0,3,3,\"\",0\r\n", 8},
      {"0,8,3,0.4,1,1,0,0,\"\",0\r\n", 1},
      {"2147483647,8,3,0.4,5,6,0,0,\"\",0\r\n", 2147483647}};
  for (const auto& [lines, lastGroup] : cases) {
    ASSERT_TRUE(Read(std::string("\"LYT 3\"\r\n1.27,1.27\r\n") + lines)) << lines;
    EXPECT_EQ(board.LastGroup, lastGroup) << lines;
  }
}

TEST_F(BoardFileRead, LineFeedOnlyMissingFinalLineEndAndOtherNumberSpellingsAreAccepted) {
  ASSERT_TRUE(Read("\"LYT 3\"\n1.27,1.27\n0,1,0,1,0,0,3,3,\"a\",0\n"
                   " 3 , 1 , 0 , .5 , 1E-05 , -2 , 1.5e2 , 0 , \" t \" , 90 "));
  ASSERT_EQ(board.Elements.size(), 2u);
  const BoardElement& e = board.Elements[1];
  EXPECT_EQ(std::make_tuple(e.Group, e.Kind, e.Size, e.X1, e.Y1, e.X2, e.Text, e.Angle),
            std::make_tuple(3, ElementKind::Track, 0.5f, 1E-05f, -2.0f, 150.0f, " t ", 90));
}

TEST_F(BoardFileRead, MissingFileIsReported) {
  InitDocument(board);
  board.FileName = folder.File("absent.Lyt");
  EXPECT_FALSE(ReadDocument(board, view, ui));
  board_tests::ExpectOneMessage(ui, board_tests::kFileNotFound, MessageIcon::Exclamation);
  EXPECT_EQ(board.FileName, folder.File("absent.Lyt"));
}

TEST_F(BoardFileRead, OtherMagicOrABadGridLineReadsNothingAndKeepsTheSteps) {
  for (const char* bytes : {"\"SKT 1\"\r\n1,1\r\n", "\"lyt 3\"\r\n1.27,1.27\r\n", "", "\r\n",
                            "\"LY\"\r\n", "\"LYT 3\",1\r\n1.27,1.27\r\n", "\"LYT 3\"\r\n",
                            "\"LYT 3\"\r\n1.27\r\n0,1,0,1,0,0,3,3,\"\",0\r\n",
                            "\"LYT 3\"\r\nabc,1.27\r\n", "\"LYT 3\"\r\n0,1.27\r\n"}) {
    SCOPED_TRACE(bytes);
    EXPECT_FALSE(Read(bytes));
    board_tests::ExpectOneMessage(ui, kWrongType, MessageIcon::Critical);
    EXPECT_EQ(view.GridStepX, 1.27f);
    EXPECT_TRUE(board.Elements.empty());
  }
}

// The elements before a bad line stay loaded; LastGroup is the largest
// group read so far, without the increment of a complete read.
TEST_F(BoardFileRead, DamagedFileKeepsWhatWasReadBefore) {
  const char* const lastLines[] = {
      "0,1,0,1,0,0,3,3,\"\"\r\n",                     // cut short
      "0,1,0,1,0,0,3,3,\"\"",                         // cut short, without line end
      "0,1,0,1,0,0,3,3,\"\",0,0\r\n",                 // too long
      "\r\n",                                         // stray empty line
      "\r\n0,1,0,1,0,0,3,3,\"\",0\r\n",               // empty line before more
      "0,1,0,abc,0,0,3,3,\"\",0\r\n",                 // text in a number field
      "0,\"1\",0,1,0,0,3,3,\"\",0\r\n",               // quoted number
      "0,1,0,1,0,0,3,3,\"abc,0\r\n"};                 // unterminated text
  for (const char* lastLine : lastLines) {
    SCOPED_TRACE(lastLine);
    EXPECT_FALSE(Read(std::string("\"LYT 3\"\r\n1.27,1.27\r\n4,4,3,0.8,5,6,0,0,\"\",0\r\n") +
                      "2,8,3,0.4,5,6,0,0,\"\",0\r\n" + lastLine));
    board_tests::ExpectOneMessage(ui, kWrongType, MessageIcon::Critical);
    ASSERT_EQ(board.Elements.size(), 2u);
    EXPECT_EQ(board.Elements[1].Kind, ElementKind::Hole);
    EXPECT_EQ(board.LastGroup, 4);
  }
}

}  // namespace
