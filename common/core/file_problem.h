#pragma once

#include "common/core/file_io.h"
#include "common/core/message_icon.h"

#include <optional>
#include <string>

namespace common {

// What a document reader or writer could not do, for the editor to tell the
// user: the text of an OK-only message box and its icon. The routines below
// the editor return it instead of showing it.
struct FileProblem {
  std::string Text;
  MessageIcon Icon = MessageIcon::None;
};

// The messages of both programs' document files.
inline constexpr const char* FileNotFoundText = "Fichier Introuvable!";
inline constexpr const char* WrongFileTypeText = "Type de Fichier incorrect,\r\nlecture impossible !";
inline constexpr const char* WriteProtectedText =
    "Disquette protégée en écriture, \r\nEnregistrement impossible !";

// A file that is there but cannot be read, or not read whole.
FileProblem UnreadableFile(const char* text);

// Reads a whole document file: nothing when it was read, else `notFoundText`
// with the exclamation icon for a missing file, `unreadableText` with the
// critical icon for any other failure.
std::optional<FileProblem> LoadDocumentText(const std::string& path, std::string& contents,
                                            const char* notFoundText, const char* unreadableText);

inline constexpr const char* CannotWriteText = "Impossible d'écrire le fichier";

// The file could not be written for another reason than a refused
// permission (a full disk, a missing folder...): the text names the file.
FileProblem CannotWrite(const std::string& path);

// What the user is told after an atomic save of `path`: nothing when it was
// saved, the write-protection message for a refused permission, otherwise
// CannotWrite.
std::optional<FileProblem> SaveProblem(SaveResult result, const std::string& path);

}  // namespace common
