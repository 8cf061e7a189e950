#include "board_test_support.h"
#include "lyt/core/board_file.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <ostream>

namespace {

using namespace lyt;
using common::MessageIcon;

const char* const WrongType = "Type de Fichier incorrect,\r\nlecture impossible !";

// Reads `bytes` as a file into a freshly reset board, as Open does.
class BoardFileRead : public testing::Test {
 protected:
  bool Read(const std::string& bytes, const std::string& name = "lu.Lyt") {
    board_tests::WriteBytes(folder.File(name), bytes);
    InitDocument(board);
    board.FileName = folder.File(name);
    return ReadDocument(board, view, ui);
  }
  void ExpectOneMessage(const std::string& text, MessageIcon icon) {
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Text, text);
    EXPECT_EQ(ui.Messages[0].Icon, icon);
    EXPECT_EQ(ui.Messages[0].Buttons, common::MessageButtons::Ok);
    EXPECT_EQ(ui.Messages[0].Title, "");
  }

  board_tests::TempFolder folder;
  Board board;
  common::Viewport view{common::LytViewport};
  testing_support::ScriptedUi ui;
};

TEST_F(BoardFileRead, CurrentVersionSetsGridStepsAndShowsThem) {
  ASSERT_TRUE(Read("\"LYT 3\"\r\n2.54,0.5\r\n0,1,0,1.27,10.16,20.32,15.24,20.32,\"\",0\r\n"));

  EXPECT_EQ(view.GridStepX, 2.54f);
  EXPECT_EQ(view.GridStepY, 0.5f);
  EXPECT_EQ(ui.Status[2], "  Pas de la grille Horizontal:2.54mm   ");
  EXPECT_EQ(ui.Status[3], "  Pas de la grille Vertical:0.5mm   ");
  ASSERT_EQ(board.Elements.size(), 1u);
  EXPECT_EQ(board.Elements[0].X2, 15.24f);
  EXPECT_EQ(board.LastGroup, 1);
  EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(BoardFileRead, GridStepsShownWithTheUsersDecimalSeparator) {
  ui.Separator = ',';
  ASSERT_TRUE(Read("\"LYT 3\"\r\n1.27,1.27\r\n"));

  EXPECT_EQ(ui.Status[2], "  Pas de la grille Horizontal:1,27mm   ");
}

TEST_F(BoardFileRead, FootprintFileOpensAsABoard) {
  ASSERT_TRUE(Read("\"EMP 3\"\r\n1,2\r\n0,8,3,0.4,1,1,0,0,\"\",0\r\n", "DIL8.Emp"));

  EXPECT_EQ(view.GridStepX, 1.0f);
  EXPECT_EQ(view.GridStepY, 2.0f);
  EXPECT_EQ(board.Elements.size(), 1u);
}

TEST_F(BoardFileRead, OlderVersionHasNoGridLine) {
  ASSERT_TRUE(Read("\"LYT 2\"\r\n0,4,3,0.8,5,6,0,0,\"\",0\r\n2,8,3,0.4,5,6,0,0,\"\",0\r\n"));

  EXPECT_EQ(view.GridStepX, 1.27f);
  EXPECT_EQ(view.GridStepY, 1.27f);
  EXPECT_TRUE(ui.Status.empty());
  ASSERT_EQ(board.Elements.size(), 2u);
  EXPECT_EQ(board.Elements[0].Kind, ElementKind::RoundPad);
  EXPECT_EQ(board.LastGroup, 3);
}

TEST_F(BoardFileRead, LastGroupIsOnePastTheLargestGroup) {
  ASSERT_TRUE(Read("\"LYT 3\"\r\n1.27,1.27\r\n"
                   "7,4,3,0.8,5,6,0,0,\"\",0\r\n"
                   "2,8,3,0.4,5,6,0,0,\"\",0\r\n"
                   "0,1,1,1,0,0,3,3,\"\",0\r\n"));

  EXPECT_EQ(board.LastGroup, 8);
}

TEST_F(BoardFileRead, LargestPossibleGroupDoesNotOverflowTheCounter) {
  ASSERT_TRUE(Read("\"LYT 3\"\r\n1.27,1.27\r\n2147483647,8,3,0.4,5,6,0,0,\"\",0\r\n"));

  EXPECT_EQ(board.LastGroup, 2147483647);
}

TEST_F(BoardFileRead, LineFeedOnlyAndMissingFinalLineEndAreAccepted) {
  ASSERT_TRUE(Read("\"LYT 3\"\n1.27,1.27\n0,1,0,1,0,0,3,3,\"a\",0\n0,9,2,2,4,4,0,0,\"\",0"));

  ASSERT_EQ(board.Elements.size(), 2u);
  EXPECT_EQ(board.Elements[1].Kind, ElementKind::Circle);
}

TEST_F(BoardFileRead, ReadersAcceptOtherNumberSpellings) {
  ASSERT_TRUE(Read("\"LYT 3\"\r\n1.27,1.27\r\n 3 , 1 , 0 , .5 , 1E-05 , -2 , 1.5e2 , 0 , \" t \" , 90 \r\n"));

  const BoardElement& e = board.Elements.at(0);
  EXPECT_EQ(e.Group, 3);
  EXPECT_EQ(e.Size, 0.5f);
  EXPECT_EQ(e.X1, 1E-05f);
  EXPECT_EQ(e.Y1, -2.0f);
  EXPECT_EQ(e.X2, 150.0f);
  EXPECT_EQ(e.Text, " t ");
  EXPECT_EQ(e.Angle, 90);
}

TEST_F(BoardFileRead, MissingFileIsReported) {
  InitDocument(board);
  board.FileName = folder.File("absent.Lyt");

  EXPECT_FALSE(ReadDocument(board, view, ui));

  ExpectOneMessage("Fichier Introuvable!", MessageIcon::Exclamation);
  EXPECT_EQ(board.FileName, folder.File("absent.Lyt"));
}

TEST_F(BoardFileRead, OtherMagicIsRefused) {
  for (const char* bytes : {"\"SKT 1\"\r\n1,1\r\n", "\"lyt 3\"\r\n1.27,1.27\r\n", "", "\r\n",
                            "\"LY\"\r\n", "\"LYT 3\",1\r\n1.27,1.27\r\n"}) {
    ui.Messages.clear();
    EXPECT_FALSE(Read(bytes)) << bytes;
    ExpectOneMessage(WrongType, MessageIcon::Critical);
    EXPECT_TRUE(board.Elements.empty());
  }
}

TEST_F(BoardFileRead, BadGridLineKeepsTheStepsAndReadsNothing) {
  for (const char* bytes : {"\"LYT 3\"\r\n", "\"LYT 3\"\r\n1.27\r\n0,1,0,1,0,0,3,3,\"\",0\r\n",
                            "\"LYT 3\"\r\nabc,1.27\r\n", "\"LYT 3\"\r\n0,1.27\r\n"}) {
    ui.Messages.clear();
    EXPECT_FALSE(Read(bytes)) << bytes;
    ExpectOneMessage(WrongType, MessageIcon::Critical);
    EXPECT_EQ(view.GridStepX, 1.27f);
    EXPECT_TRUE(board.Elements.empty());
  }
}

// The elements before a bad line stay loaded; LastGroup is the largest
// group read so far, without the increment of a complete read.
struct DamagedFile {
  const char* Name;
  const char* LastLine;
};

void PrintTo(const DamagedFile& file, std::ostream* out) { *out << file.Name; }

class BoardFileReadDamaged : public BoardFileRead, public testing::WithParamInterface<DamagedFile> {};

TEST_P(BoardFileReadDamaged, KeepsWhatWasReadBefore) {
  const std::string bytes = std::string("\"LYT 3\"\r\n1.27,1.27\r\n") +
                            "4,4,3,0.8,5,6,0,0,\"\",0\r\n" + "2,8,3,0.4,5,6,0,0,\"\",0\r\n" +
                            GetParam().LastLine;

  EXPECT_FALSE(Read(bytes));

  ExpectOneMessage(WrongType, MessageIcon::Critical);
  ASSERT_EQ(board.Elements.size(), 2u);
  EXPECT_EQ(board.Elements[1].Kind, ElementKind::Hole);
  EXPECT_EQ(board.LastGroup, 4);
}

INSTANTIATE_TEST_SUITE_P(
    BoardFileRead, BoardFileReadDamaged,
    testing::Values(DamagedFile{"CutShort", "0,1,0,1,0,0,3,3,\"\"\r\n"},
                    DamagedFile{"CutShortWithoutLineEnd", "0,1,0,1,0,0,3,3,\"\""},
                    DamagedFile{"TooLong", "0,1,0,1,0,0,3,3,\"\",0,0\r\n"},
                    DamagedFile{"StrayEmptyLine", "\r\n"},
                    DamagedFile{"EmptyLineBeforeMore", "\r\n0,1,0,1,0,0,3,3,\"\",0\r\n"},
                    DamagedFile{"TextInNumberField", "0,1,0,abc,0,0,3,3,\"\",0\r\n"},
                    DamagedFile{"QuotedNumber", "0,\"1\",0,1,0,0,3,3,\"\",0\r\n"},
                    DamagedFile{"UnterminatedText", "0,1,0,1,0,0,3,3,\"abc,0\r\n"}),
    [](const testing::TestParamInfo<DamagedFile>& info) { return std::string(info.param.Name); });

}  // namespace
