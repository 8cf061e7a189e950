#pragma once

#include <string>

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

enum class LoadResult { Ok, NotFound, Failed };

// Reads a whole file (paths are UTF-8).
LoadResult LoadFile(const std::string& path, std::string& bytes);

}  // namespace common
