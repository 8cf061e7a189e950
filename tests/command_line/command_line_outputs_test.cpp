// The built programs run for their outputs with no display, as a script
// runs them: what they write, what they say and how they exit.
#include "lyt/editor/board_editor.h"
#include "support/scripted_board_ui.h"
#include "support/test_files.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStringList>

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <tuple>

namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

struct Outcome {
  int Exit;  // -1 when the program did not end normally
  std::string Out, Err;
};

// In `folder`, without any display: a program that opened a window would fail.
Outcome RunProgram(const char* program, const QStringList& arguments, const fs::path& folder) {
  QProcess process;
  QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
  for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) environment.remove(name);
  process.setProcessEnvironment(environment);
  process.setWorkingDirectory(QString::fromStdString(folder.u8string()));
  process.start(program, arguments);
  process.waitForFinished(120000);
  return {process.exitStatus() == QProcess::NormalExit ? process.exitCode() : -1,
          process.readAllStandardOutput().toStdString(), process.readAllStandardError().toStdString()};
}

// The example documents in a folder of their own, with a damaged board and
// schematic, a plain file where a folder is expected, and a board whose
// silkscreen file cannot be written because a folder holds its name.
class CommandLineOutputs : public ::testing::Test {
 protected:
  CommandLineOutputs() {
    for (const char* name : {"clignotant.Lyt", "clignotant.Skt"})
      fs::copy_file(fs::path(LYTSKT_SOURCE_DIR) / "examples" / name, Here() / name);
    for (const char* name : {"abime.Lyt", "abime.Skt", "pas-un-dossier"})
      WriteBytes(folder.File(name), "PAS UN DOCUMENT\r\n");
    fs::create_directories(Here() / "bloque" / "clignotant-Serig.gbr");
    fs::copy_file(Here() / "clignotant.Lyt", Here() / "bloque" / "clignotant.Lyt");
  }
  const fs::path& Here() const { return folder.Path(); }

  testing_support::TempFolder folder;
};

// Every run ends with its code and says what it must: failures in the
// window's words, ending with 1; a wrong command line with 2, saying what is
// wrong (which wrong lines there are is the parser's test); help and version
// on the output, everything else on the error stream, the other stream
// silent, and a PDF made in silence. The PDF holds one A4 landscape page, as
// the print dialog prints it, with every option of the board taken; the
// Gerber and drill files are those the menu commands write, byte for byte.
TEST_F(CommandLineOutputs, RunsEndWithTheirCodesSayWhatTheyMustAndWriteWhatTheMenuWrites) {
  const std::tuple<const char*, QStringList, int, std::string> cases[] = {
      {LYT_PROGRAM, {"--gerber", "absent.Lyt"}, 1, "Fichier Introuvable!\n"},
      {LYT_PROGRAM, {"--drill", "abime.Lyt"}, 1, "Type de Fichier incorrect,\nlecture impossible !\n"},
      {SKT_PROGRAM, {"--pdf", "abime.Skt", "s.pdf"}, 1, "Type de Fichier incorrect,\nlecture impossible !\n"},
      {LYT_PROGRAM, {"--pdf", "clignotant.Lyt", "pas-un-dossier/c.pdf"}, 1,
       "Impossible d'écrire le fichier\npas-un-dossier/c.pdf\n"},
      {SKT_PROGRAM, {"--pdf", "clignotant.Skt", "pas-un-dossier/s.pdf"}, 1,
       "Impossible d'écrire le fichier\npas-un-dossier/s.pdf\n"},
      {LYT_PROGRAM, {"--gerber", "bloque/clignotant.Lyt"}, 1, "Impossible d'écrire le fichier\n"},
      {LYT_PROGRAM, {"--pdf", "clignotant.Lyt", "x.pdf", "--echelle", "4"}, 1, "échelle incorrecte !\n"},
      {SKT_PROGRAM, {"--drill", "clignotant.Skt"}, 2, "--drill"},
      {LYT_PROGRAM, {"--version"}, 0, "LYT Version 3.1\n"},
      {SKT_PROGRAM, {"--help"}, 0, "skt --pdf SCHEMA.Skt SORTIE.pdf"},
      {LYT_PROGRAM, {"--gerber", "clignotant.Lyt"}, 0, "Un fichier Gerber par couche a été créé."},
      {LYT_PROGRAM, {"--drill", "clignotant.Lyt"}, 0, "Le fichier de perçage a été créé"},
      {LYT_PROGRAM, {"--pdf", "clignotant.Lyt", "c.pdf"}, 0, ""},
      {LYT_PROGRAM, {"--pdf", "clignotant.Lyt", "n.pdf", "--layers", "soudure,percage", "--noir",
                     "--echelle", "2"}, 0, ""},
      {SKT_PROGRAM, {"--pdf", "clignotant.Skt", "s.pdf"}, 0, ""}};
  for (const auto& [program, arguments, code, said] : cases) {
    SCOPED_TRACE(arguments.join(' ').toStdString());
    const Outcome outcome = RunProgram(program, arguments, Here());
    const bool onOutput = arguments[0] == "--help" || arguments[0] == "--version";
    const std::string& told = onOutput ? outcome.Out : outcome.Err;
    EXPECT_EQ(outcome.Exit, code) << outcome.Err;
    EXPECT_TRUE(said.empty() ? told.empty() : told.find(said) != std::string::npos) << told;
    EXPECT_EQ(onOutput ? outcome.Err : outcome.Out, "");
    if (code != 0 || arguments[0] != "--pdf") continue;
    const std::string bytes = ReadBytes((Here() / arguments[2].toStdString()).u8string());
    for (const char* mark : {"/Count 1", "/MediaBox [0 0 842", " 595"})
      EXPECT_NE(bytes.find(mark), std::string::npos) << mark;
  }
  EXPECT_FALSE(fs::exists(Here() / "x.pdf"));

  fs::create_directories(Here() / "menu");
  fs::copy_file(Here() / "clignotant.Lyt", Here() / "menu" / "clignotant.Lyt");
  testing_support::ScriptedBoardUi ui;
  lyt::BoardEditor editor(ui, Here().u8string());
  editor.Start((Here() / "menu" / "clignotant.Lyt").u8string());
  editor.MnuGerber();
  editor.MnuExcellon();
  for (const char* name : {"clignotant-Composant.gbr", "clignotant-Soudure.gbr", "clignotant-Serig.gbr",
                           "clignotant.drl"}) {
    SCOPED_TRACE(name);
    const std::string menu = ReadBytes((Here() / "menu" / name).u8string());
    EXPECT_FALSE(menu.empty());
    EXPECT_EQ(ReadBytes((Here() / name).u8string()), menu);
  }
}

}  // namespace
