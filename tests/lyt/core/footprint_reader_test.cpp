#include "support/board_test_support.h"
#include "lyt/core/board_file.h"

namespace {

using namespace lyt;
using common::MessageIcon;
namespace fs = std::filesystem;

// A program folder with its footprint library.
class FootprintRead : public testing::Test {
 protected:
  FootprintRead() { fs::create_directories(folder.Path() / "empreintes"); }
  void Library(const std::string& fileName, const std::string& bytes) {
    board_tests::WriteBytes((folder.Path() / "empreintes" / fileName).u8string(), bytes);
  }
  bool Read(const std::string& name) { return ReadFootprint(board, folder.Path().u8string(), name, ui); }

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
  for (const PendingItem& item : board.Pending)
    EXPECT_EQ(std::make_tuple(item.Index, item.Group, item.MoveMode, item.Active),
              std::make_tuple(0, 6, PendingMove::Whole, true));
  EXPECT_EQ(board.Pending[0].X1, 30.0f);
  EXPECT_EQ(board.Pending[1].X2, 34.0f);
  EXPECT_EQ(board.Pending[2].Text, "Q");
  EXPECT_EQ(board.Pending[2].Angle, 90);
  EXPECT_TRUE(board.Elements.empty());
  EXPECT_EQ(board.LastGroup, 6);
  EXPECT_TRUE(ui.Status.empty());  // its grid leaves the board's alone
  EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(FootprintRead, OlderVersionWithoutGridLineAndExtensionInAnyCaseAreRead) {
  Library("R.Emp", "\"EMP 2\"\r\n0,8,3,0.4,1,1,0,0,\"\",0\r\n");
  Library("CMS.EMP", "\"EMP 3\"\r\n1.27,1.27\r\n0,5,3,0.8,1,1,0,0,\"\",0\r\n");
  for (const char* name : {"R", "CMS"}) {
    board.Pending.clear();
    ASSERT_TRUE(Read(name)) << name;
    EXPECT_EQ(board.Pending.size(), 1u) << name;
  }
}

TEST_F(FootprintRead, RefusedFilesAreReportedAndKeepWhatWasRead) {
  Library("carte.Emp", "\"LYT 3\"\r\n1.27,1.27\r\n0,8,3,0.4,1,1,0,0,\"\",0\r\n");
  Library("abime.Emp", "\"EMP 3\"\r\n1.27,1.27\r\n0,4,3,0.8,1,1,0,0,\"\",0\r\n0,8,3,x,1,1,0,0,\"\",0\r\n");
  const std::tuple<const char*, const char*, MessageIcon, std::size_t> cases[] = {
      {"carte", board_tests::kWrongFootprint, MessageIcon::Critical, 0},  // a board file
      {"abime", board_tests::kWrongFootprint, MessageIcon::Critical, 1},  // damaged on its 2nd item
      {"absent", board_tests::kFootprintNotFound, MessageIcon::Exclamation, 0},
      {"", board_tests::kFootprintNotFound, MessageIcon::Exclamation, 0}};  // an empty list
  for (const auto& [name, text, icon, pending] : cases) {
    SCOPED_TRACE(name);
    board.Pending.clear();
    ui.Messages.clear();
    EXPECT_FALSE(Read(name));
    board_tests::ExpectOneMessage(ui, text, icon);
    EXPECT_EQ(board.Pending.size(), pending);
  }
}

}  // namespace
