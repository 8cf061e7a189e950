#pragma once

#include <string>

namespace common {

enum class SaveResult {
  Ok,
  PermissionDenied,  // a write-protected file, folder or disk
  Failed,            // any other error: missing folder, full disk...
};

// Writes `bytes` to a temporary file beside `path`, then replaces `path` with
// it; on any failure the previous file is left as it was.
SaveResult SaveFileAtomically(const std::string& path, const std::string& bytes);

enum class LoadResult { Ok, NotFound, Failed };

// Reads a whole file (paths are UTF-8).
LoadResult LoadFile(const std::string& path, std::string& bytes);

}  // namespace common
