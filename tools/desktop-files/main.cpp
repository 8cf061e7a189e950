// Writes what a system-wide installation of lyt and skt gives the desktop:
// each program's icon beside it, and the desktop entries and MIME packages
// that associate the documents with it, for programs installed in
// PROGRAM_FOLDER.
//   desktop-files ICON_FOLDER PROGRAM_FOLDER DATA_FOLDER
// ICON_FOLDER is where the icons are written now (the staging copy of
// PROGRAM_FOLDER), DATA_FOLDER the share folder receiving applications/ and
// mime/packages/.
#include "common/ui/file_type_registration.h"
#include "common/ui/tool_icons.h"

#include <QDir>
#include <QGuiApplication>

#include <cstdio>

int main(int argc, char** argv) {
  if (argc != 4) {
    std::fprintf(stderr, "usage: %s ICON_FOLDER PROGRAM_FOLDER DATA_FOLDER\n", argv[0]);
    return 2;
  }
  qputenv("QT_QPA_PLATFORM", "offscreen");
  QGuiApplication app(argc, argv);
  const QString iconFolder = QString::fromLocal8Bit(argv[1]);
  const QString programFolder = QString::fromLocal8Bit(argv[2]);
  qputenv("XDG_DATA_HOME", QByteArray(argv[3]));
  bool written = QDir().mkpath(iconFolder);
  for (const auto& [program, types] : {std::pair{common::Program::Lyt, common::LytFileTypes(programFolder)},
                                       std::pair{common::Program::Skt, common::SktFileTypes(programFolder)}}) {
    written = common::ProgramIconImage(program, 256).save(iconFolder + "/" + types.IconFile) && written;
    common::RegisterFileTypes(types, {});  // the installer updates the databases
  }
  return written ? 0 : 1;
}
