// The board editor's outputs as the menus call them: Gerber and drill files
// beside the board, and the print command behind the print dialog.
#include "lyt/editor/board_editor.h"
#include "lyt/export/drill_writer.h"
#include "lyt/export/gerber_writer.h"
#include "support/board_test_support.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

namespace {

using namespace lyt;
using board_tests::Element;
using board_tests::ExpectOneMessage;
using common::MessageIcon;
using common::PrintOutcome;
using testing_support::ReadBytes;

const char* const kSaveFirst = "Vous devez sauvegarder votre circuit, auparavant!";
const char* const kGerberDone = "Un fichier Gerber par couche a été créé.";

std::string CannotWrite(const std::string& path) {
  return "Impossible d'écrire le fichier\r\n" + path;
}

// A track, a round pad and its hole.
std::vector<BoardElement> TrackAndPad() {
  return {Element(0, ElementKind::Track, BoardLayer::Component, 0.8f, 10, 20, 30, 20),
          Element(0, ElementKind::RoundPad, BoardLayer::Through, 0.8f, 10, 20),
          Element(0, ElementKind::Hole, BoardLayer::Through, 0.4f, 10, 20)};
}

class BoardOutputs : public board_tests::EditorTest {
 protected:
  BoardOutputs() { editor.Start(""); }

  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
      names.push_back(entry.path().filename().u8string());
    std::sort(names.begin(), names.end());
    return names;
  }
};

// Texts at a bad angle on two layers: told once for the whole export.
TEST_F(BoardOutputs, FilesAreWrittenBesideTheBoardAsTheWritersMakeThem) {
  std::vector<BoardElement> board = TrackAndPad();
  for (std::int32_t layer : {BoardLayer::Component, BoardLayer::Solder})
    board.push_back(Element(0, ElementKind::Text, layer, 2.0f, 10, 30, 0, 0, "A 1", 45));
  Doc().Elements = board;
  Doc().FileName = folder.File("essai.Lyt");
  editor.MnuGerber();
  editor.MnuExcellon();
  EXPECT_EQ(ui.MessageTexts(), (std::vector<std::string>{"Angle incorrect !", kGerberDone,
                                                         "Le fichier de perçage a été créé"}));
  EXPECT_EQ(Files(), (std::vector<std::string>{"essai-Composant.gbr", "essai-Serig.gbr",
                                               "essai-Soudure.gbr", "essai.drl"}));
  GerberProblems problems;
  for (std::int32_t layer : {BoardLayer::Component, BoardLayer::Solder, BoardLayer::Silkscreen})
    EXPECT_EQ(ReadBytes(GerberFileName(Doc().FileName, layer)),
              ExportGerberLayer(board, layer, problems));
  EXPECT_EQ(ReadBytes(folder.File("essai.drl")), *ExportDrill(board));
  EXPECT_FALSE(editor.IsModified()) << "the document is not changed";
}

// Each refusal shows one message and writes nothing; a file that cannot be
// written is named, with the exclamation icon.
TEST_F(BoardOutputs, RefusalsAndUnwritableFolderAreReported) {
  const BoardElement pad = Element(0, ElementKind::RoundPad, BoardLayer::Through, 0.8f, 1, 1);
  const struct {
    bool gerber;
    std::vector<BoardElement> board;
    std::string fileName, message;
  } cases[] = {
      {true, {}, "vide.Lyt", "Pas de circuit, donc, pas de fichier Gerber !"},
      {true, TrackAndPad(), "", kSaveFirst},
      {true, TrackAndPad(), "absent/essai.Lyt", CannotWrite(folder.File("absent/essai-Serig.gbr"))},
      {false, {pad}, "pastilles.Lyt",
       "Le circuit ne contient pas de trous,\r\ndonc, pas de fichier de perçage !"},
      {false, TrackAndPad(), "", kSaveFirst},
      {false, TrackAndPad(), "absent/essai.Lyt", CannotWrite(folder.File("absent/essai.drl"))}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.message);
    ui.Messages.clear();
    Doc().Elements = c.board;
    Doc().FileName = c.fileName.empty() ? "Sans Nom" : folder.File(c.fileName);
    c.gerber ? editor.MnuGerber() : editor.MnuExcellon();
    const bool unwritable = c.message.rfind("Impossible", 0) == 0;
    ExpectOneMessage(ui, c.message, unwritable ? MessageIcon::Exclamation : MessageIcon::None);
    EXPECT_TRUE(Files().empty());
  }
}

