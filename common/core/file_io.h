#pragma once

#include <cstdio>
#include <filesystem>
#include <string>
#include <string_view>

namespace common {

enum class SaveResult {
  Ok,
  PermissionDenied,  // a write-protected file, folder or disk
  Failed,            // any other error: missing folder, full disk...
};

// Writes `bytes` to a new temporary file beside `path` (beside the file a
// symbolic link points to), puts it on the disk, then replaces the old file
// with it, keeping the old file's permissions. On any failure the previous
// file is left as it was. A hard link to the old file keeps the old
// contents: the saved file is a new one.
SaveResult SaveFileAtomically(const std::string& path, const std::string& bytes);

// The same save for a file written piece by piece as it is produced, so that
// a large output never sits whole in memory. Nothing replaces the old file
// until Commit; a writer dropped before it leaves the old file as it was.
class AtomicFileWriter {
 public:
  explicit AtomicFileWriter(const std::string& path);
  ~AtomicFileWriter();
  AtomicFileWriter(const AtomicFileWriter&) = delete;
  AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;

  // False once anything failed; later writes are then ignored.
  bool Write(std::string_view bytes);
  SaveResult Commit();

 private:
  void Discard();

  std::filesystem::path target_;
  std::filesystem::path temporary_;
  std::FILE* file_ = nullptr;
  SaveResult result_ = SaveResult::Ok;
  int error_ = 0;
};

enum class LoadResult { Ok, NotFound, Failed };

// Reads a whole file (paths are UTF-8).
LoadResult LoadFile(const std::string& path, std::string& bytes);

}  // namespace common
