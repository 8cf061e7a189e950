#include "support/board_test_support.h"
#include "lyt/core/board_file.h"

#include <unistd.h>

namespace {

using namespace lyt;
namespace fs = std::filesystem;

class BoardFileSave : public testing::Test {
 protected:
  BoardFileSave() {
    board.Elements.push_back(board_tests::Element(0, ElementKind::Hole, BoardLayer::Through, 0.4f, 1, 1));
    board.Modified = true;
  }
  // An old file, locked as `locked` names.
  void OldFile(const fs::path& locked, fs::perms perms) {
    board.FileName = folder.File("carte.Lyt");
    board_tests::WriteBytes(board.FileName, "ancien contenu");
    fs::permissions(locked, perms);
  }
  void ExpectRefusedKeepingTheOldFile() {
    const SaveOutcome outcome = SaveDocumentFile(board, 1.27f, 1.27f, ui);
    EXPECT_FALSE(outcome.Saved || outcome.RefillFootprintList);
    EXPECT_TRUE(board.Modified);
    board_tests::ExpectOneMessage(ui, board_tests::kWriteProtected, common::MessageIcon::Exclamation);
    EXPECT_EQ(board_tests::ReadBytes(board.FileName), "ancien contenu");
  }

  board_tests::TempFolder folder;
  Board board;
  testing_support::ScriptedUi ui;
};

TEST_F(BoardFileSave, SuccessWritesTheFileAndClearsModified) {
  board.FileName = folder.File("carte.Lyt");
  SaveOutcome outcome = SaveDocumentFile(board, 1.27f, 1.27f, ui);
  EXPECT_TRUE(outcome.Saved);
  EXPECT_FALSE(outcome.RefillFootprintList);
  EXPECT_FALSE(board.Modified);
  EXPECT_EQ(board_tests::ReadBytes(board.FileName), WriteDocument(board, 1.27f, 1.27f));
  EXPECT_TRUE(ui.Messages.empty());

  board.FileName = folder.File("DIL8.Emp");  // a footprint: the list must be refilled
  EXPECT_TRUE(SaveDocumentFile(board, 1.27f, 1.27f, ui).RefillFootprintList);
}

TEST_F(BoardFileSave, ReadOnlyFileIsReportedAndKeptIntact) {
  OldFile(fs::u8path(folder.File("carte.Lyt")), fs::perms::owner_read | fs::perms::group_read);
  ExpectRefusedKeepingTheOldFile();
}

TEST_F(BoardFileSave, ReadOnlyFolderIsReportedAndKeepsTheOldFile) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  OldFile(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);
  ExpectRefusedKeepingTheOldFile();
}

TEST_F(BoardFileSave, MissingFolderFailsSilently) {
  board.FileName = (folder.Path() / "absent" / "carte.Lyt").u8string();
  EXPECT_FALSE(SaveDocumentFile(board, 1.27f, 1.27f, ui).Saved);
  EXPECT_TRUE(board.Modified);
  EXPECT_TRUE(ui.Messages.empty());
  EXPECT_FALSE(fs::exists(fs::u8path(board.FileName)));
}

}  // namespace
