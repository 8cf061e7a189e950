// The built programs run for their outputs with no display, as a script
// runs them: what they write, what they say and how they exit.
#include "lyt/editor/board_editor.h"
#include "support/scripted_board_ui.h"
#include "support/test_files.h"

#include <QProcess>
#include <QProcessEnvironment>
#include <QStandardPaths>
#include <QStringList>

#include <gtest/gtest.h>

#include <filesystem>
#include <sstream>
#include <string>
#include <vector>

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
    WriteBytes(folder.File("abime.Lyt"), "PAS UN CIRCUIT\r\n");
    WriteBytes(folder.File("abime.Skt"), "PAS UN SCHEMA\r\n");
    WriteBytes(folder.File("pas-un-dossier"), "");
    fs::create_directories(Here() / "bloque" / "clignotant-Serig.gbr");
    fs::copy_file(Here() / "clignotant.Lyt", Here() / "bloque" / "clignotant.Lyt");
  }
  const fs::path& Here() const { return folder.Path(); }

  testing_support::TempFolder folder;
};

struct Refusal {
  const char* Program;
  QStringList Arguments;
  int Exit;
  std::string Said;  // on the error stream, or on the output for --help and --version
};

// Every failure is told in the window's words and ends with 1; a wrong
// command line ends with 2 and says what is wrong.
TEST_F(CommandLineOutputs, FailuresAreToldAndEndWithTheirCodes) {
  const Refusal cases[] = {
      {LYT_PROGRAM, {"--gerber", "absent.Lyt"}, 1, "Fichier Introuvable!\n"},
      {LYT_PROGRAM, {"--drill", "abime.Lyt"}, 1, "Type de Fichier incorrect,\nlecture impossible !\n"},
      {SKT_PROGRAM, {"--pdf", "abime.Skt", "s.pdf"}, 1, "Type de Fichier incorrect,\nlecture impossible !\n"},
      {LYT_PROGRAM, {"--pdf", "clignotant.Lyt", "pas-un-dossier/c.pdf"}, 1,
       "Impossible d'écrire le fichier\npas-un-dossier/c.pdf\n"},
      {SKT_PROGRAM, {"--pdf", "clignotant.Skt", "pas-un-dossier/s.pdf"}, 1,
       "Impossible d'écrire le fichier\npas-un-dossier/s.pdf\n"},
      {LYT_PROGRAM, {"--gerber", "bloque/clignotant.Lyt"}, 1, "Impossible d'écrire le fichier\n"},
      {LYT_PROGRAM, {"--pdf", "clignotant.Lyt", "c.pdf", "--echelle", "4"}, 1, "échelle incorrecte !\n"},
      {LYT_PROGRAM, {"--gerbr", "clignotant.Lyt"}, 2, "--gerbr"},
      {SKT_PROGRAM, {"--drill", "clignotant.Skt"}, 2, "--drill"},
      {LYT_PROGRAM, {"--version"}, 0, "LYT Version 3.1\n"},
      {SKT_PROGRAM, {"--help"}, 0, "skt --pdf SCHEMA.Skt SORTIE.pdf"}};
  for (const Refusal& c : cases) {
    SCOPED_TRACE(c.Arguments.join(' ').toStdString());
    const Outcome outcome = RunProgram(c.Program, c.Arguments, Here());
    EXPECT_EQ(outcome.Exit, c.Exit) << outcome.Err;
    EXPECT_NE((c.Exit == 0 ? outcome.Out : outcome.Err).find(c.Said), std::string::npos) << outcome.Err;
  }
  EXPECT_FALSE(fs::exists(Here() / "c.pdf"));
  EXPECT_FALSE(fs::exists(Here() / "bloque" / "clignotant.drl"));
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

// The inked pixels of the first page, rendered small without smoothing:
// how many, how many in colour, and their middle as a share of the page.
struct Ink {
  int Inked = 0, Coloured = 0;
  double MiddleX = 0, MiddleY = 0;
};

Ink InkOf(const fs::path& pdf) {
  const fs::path picture = pdf.parent_path() / "page";
  Ink ink;
  if (QProcess::execute("pdftoppm", {"-r", "20", "-aa", "no", "-aaVector", "no", "-singlefile",
                                     QString::fromStdString(pdf.u8string()),
                                     QString::fromStdString(picture.u8string())}) != 0)
    return ink;
  std::istringstream ppm(ReadBytes(picture.u8string() + ".ppm"));
  std::string magic;
  int width = 0, height = 0, maximum = 0;
  ppm >> magic >> width >> height >> maximum;
  ppm.get();
  int left = width, right = 0, top = height, bottom = 0;
  for (int y = 0; y < height; ++y) {
    for (int x = 0; x < width; ++x) {
      const int r = ppm.get(), g = ppm.get(), b = ppm.get();
      if (r == 255 && g == 255 && b == 255) continue;
      ++ink.Inked;
      ink.Coloured += r != g || g != b;
      left = std::min(left, x), right = std::max(right, x), top = std::min(top, y), bottom = std::max(bottom, y);
    }
  }
  ink.MiddleX = (left + right) / 2.0 / width;
  ink.MiddleY = (top + bottom) / 2.0 / height;
  return ink;
}

struct PdfCase {
  const char* Program;
  QStringList Arguments;
  bool Colour;
  bool Centred;  // the drawing in the middle of the page
};

// One A4 landscape page, drawn as the print dialog draws it: in colour or in
// black, a board printed twice its size centred on the page.
TEST_F(CommandLineOutputs, PdfFilesHoldOneLandscapeA4Page) {
  const PdfCase cases[] = {
      {LYT_PROGRAM, {"--pdf", "clignotant.Lyt", "c.pdf"}, true, false},
      {LYT_PROGRAM, {"--pdf", "clignotant.Lyt", "n.pdf", "--layers", "soudure,percage", "--noir", "--echelle", "2"},
       false, true},
      {SKT_PROGRAM, {"--pdf", "clignotant.Skt", "s.pdf"}, false, true}};
  const bool render = !QStandardPaths::findExecutable("pdftoppm").isEmpty();
  for (const PdfCase& c : cases) {
    SCOPED_TRACE(c.Arguments.join(' ').toStdString());
    const Outcome outcome = RunProgram(c.Program, c.Arguments, Here());
    ASSERT_EQ(outcome.Exit, 0) << outcome.Err;
    EXPECT_EQ(outcome.Err, "");
    const fs::path pdf = Here() / c.Arguments[2].toStdString();
    const std::string bytes = ReadBytes(pdf.u8string());
    EXPECT_NE(bytes.find("/Count 1"), std::string::npos);
    EXPECT_NE(bytes.find("/MediaBox [0 0 842"), std::string::npos);
    EXPECT_NE(bytes.find(" 595"), std::string::npos);
    if (!render) continue;
    const Ink ink = InkOf(pdf);
    EXPECT_GT(ink.Inked, 100);
    EXPECT_EQ(ink.Coloured > 0, c.Colour);
    if (!c.Centred) continue;
    EXPECT_NEAR(ink.MiddleX, 0.5, 0.05);
    EXPECT_NEAR(ink.MiddleY, 0.5, 0.05);
  }
  if (!render) GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed: pages not looked at";
}

}  // namespace
