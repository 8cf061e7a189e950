#include "common/core/file_problem.h"

namespace common {

FileProblem UnreadableFile(const char* text) { return {text, MessageIcon::Critical}; }

std::optional<FileProblem> LoadDocumentText(const std::string& path, std::string& contents,
                                            const char* notFoundText, const char* unreadableText) {
  switch (LoadFile(path, contents)) {
    case LoadResult::Ok:
      return std::nullopt;
    case LoadResult::NotFound:
      return FileProblem{notFoundText, MessageIcon::Exclamation};
    case LoadResult::Failed:
      break;
  }
  return UnreadableFile(unreadableText);
}

FileProblem CannotWrite(const std::string& path) {
  return FileProblem{std::string(CannotWriteText) + "\r\n" + path, MessageIcon::Exclamation};
}

std::optional<FileProblem> SaveProblem(SaveResult result, const std::string& path) {
  if (result == SaveResult::Ok) return std::nullopt;
  if (result == SaveResult::PermissionDenied)
    return FileProblem{WriteProtectedText, MessageIcon::Exclamation};
  return CannotWrite(path);
}

}  // namespace common
