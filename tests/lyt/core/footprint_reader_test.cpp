#include "board_test_support.h"
#include "lyt/core/board_file.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

namespace {

using namespace lyt;
using common::MessageIcon;
namespace fs = std::filesystem;

const char* const WrongFootprint = "Fichier d'empreinte incorrect,\r\nlecture impossible !";

// A program folder with its footprint library.
class FootprintRead : public testing::Test {
 protected:
  FootprintRead() { fs::create_directories(folder.Path() / "empreintes"); }
  void Library(const std::string& fileName, const std::string& bytes) {
    board_tests::WriteBytes((folder.Path() / "empreintes" / fileName).u8string(), bytes);
  }
  bool Read(const std::string& name) {
    return ReadFootprint(board, folder.Path().u8string(), name, ui);
  }
  void ExpectOneMessage(const std::string& text, MessageIcon icon) {
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Text, text);
    EXPECT_EQ(ui.Messages[0].Icon, icon);
  }

  board_tests::TempFolder folder;
  Board board;
  testing_support::ScriptedUi ui;
};

TEST_F(FootprintRead, ItemsMoveAsAWholeWithTheCurrentGroupCounter) {
  Library("TO92.Emp",
          "\"EMP 3\"\r\n2.54,2.54\r\n"
          "4,4,3,0.8,30,40,0,0,\"\",0\r\n"
          "4,1,2,0.3,29,38,34,38,\"\",0\r\n"
          "0,10,2,1.5,29,36,33,37,\"Q\",90\r\n");
  board.LastGroup = 6;

  ASSERT_TRUE(Read("TO92"));

  ASSERT_EQ(board.Pending.size(), 3u);
  for (const PendingItem& item : board.Pending) {
    EXPECT_EQ(item.Index, 0);
    EXPECT_EQ(item.Group, 6);
    EXPECT_EQ(item.MoveMode, PendingMove::Whole);
    EXPECT_TRUE(item.Active);
  }
  EXPECT_EQ(board.Pending[0].X1, 30.0f);
  EXPECT_EQ(board.Pending[1].X2, 34.0f);
  EXPECT_EQ(board.Pending[2].Text, "Q");
  EXPECT_EQ(board.Pending[2].Angle, 90);
  EXPECT_TRUE(board.Elements.empty());
  EXPECT_EQ(board.LastGroup, 6);
  EXPECT_TRUE(ui.Status.empty());  // its grid leaves the board's alone
  EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(FootprintRead, OlderFootprintHasNoGridLine) {
  Library("R.Emp", "\"EMP 2\"\r\n0,8,3,0.4,1,1,0,0,\"\",0\r\n");

  ASSERT_TRUE(Read("R"));

  EXPECT_EQ(board.Pending.size(), 1u);
}

TEST_F(FootprintRead, ExtensionInAnyCaseIsFound) {
  Library("CMS.EMP", "\"EMP 3\"\r\n1.27,1.27\r\n0,5,3,0.8,1,1,0,0,\"\",0\r\n");

  ASSERT_TRUE(Read("CMS"));

  EXPECT_EQ(board.Pending.size(), 1u);
}

TEST_F(FootprintRead, BoardFileIsRefused) {
  Library("carte.Emp", "\"LYT 3\"\r\n1.27,1.27\r\n0,8,3,0.4,1,1,0,0,\"\",0\r\n");

  EXPECT_FALSE(Read("carte"));

  ExpectOneMessage(WrongFootprint, MessageIcon::Critical);
  EXPECT_TRUE(board.Pending.empty());
}

TEST_F(FootprintRead, MissingFileIsReported) {
  EXPECT_FALSE(Read("absent"));

  ExpectOneMessage("Fichier d'empreinte Introuvable!", MessageIcon::Exclamation);
}

TEST_F(FootprintRead, EmptyLibraryListNamesNoFile) {
  fs::remove(folder.Path() / "empreintes");

  EXPECT_FALSE(Read(""));

  ExpectOneMessage("Fichier d'empreinte Introuvable!", MessageIcon::Exclamation);
}

TEST_F(FootprintRead, DamagedFileKeepsTheItemsReadBefore) {
  Library("abime.Emp",
          "\"EMP 3\"\r\n1.27,1.27\r\n0,4,3,0.8,1,1,0,0,\"\",0\r\n0,8,3,x,1,1,0,0,\"\",0\r\n");

  EXPECT_FALSE(Read("abime"));

  ExpectOneMessage(WrongFootprint, MessageIcon::Critical);
  EXPECT_EQ(board.Pending.size(), 1u);
}

}  // namespace
