#pragma once

#include <QString>
#include <QStringList>

#include <functional>

namespace common {

// One of the two document types of a program.
struct DocumentType {
  QString Extension;    // ".Lyt"
  QString MimeType;     // "application/x-lytplan-board"
  QString Description;  // "Circuit Imprimé"
};

// What a program registers with the system so that its documents open in it.
struct FileTypes {
  QString ClassName;       // "LYT": the class both extensions point at
  QString ExtensionValue;  // "Lyt": how the extension keys name that class
  QString ProgramTitle;    // "Lytplan"
  QString ProgramComment;  // one line describing the program
  DocumentType Document;   // ".Lyt"
  DocumentType Library;    // ".Emp"
  QString ProgramFolder;   // the folder of the running program, no trailing separator
  QString ExecutableName;  // "lyt" ("lyt.exe" on Windows)
  QString IconFile;        // "lyt.png" ("lyt.ico" on Windows), beside the program
};

FileTypes LytFileTypes(const QString& programFolder);
FileTypes SktFileTypes(const QString& programFolder);

// Starts a helper program without waiting for it; false when it cannot start.
using DetachedStarter = std::function<bool(const QString& program, const QStringList& arguments)>;
bool StartDetached(const QString& program, const QStringList& arguments);

// Associates the two document extensions with the program for the current
// user. Any failure (unwritable folders, missing helpers) is ignored: the
// program works without the association. On Linux, `start` runs the
// database updaters.
void RegisterFileTypes(const FileTypes& types, const DetachedStarter& start = StartDetached);

}  // namespace common
