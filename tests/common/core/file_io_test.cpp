#include "common/core/file_io.h"
#include "common/core/file_problem.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {

using common::SaveResult;

class FileIoTest : public ::testing::Test {
 protected:
  FileIoTest()
      : folder_(fs::temp_directory_path() /
                ("lytskt-fileio-" + std::to_string(std::random_device{}()))) {
    fs::create_directories(folder_);
  }
  ~FileIoTest() override {
    std::error_code error;
    fs::permissions(folder_, fs::perms::owner_all, error);
    for (auto& entry : fs::directory_iterator(folder_, error))
      fs::permissions(entry.path(), fs::perms::owner_all, error);
    fs::remove_all(folder_, error);
  }
  std::string PathOf(const std::string& name) const { return (folder_ / name).string(); }
  static std::string Read(const std::string& path) {
    std::string bytes;
    EXPECT_EQ(common::LoadFile(path, bytes), common::LoadResult::Ok);
    return bytes;
  }
  fs::path folder_;
};

TEST_F(FileIoTest, SaveReplacesTheFileAndLeavesNoTemporary) {
  std::string path = PathOf("board.Lyt");
  ASSERT_EQ(common::SaveFileAtomically(path, "first"), SaveResult::Ok);
  ASSERT_EQ(common::SaveFileAtomically(path, std::string("a\0b\r\n", 5)), SaveResult::Ok);
  EXPECT_EQ(Read(path), std::string("a\0b\r\n", 5));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

// A failed save leaves what was there and says why: a refused permission
// with the write-protection message, anything else naming the file.
TEST_F(FileIoTest, FailedSavesKeepTheOldFileAndTellWhy) {
  ASSERT_EQ(common::SaveFileAtomically(PathOf("locked.Lyt"), "old"), SaveResult::Ok);
  fs::permissions(PathOf("locked.Lyt"), fs::perms::owner_read | fs::perms::group_read);
  EXPECT_EQ(common::SaveFileAtomically(PathOf("locked.Lyt"), "new"), SaveResult::PermissionDenied);
  EXPECT_EQ(Read(PathOf("locked.Lyt")), "old");

  EXPECT_EQ(common::SaveFileAtomically(PathOf("nowhere/board.Lyt"), "x"), SaveResult::Failed);
  EXPECT_FALSE(fs::exists(folder_ / "nowhere"));
  fs::create_directories(folder_ / "dir.Lyt");
  EXPECT_EQ(common::SaveFileAtomically(PathOf("dir.Lyt"), "x"), SaveResult::Failed);
  EXPECT_TRUE(fs::is_directory(folder_ / "dir.Lyt"));

  EXPECT_FALSE(common::SaveProblem(SaveResult::Ok, "a.Lyt"));
  EXPECT_EQ(common::SaveProblem(SaveResult::PermissionDenied, "a.Lyt")->Text, common::WriteProtectedText);
  const auto failed = common::SaveProblem(SaveResult::Failed, "/x/a.Lyt");
  EXPECT_EQ(failed->Text, "Impossible d'écrire le fichier\r\n/x/a.Lyt");
  EXPECT_EQ(failed->Icon, common::MessageIcon::Exclamation);
}

// Whatever lies beside the file stays as it was; a link keeps pointing at the
// file, which gets the new contents; the old file's permissions stay.
TEST_F(FileIoTest, SaveSparesNeighboursFollowsLinksAndKeepsPermissions) {
  std::ofstream(folder_ / "board.Lyt.~sav") << "the user's own";
  std::ofstream(folder_ / "real.Lyt") << "old";
  fs::permissions(folder_ / "real.Lyt", fs::perms::owner_read | fs::perms::owner_write);
  fs::create_symlink("real.Lyt", folder_ / "link.Lyt");

  ASSERT_EQ(common::SaveFileAtomically(PathOf("board.Lyt"), "board"), SaveResult::Ok);
  ASSERT_EQ(common::SaveFileAtomically(PathOf("link.Lyt"), "new"), SaveResult::Ok);

  EXPECT_EQ(Read(PathOf("board.Lyt.~sav")), "the user's own");
  EXPECT_TRUE(fs::is_symlink(folder_ / "link.Lyt"));
  EXPECT_EQ(Read(PathOf("real.Lyt")), "new");
  EXPECT_EQ(fs::status(folder_ / "real.Lyt").permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 4);
}

TEST_F(FileIoTest, ReadOnlyFolderIsPermissionDenied) {
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
  std::ofstream probe(folder_ / "probe");
  if (probe) GTEST_SKIP() << "running with rights that ignore folder permissions";
  EXPECT_EQ(common::SaveFileAtomically(PathOf("board.Lyt"), "x"), SaveResult::PermissionDenied);
}

// A missing file and an unreadable one get the reader's own texts, with
// different icons.
TEST_F(FileIoTest, LoadTellsMissingFromUnreadable) {
  std::string bytes = "untouched";
  EXPECT_EQ(common::LoadFile(PathOf("absent.Lyt"), bytes), common::LoadResult::NotFound);
  EXPECT_EQ(common::LoadFile(folder_.string(), bytes), common::LoadResult::Failed);
  auto problem = [&](const std::string& path) {
    auto found = common::LoadDocumentText(path, bytes, "absent", "illisible");
    return found ? found->Text + " " + std::to_string(static_cast<int>(found->Icon)) : "none";
  };
  const int exclamation = static_cast<int>(common::MessageIcon::Exclamation);
  const int critical = static_cast<int>(common::MessageIcon::Critical);
  EXPECT_EQ(problem(PathOf("absent.Lyt")), "absent " + std::to_string(exclamation));
  EXPECT_EQ(problem(folder_.string()), "illisible " + std::to_string(critical));
  ASSERT_EQ(common::SaveFileAtomically(PathOf("lu.Lyt"), "texte"), SaveResult::Ok);
  EXPECT_EQ(problem(PathOf("lu.Lyt")), "none");
  EXPECT_EQ(bytes, "texte");
}

}  // namespace
