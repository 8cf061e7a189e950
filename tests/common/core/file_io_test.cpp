#include "common/core/file_io.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>

namespace fs = std::filesystem;

namespace {

class FileIoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    folder_ = fs::temp_directory_path() /
              ("lytskt-fileio-" + std::to_string(std::random_device{}()));
    fs::create_directories(folder_);
  }
  void TearDown() override {
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
  ASSERT_EQ(common::SaveFileAtomically(path, "first"), common::SaveResult::Ok);
  ASSERT_EQ(common::SaveFileAtomically(path, std::string("a\0b\r\n", 5)), common::SaveResult::Ok);
  EXPECT_EQ(Read(path), std::string("a\0b\r\n", 5));
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);
}

TEST_F(FileIoTest, ReadOnlyTargetIsReportedAndKept) {
  std::string path = PathOf("locked.Lyt");
  ASSERT_EQ(common::SaveFileAtomically(path, "old"), common::SaveResult::Ok);
  fs::permissions(path, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
  EXPECT_EQ(common::SaveFileAtomically(path, "new"), common::SaveResult::PermissionDenied);
  EXPECT_EQ(Read(path), "old");
}

TEST_F(FileIoTest, ReadOnlyFolderIsPermissionDenied) {
  fs::permissions(folder_, fs::perms::owner_read | fs::perms::owner_exec);
  std::ofstream probe(folder_ / "probe");
  if (probe) GTEST_SKIP() << "running with rights that ignore folder permissions";
  EXPECT_EQ(common::SaveFileAtomically(PathOf("board.Lyt"), "x"),
            common::SaveResult::PermissionDenied);
}

TEST_F(FileIoTest, MissingFolderOrAFolderInTheWayFails) {
  EXPECT_EQ(common::SaveFileAtomically(PathOf("nowhere/board.Lyt"), "x"), common::SaveResult::Failed);
  EXPECT_FALSE(fs::exists(folder_ / "nowhere"));
  fs::create_directories(folder_ / "dir.Lyt");
  EXPECT_EQ(common::SaveFileAtomically(PathOf("dir.Lyt"), "x"), common::SaveResult::Failed);
  EXPECT_TRUE(fs::is_directory(folder_ / "dir.Lyt"));
}

TEST_F(FileIoTest, LoadTellsMissingFromUnreadable) {
  std::string bytes = "untouched";
  EXPECT_EQ(common::LoadFile(PathOf("absent.Lyt"), bytes), common::LoadResult::NotFound);
  EXPECT_EQ(common::LoadFile(folder_.string(), bytes), common::LoadResult::Failed);
}

}  // namespace
