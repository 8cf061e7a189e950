#include "common/core/file_io.h"
#include "common/core/file_problem.h"

#include "support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

namespace fs = std::filesystem;

namespace {

using common::SaveResult;

class FileIoTest : public ::testing::Test {
 protected:
  SaveResult Save(const std::string& name, const std::string& bytes) {
    return common::SaveFileAtomically(folder.File(name), bytes);
  }
  std::string Read(const std::string& name) const { return testing_support::ReadBytes(folder.File(name)); }

  testing_support::TempFolder folder;
  const fs::path& dir = folder.Path();
};

// The new contents replace the old and no temporary is left; a file named
// like an old temporary beside it stays as it was; a link keeps pointing at
// the file, which gets the new contents; the old file's permissions stay.
TEST_F(FileIoTest, SaveReplacesSparesNeighboursFollowsLinksAndKeepsPermissions) {
  std::ofstream(dir / "board.Lyt.~sav") << "the user's own";
  std::ofstream(dir / "real.Lyt") << "old";
  fs::permissions(dir / "real.Lyt", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("real.Lyt", dir / "link.Lyt");
  ASSERT_EQ(Save("board.Lyt", "first"), SaveResult::Ok);
  ASSERT_EQ(Save("board.Lyt", std::string("a\0b\r\n", 5)), SaveResult::Ok);
  ASSERT_EQ(Save("link.Lyt", "new"), SaveResult::Ok);
  EXPECT_EQ(std::make_tuple(Read("board.Lyt"), Read("board.Lyt.~sav"), Read("real.Lyt")),
            std::make_tuple(std::string("a\0b\r\n", 5), "the user's own", "new"));
  EXPECT_TRUE(fs::is_symlink(dir / "link.Lyt"));
  EXPECT_EQ(fs::status(dir / "real.Lyt").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(std::distance(fs::directory_iterator(dir), fs::directory_iterator()), 4);
}

// A failed save leaves what was there and says why: a refused permission
// with the write-protection message, anything else naming the file.
TEST_F(FileIoTest, FailedSavesKeepTheOldFileAndTellWhy) {
  ASSERT_EQ(Save("locked.Lyt", "old"), SaveResult::Ok);
  fs::permissions(dir / "locked.Lyt", fs::perms::owner_read | fs::perms::group_read);
  EXPECT_EQ(Save("locked.Lyt", "new"), SaveResult::PermissionDenied);
  EXPECT_EQ(Read("locked.Lyt"), "old");
  fs::create_directories(dir / "dir.Lyt");
  EXPECT_EQ(std::make_pair(Save("nowhere/board.Lyt", "x"), Save("dir.Lyt", "x")),
            std::make_pair(SaveResult::Failed, SaveResult::Failed));
  EXPECT_TRUE(!fs::exists(dir / "nowhere") && fs::is_directory(dir / "dir.Lyt"));

  EXPECT_FALSE(common::SaveProblem(SaveResult::Ok, "a.Lyt"));
  EXPECT_EQ(common::SaveProblem(SaveResult::PermissionDenied, "a.Lyt")->Text, common::WriteProtectedText);
  const auto failed = common::SaveProblem(SaveResult::Failed, "/x/a.Lyt");
  EXPECT_EQ(failed->Text, "Impossible d'écrire le fichier\r\n/x/a.Lyt");
  EXPECT_EQ(failed->Icon, common::MessageIcon::Exclamation);

  // A read-only folder refuses too, unless the rights the test runs with ignore it.
  fs::permissions(dir, fs::perms::owner_read | fs::perms::owner_exec);
  const bool refused = !std::ofstream(dir / "probe");
  EXPECT_EQ(Save("board.Lyt", "x"), refused ? SaveResult::PermissionDenied : SaveResult::Ok);
}

// A missing file and an unreadable one get the reader's own texts, with
// different icons (the board file's tests read files that are there).
TEST_F(FileIoTest, LoadTellsMissingFromUnreadable) {
  using Problem = std::pair<std::string, common::MessageIcon>;
  std::string bytes;
  auto problem = [&](const std::string& path) {
    auto found = common::LoadDocumentText(path, bytes, "absent", "illisible");
    return found ? Problem(found->Text, found->Icon) : Problem("", common::MessageIcon::None);
  };
  EXPECT_EQ(problem(folder.File("absent.Lyt")), Problem("absent", common::MessageIcon::Exclamation));
  EXPECT_EQ(problem(dir.u8string()), Problem("illisible", common::MessageIcon::Critical));
}

}  // namespace
