#include "board_test_support.h"
#include "lyt/core/board_file.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <unistd.h>

namespace {

using namespace lyt;
using board_tests::Element;
namespace fs = std::filesystem;

const char* const WriteProtected = "Disquette protégée en écriture, \r\nEnregistrement impossible !";

class BoardFileSave : public testing::Test {
 protected:
  BoardFileSave() {
    board.Elements.push_back(Element(0, ElementKind::Hole, BoardLayer::Through, 0.4f, 1, 1));
    board.Modified = true;
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
}

TEST_F(BoardFileSave, SavingAFootprintAsksForTheListToBeRefilled) {
  board.FileName = folder.File("DIL8.Emp");

  EXPECT_TRUE(SaveDocumentFile(board, 1.27f, 1.27f, ui).RefillFootprintList);
}

TEST_F(BoardFileSave, ReadOnlyFileIsReportedAndKeptIntact) {
  board.FileName = folder.File("protege.Lyt");
  board_tests::WriteBytes(board.FileName, "ancien contenu");
  fs::permissions(fs::u8path(board.FileName), fs::perms::owner_read | fs::perms::group_read);

  SaveOutcome outcome = SaveDocumentFile(board, 1.27f, 1.27f, ui);

  EXPECT_FALSE(outcome.Saved);
  EXPECT_FALSE(outcome.RefillFootprintList);
  EXPECT_TRUE(board.Modified);
  ASSERT_EQ(ui.Messages.size(), 1u);
  EXPECT_EQ(ui.Messages[0].Text, WriteProtected);
  EXPECT_EQ(ui.Messages[0].Icon, common::MessageIcon::Exclamation);
  EXPECT_EQ(board_tests::ReadBytes(board.FileName), "ancien contenu");
}

TEST_F(BoardFileSave, MissingFolderFailsSilently) {
  board.FileName = (folder.Path() / "absent" / "carte.Lyt").u8string();

  EXPECT_FALSE(SaveDocumentFile(board, 1.27f, 1.27f, ui).Saved);

  EXPECT_TRUE(board.Modified);
  EXPECT_TRUE(ui.Messages.empty());
  EXPECT_FALSE(fs::exists(fs::u8path(board.FileName)));
}

TEST_F(BoardFileSave, ReadOnlyFolderIsReportedAndKeepsTheOldFile) {
  if (geteuid() == 0) GTEST_SKIP() << "root writes into read-only folders";
  board.FileName = folder.File("carte.Lyt");
  board_tests::WriteBytes(board.FileName, "ancien contenu");
  fs::permissions(folder.Path(), fs::perms::owner_read | fs::perms::owner_exec);

  EXPECT_FALSE(SaveDocumentFile(board, 1.27f, 1.27f, ui).Saved);

  EXPECT_TRUE(board.Modified);
  ASSERT_EQ(ui.Messages.size(), 1u);
  EXPECT_EQ(ui.Messages[0].Text, WriteProtected);
  EXPECT_EQ(board_tests::ReadBytes(board.FileName), "ancien contenu");
}

}  // namespace