PrintChoice Ticked(const std::string& scale, bool component = true) {
  PrintChoice choice;
  choice.Printer = "Bureau";
  choice.Black = true;
  choice.Component = component;
  choice.Scale = scale;
  return choice;
}

// The print command with a scripted dialog and a 600 dpi printer.
class BoardPrint : public BoardOutputs {
 protected:
  BoardPrint() {
    editor.MnuZoomIn();  // away from the print zoom
    zoom = editor.View().Zoom;
    scale = editor.View().Scale;
    // A 25.4 mm component track: 600 dots long at scale 1.
    Doc().Elements.push_back(Element(0, ElementKind::Track, BoardLayer::Component, 0.3175f,
                                     25.4f, 25.4f, 50.8f, 25.4f));
    ui.Messages.clear();
  }
  void ExpectViewUntouched() {
    EXPECT_EQ(editor.View().Zoom, zoom);
    EXPECT_EQ(editor.View().Scale, scale);
  }
  void ExpectEchec() {
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Text, "Impossible d'accéder à l'imprimante!");
    EXPECT_EQ(ui.Messages[0].Title, "Echec");
    EXPECT_EQ(ui.Messages[0].Icon, MessageIcon::Information);
  }

  std::int32_t zoom = 0;
  double scale = 0.0;
};

// A refused choice opens no printer (nor PDF file) and leaves the dialog
// open; an accepted one sends a landscape page to the chosen printer, in
// monochrome for the black option, while the window's view keeps its zoom.
TEST_F(BoardPrint, ScaleAndLayersAreCheckedBeforeThePage) {
  const char* const badScale = "échelle incorrecte !";
  const struct {
    const char* scale;
    bool ticked;
    int length;  // of the track in printer dots
    const char* refusal;
  } cases[] = {{"3", true, 1800, nullptr},  {"1,5", true, 600, nullptr},
               {"0.5", true, 300, nullptr}, {"3.01", true, 0, badScale},
               {"abc", true, 0, badScale},  {"0", true, 0, badScale},
               {"-1", true, 0, badScale},
               {"1", false, 0, "Aucune couche n'est séléctionnée !! "}};
  int zoomWhilePrinting = 0;
  ui.WhilePrinting = [&] { zoomWhilePrinting = editor.View().Zoom; };  // as a repaint would
  for (const auto& c : cases) {
    SCOPED_TRACE(c.scale);
    ui.Messages.clear();
    ui.Printer.Drawing.clear();
    ui.PrintResults.clear();
    ui.PrintJobs.clear();
    ui.PrintChoices = {Ticked(c.scale, c.ticked)};
    editor.MnuImpression();
    EXPECT_EQ(ui.PrintResults, std::vector<bool>{c.refusal == nullptr});
    if (c.refusal) {
      ExpectOneMessage(ui, c.refusal, MessageIcon::None);
      EXPECT_TRUE(ui.PrintJobs.empty());
    } else {
      ASSERT_EQ(ui.PrintJobs.size(), 1u);
      EXPECT_EQ(ui.PrintJobs[0].Printer, "Bureau");
      EXPECT_TRUE(ui.PrintJobs[0].Landscape && !ui.PrintJobs[0].Colour);
      EXPECT_EQ(ui.PrintJobs[0].DocumentName, Doc().FileName);
      EXPECT_EQ(zoomWhilePrinting, zoom);
      ASSERT_EQ(ui.Printer.Lines().size(), 1u);
      EXPECT_EQ(ui.Printer.Lines()[0].X2 - ui.Printer.Lines()[0].X1, c.length);
    }
    ExpectViewUntouched();
  }
  EXPECT_EQ(ui.Beeps, 8);
}

// "Echec" for a printer that cannot be opened, for its page or its
// set-up; nothing when the user gives up the PDF file name.
TEST_F(BoardPrint, PrinterThatCannotBeOpenedIsToldAndAGivenUpPdfIsNot) {
  ui.PropertiesClicks = {"Bureau"};
  ui.PageOutcomes = {PrintOutcome::Cancelled, PrintOutcome::Failed};
  ui.PrintChoices = {Ticked("1"), Ticked("1"), Ticked("1")};
  editor.MnuImpression();
  EXPECT_EQ(ui.PrintResults, (std::vector<bool>{false, false, true}));
  ExpectEchec();
  ExpectViewUntouched();
  ui.Messages.clear();
  ui.PrinterOpens = false;
  ui.PropertiesClicks = {"Disparue"};
  editor.MnuImpression();
  EXPECT_EQ(ui.PropertiesShown, (std::vector<std::string>{"Bureau", "Disparue"}));
  ExpectEchec();
}

}  // namespace
