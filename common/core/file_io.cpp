#include "common/core/file_io.h"

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <system_error>

#ifdef _WIN32
#include <io.h>
#else
#include <fcntl.h>
#include <unistd.h>
#endif

namespace common {
namespace fs = std::filesystem;
namespace {

fs::path ToPath(const std::string& utf8) { return fs::u8path(utf8); }

bool IsPermissionError(int error) {
  return error == EACCES || error == EPERM
#ifdef EROFS
         || error == EROFS
#endif
      ;
}

SaveResult FailureOf(int error) {
  return IsPermissionError(error) ? SaveResult::PermissionDenied : SaveResult::Failed;
}

SaveResult FailureOf(const std::error_code& error) { return FailureOf(error.value()); }

bool IsWriteProtected(const fs::path& target) {
  std::error_code error;
  fs::file_status status = fs::status(target, error);
  if (error || !fs::exists(status)) return false;
  return (status.permissions() & fs::perms::owner_write) == fs::perms::none;
}

// Saving through a symbolic link writes the file it points to, so that the
// link stays a link and its target gets the edits.
fs::path ResolvedTarget(const fs::path& path) {
  fs::path target = path;
  std::error_code error;
  for (int hops = 0; hops < 40 && fs::is_symlink(fs::symlink_status(target, error)); ++hops) {
    const fs::path next = fs::read_symlink(target, error);
    if (error) break;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return target;
}

// A file of its own beside the target, made with exclusive creation so that
// no file of the user's is ever taken over.
std::FILE* CreateTemporaryBeside(const fs::path& target, fs::path& temporary, int& error) {
  std::random_device seed;
  std::mt19937 random(seed());
  for (int attempt = 0; attempt < 100; ++attempt) {
    temporary = target.parent_path() /
                fs::u8path("." + target.filename().u8string() + "." + std::to_string(random()) + ".tmp");
    errno = 0;
    if (std::FILE* file = std::fopen(temporary.string().c_str(), "wbx")) return file;
    error = errno;
    if (error != EEXIST) return nullptr;
  }
  return nullptr;
}

// Data on the disk before the rename, so a crash cannot leave an empty file
// in place of the old one.
bool FlushToDisk(std::FILE* file) {
  if (std::fflush(file) != 0) return false;
#ifdef _WIN32
  return _commit(_fileno(file)) == 0;
#else
  return fsync(fileno(file)) == 0;
#endif
}

// The rename itself on the disk too; failing this is not worth a message.
void SyncFolder(const fs::path& folder) {
#ifndef _WIN32
  const int descriptor = open(folder.empty() ? "." : folder.string().c_str(), O_RDONLY);
  if (descriptor < 0) return;
  fsync(descriptor);
  close(descriptor);
#else
  (void)folder;
#endif
}

// The saved file keeps the old file's permissions (a private file stays
// private); a new file gets the usual ones.
void KeepPermissions(const fs::path& from, const fs::path& to) {
  std::error_code error;
  const fs::file_status status = fs::status(from, error);
  if (!error && fs::exists(status)) fs::permissions(to, status.permissions(), error);
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(const std::string& path) : target_(ResolvedTarget(ToPath(path))) {
  std::error_code error;
  if (IsWriteProtected(target_)) {
    result_ = SaveResult::PermissionDenied;
  } else if (fs::is_directory(target_, error)) {
    result_ = SaveResult::Failed;
  } else {
    file_ = CreateTemporaryBeside(target_, temporary_, error_);
    if (!file_) result_ = FailureOf(error_);
  }
}

AtomicFileWriter::~AtomicFileWriter() { Discard(); }

void AtomicFileWriter::Discard() {
  if (file_) std::fclose(file_);
  file_ = nullptr;
  std::error_code error;
  if (!temporary_.empty()) fs::remove(temporary_, error);
  temporary_.clear();
}

bool AtomicFileWriter::Write(std::string_view bytes) {
  if (result_ != SaveResult::Ok) return false;
  errno = 0;
  if (std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size()) return true;
  result_ = FailureOf(errno);
  return false;
}

SaveResult AtomicFileWriter::Commit() {
  if (result_ != SaveResult::Ok) {
    Discard();
    return result_;
  }
  errno = 0;
  const bool synced = FlushToDisk(file_);
  const int syncError = errno;
  const bool closed = std::fclose(file_) == 0;
  file_ = nullptr;
  if (!synced || !closed) {
    Discard();
    return result_ = FailureOf(syncError);
  }
  KeepPermissions(target_, temporary_);
  std::error_code error;
  fs::rename(temporary_, target_, error);
  if (error) {
    result_ = FailureOf(error);
    Discard();
    return result_;
  }
  temporary_.clear();
  SyncFolder(target_.parent_path());
  return SaveResult::Ok;
}

SaveResult SaveFileAtomically(const std::string& path, const std::string& bytes) {
  AtomicFileWriter writer(path);
  writer.Write(bytes);
  return writer.Commit();
}

LoadResult LoadFile(const std::string& path, std::string& bytes) {
  const fs::path source = ToPath(path);
  std::error_code error;
  if (!fs::exists(source, error)) return LoadResult::NotFound;
  if (fs::is_directory(source, error)) return LoadResult::Failed;
  std::ifstream in(source, std::ios::binary);
  if (!in) return LoadResult::Failed;
  // The whole file in one read, then whatever it grew by since its size
  // was taken.
  const std::uintmax_t size = fs::file_size(source, error);
  bytes.resize(error ? 0 : static_cast<std::size_t>(size));
  in.read(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  bytes.resize(static_cast<std::size_t>(in.gcount()));
  if (in) bytes.append(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
  if (in.bad()) return LoadResult::Failed;
  return LoadResult::Ok;
}

}  // namespace common
