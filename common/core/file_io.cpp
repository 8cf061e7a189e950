#include "common/core/file_io.h"

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

namespace common {
namespace fs = std::filesystem;
namespace {

fs::path ToPath(const std::string& utf8) { return fs::u8path(utf8); }

bool IsWriteProtected(const fs::path& target) {
  std::error_code error;
  fs::file_status status = fs::status(target, error);
  if (error || !fs::exists(status)) return false;
  return (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

bool IsPermissionError(int error) {
  return error == EACCES || error == EPERM
#ifdef EROFS
         || error == EROFS
#endif
      ;
}

fs::path TemporaryBeside(const fs::path& target) {
  fs::path temporary = target;
  temporary += ".~sav";
  return temporary;
}

}  // namespace

SaveResult SaveFileAtomically(const std::string& path, const std::string& bytes) {
  const fs::path target = ToPath(path);
  if (IsWriteProtected(target)) return SaveResult::PermissionDenied;
  std::error_code error;
  if (fs::is_directory(target, error)) return SaveResult::Failed;

  const fs::path temporary = TemporaryBeside(target);
  errno = 0;
  std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
  if (!out) return IsPermissionError(errno) ? SaveResult::PermissionDenied : SaveResult::Failed;
  out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  out.flush();
  bool written = static_cast<bool>(out);
  out.close();
  if (!written || out.fail()) {
    fs::remove(temporary, error);
    return SaveResult::Failed;
  }
  fs::rename(temporary, target, error);
  if (error) {
    fs::remove(temporary, error);
    return SaveResult::Failed;
  }
  return SaveResult::Ok;
}

LoadResult LoadFile(const std::string& path, std::string& bytes) {
  const fs::path source = ToPath(path);
  std::error_code error;
  if (!fs::exists(source, error)) return LoadResult::NotFound;
  if (fs::is_directory(source, error)) return LoadResult::Failed;
  std::ifstream in(source, std::ios::binary);
  if (!in) return LoadResult::Failed;
  bytes.assign(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return LoadResult::Failed;
  return LoadResult::Ok;
}

}  // namespace common
