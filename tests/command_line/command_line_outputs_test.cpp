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
#include <utility>

namespace {

namespace fs = std::filesystem;
using testing_support::ReadBytes;
using testing_support::WriteBytes;

struct Outcome {
  int Exit = -1;
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
  Outcome outcome;
  if (process.exitStatus() == QProcess::NormalExit) outcome.Exit = process.exitCode();
  outcome.Out = process.readAllStandardOutput().toStdString();
  outcome.Err = process.readAllStandardError().toStdString();
  return outcome;
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

// Every failure is told in the window's words and ends with 1; a wrong
// command line ends with 2 and says what is wrong (which wrong lines there
// are is the parser's test). What is said is on the error stream, or on the
// output for --help and --version.
TEST_F(CommandLineOutputs, FailuresAreToldAndEndWithTheirCodes) {
  const std::tuple<const char*, QStringList, int, std::string> cases[] = {
      {LYT_PROGRAM, {"--gerber", "absent.Lyt"}, 1, "Fichier Introuvable!\n"},
      {LYT_PROGRAM, {"--drill", "abime.Lyt"}, 1, "Type de Fichier incorrect,\nlecture impossible !\n"},
      {SKT_PROGRAM, {"--pdf", "abime.Skt", "s.pdf"}, 1, "Type de Fichier incorrect,\nlecture impossible !\n"},
      {LYT_PROGRAM, {"--pdf", "clignotant.Lyt", "pas-un-dossier/c.pdf"}, 1,
       "Impossible d'écrire le fichier\npas-un-dossier/c.pdf\n"},
      {SKT_PROGRAM, {"--pdf", "clignotant.Skt", "pas-un-dossier/s.pdf"}, 1,
       "Impossible d'écrire le fichier\npas-un-dossier/s.pdf\n"},
      {LYT_PROGRAM, {"--gerber", "bloque/clignotant.Lyt"}, 1, "Impossible d'écrire le fichier\n"},
      {LYT_PROGRAM, {"--pdf", "clignotant.Lyt", "c.pdf", "--echelle", "4"}, 1, "échelle incorrecte !\n"},
      {SKT_PROGRAM, {"--drill", "clignotant.Skt"}, 2, "--drill"},
      {LYT_PROGRAM, {"--version"}, 0, "LYT Version 3.1\n"},
      {SKT_PROGRAM, {"--help"}, 0, "skt --pdf SCHEMA.Skt SORTIE.pdf"}};
  for (const auto& [program, arguments, code, said] : cases) {
    SCOPED_TRACE(arguments.join(' ').toStdString());
    const Outcome outcome = RunProgram(program, arguments, Here());
    EXPECT_EQ(outcome.Exit, code) << outcome.Err;
    EXPECT_NE((code == 0 ? outcome.Out : outcome.Err).find(said), std::string::npos) << outcome.Err;
  }
  EXPECT_FALSE(fs::exists(Here() / "c.pdf"));
}

// The Gerber and drill files are those the menu commands write, byte for byte.
TEST_F(CommandLineOutputs, GerberAndDrillFilesAreThoseOfTheMenu) {
  fs::create_directories(Here() / "menu");
  fs::copy_file(Here() / "clignotant.Lyt", Here() / "menu" / "clignotant.Lyt");
  testing_support::ScriptedBoardUi ui;
  lyt::BoardEditor editor(ui, Here().u8string());
  editor.Start((Here() / "menu" / "clignotant.Lyt").u8string());
  editor.MnuGerber();
  editor.MnuExcellon();

  const Outcome gerber = RunProgram(LYT_PROGRAM, {"--gerber", "clignotant.Lyt"}, Here());
  EXPECT_EQ(gerber.Exit, 0) << gerber.Err;
  EXPECT_EQ(gerber.Err, "Un fichier Gerber par couche a été créé.\n");
  EXPECT_EQ(RunProgram(LYT_PROGRAM, {"--drill", "clignotant.Lyt"}, Here()).Exit, 0);
  for (const char* name : {"clignotant-Composant.gbr", "clignotant-Soudure.gbr", "clignotant-Serig.gbr",
                           "clignotant.drl"}) {
    SCOPED_TRACE(name);
    const std::string menu = ReadBytes((Here() / "menu" / name).u8string());
    EXPECT_FALSE(menu.empty());
    EXPECT_EQ(ReadBytes((Here() / name).u8string()), menu);
  }
}

// One A4 landscape page, as the print dialog prints it, with every option
// of the board taken, and no word on the error stream.
TEST_F(CommandLineOutputs, PdfFilesHoldOneLandscapeA4Page) {
  const std::pair<const char*, QStringList> cases[] = {
      {LYT_PROGRAM, {"--pdf", "clignotant.Lyt", "c.pdf"}},
      {LYT_PROGRAM, {"--pdf", "clignotant.Lyt", "n.pdf", "--layers", "soudure,percage", "--noir", "--echelle", "2"}},
      {SKT_PROGRAM, {"--pdf", "clignotant.Skt", "s.pdf"}}};
  for (const auto& [program, arguments] : cases) {
    SCOPED_TRACE(arguments.join(' ').toStdString());
    const Outcome outcome = RunProgram(program, arguments, Here());
    EXPECT_EQ(std::make_pair(outcome.Exit, outcome.Err), std::make_pair(0, std::string()));
    const std::string bytes = ReadBytes((Here() / arguments[2].toStdString()).u8string());
    for (const char* mark : {"/Count 1", "/MediaBox [0 0 842", " 595"})
      EXPECT_NE(bytes.find(mark), std::string::npos) << mark;
  }
}

}  // namespace
