// The board editor's outputs as the menus call them: Gerber and drill files
// beside the board, and the print command behind the print dialog.
#include "lyt/export/drill_writer.h"
#include "lyt/export/gerber_writer.h"
#include "support/board_test_support.h"

#include <filesystem>

namespace {

using namespace lyt;
using board_tests::Element;
using board_tests::ExpectOneMessage;
using common::MessageIcon;
using Strings = std::vector<std::string>;

const char* const kSaveFirst = "Vous devez sauvegarder votre circuit, auparavant!";

// A track, a round pad and its hole.
const std::vector<BoardElement> kTrackAndPad = {
    Element(0, ElementKind::Track, BoardLayer::Component, 0.8f, 10, 20, 30, 20),
    Element(0, ElementKind::RoundPad, BoardLayer::Through, 0.8f, 10, 20),
    Element(0, ElementKind::Hole, BoardLayer::Through, 0.4f, 10, 20)};

class BoardOutputs : public board_tests::EditorTest {
 protected:
  BoardOutputs() { editor.Start(""); }
};

// Texts at a bad angle on two layers: told once for the whole export.
TEST_F(BoardOutputs, FilesAreWrittenBesideTheBoardAsTheWritersMakeThem) {
  std::vector<BoardElement> board = kTrackAndPad;
  for (std::int32_t layer : {BoardLayer::Component, BoardLayer::Solder})
    board.push_back(Element(0, ElementKind::Text, layer, 2.0f, 10, 30, 0, 0, "A 1", 45));
  Doc().Elements = board;
  Doc().FileName = folder.File("essai.Lyt");
  editor.MnuGerber();
  editor.MnuExcellon();
  EXPECT_EQ(ui.MessageTexts(), (Strings{"Angle incorrect !", "Un fichier Gerber par couche a été créé.",
                                        "Le fichier de perçage a été créé"}));
  GerberProblems problems;
  const char* const names[] = {"essai-Composant.gbr", "essai-Soudure.gbr", "essai-Serig.gbr"};
  for (std::int32_t layer : {BoardLayer::Component, BoardLayer::Solder, BoardLayer::Silkscreen})
    EXPECT_EQ(board_tests::ReadBytes(folder.File(names[layer])),
              ExportGerberLayer(board, layer, problems));
  EXPECT_EQ(board_tests::ReadBytes(folder.File("essai.drl")), *ExportDrill(board));
  EXPECT_FALSE(editor.IsModified()) << "the document is not changed";
}

// Each refusal shows one message and writes nothing; a file that cannot be
// written is named, with the exclamation icon.
TEST_F(BoardOutputs, RefusalsAndUnwritableFolderAreReported) {
  const std::string cannotWrite = "Impossible d'écrire le fichier\r\n";
  const std::tuple<bool, std::vector<BoardElement>, std::string, std::string> cases[] = {
      {true, {}, "vide.Lyt", "Pas de circuit, donc, pas de fichier Gerber !"},
      {true, kTrackAndPad, "", kSaveFirst},
      {true, kTrackAndPad, "absent/essai.Lyt", cannotWrite + folder.File("absent/essai-Serig.gbr")},
      {false, {kTrackAndPad[1]}, "pastilles.Lyt",
       "Le circuit ne contient pas de trous,\r\ndonc, pas de fichier de perçage !"},
      {false, kTrackAndPad, "", kSaveFirst},
      {false, kTrackAndPad, "absent/essai.Lyt", cannotWrite + folder.File("absent/essai.drl")}};
  for (const auto& [gerber, board, fileName, message] : cases) {
    SCOPED_TRACE(message);
    ui.Messages.clear();
    Doc().Elements = board;
    Doc().FileName = fileName.empty() ? "Sans Nom" : folder.File(fileName);
    gerber ? editor.MnuGerber() : editor.MnuExcellon();
    ExpectOneMessage(ui, message, message.rfind(cannotWrite, 0) == 0 ? MessageIcon::Exclamation : MessageIcon::None);
    EXPECT_TRUE(std::filesystem::is_empty(folder.Path()));
  }
}

// Black, the component side alone or nothing.
PrintChoice Ticked(const std::string& scale, bool component = true) {
  return {"Bureau", true, component, false, false, false, scale};
}

// The print command with a scripted dialog and a 600 dpi printer; whatever
// happens, the window's view keeps its zoom and scale.
class BoardPrint : public BoardOutputs {
 protected:
  BoardPrint() {
    editor.MnuZoomIn();  // away from the print zoom
    view = View();
    // A 25.4 mm component track: 600 dots long at scale 1.
    Doc().Elements.push_back(Element(0, ElementKind::Track, BoardLayer::Component, 0.3175f,
                                     25.4f, 25.4f, 50.8f, 25.4f));
    ui.Messages.clear();
  }
  std::pair<std::int32_t, double> View() const { return {editor.View().Zoom, editor.View().Scale}; }
  void ExpectEchec() {
    ASSERT_EQ(ui.Messages.size(), 1u);
    const auto& m = ui.Messages[0];
    EXPECT_EQ(std::make_tuple(m.Text, m.Title, m.Icon, View()),
              std::make_tuple("Impossible d'accéder à l'imprimante!", "Echec", MessageIcon::Information, view));
  }

  std::pair<std::int32_t, double> view;
};

// A refused choice opens no printer (nor PDF file) and leaves the dialog
// open; an accepted one sends a landscape page to the chosen printer, in
// monochrome for the black option, at the print zoom.
TEST_F(BoardPrint, ScaleAndLayersAreCheckedBeforeThePage) {
  const char* const badScale = "échelle incorrecte !";
  // The scale, whether a layer is ticked, the length of the track in printer dots, the refusal.
  const std::tuple<const char*, bool, int, const char*> cases[] = {
      {"3", true, 1800, nullptr}, {"1,5", true, 600, nullptr}, {"0.5", true, 300, nullptr}, {"3.01", true, 0, badScale},
      {"abc", true, 0, badScale}, {"0", true, 0, badScale}, {"-1", true, 0, badScale},
      {"1", false, 0, "Aucune couche n'est séléctionnée !! "}};
  std::pair<std::int32_t, double> viewWhilePrinting;
  ui.WhilePrinting = [&] { viewWhilePrinting = View(); };  // as a repaint would
  for (const auto& [scale, ticked, length, refusal] : cases) {
    SCOPED_TRACE(scale);
    ui.Messages.clear(), ui.PrintResults.clear(), ui.PrintJobs.clear();
    ui.PrintChoices = {Ticked(scale, ticked)};
    editor.MnuImpression();
    EXPECT_EQ(std::make_pair(ui.PrintResults, View()), std::make_pair(std::vector<bool>{refusal == nullptr}, view));
    if (refusal) {
      ExpectOneMessage(ui, refusal, MessageIcon::None);
      EXPECT_TRUE(ui.PrintJobs.empty());
      continue;
    }
    ASSERT_EQ(ui.PrintJobs.size(), 1u);
    const common::PrintJob& job = ui.PrintJobs[0];
    EXPECT_EQ(std::make_tuple(job.Printer, job.Landscape, job.Colour, job.DocumentName, viewWhilePrinting),
              std::make_tuple("Bureau", true, false, Doc().FileName, view));
    ASSERT_EQ(ui.Printer.Lines().size(), 1u);
    EXPECT_EQ(ui.Printer.Lines()[0].X2 - ui.Printer.Lines()[0].X1, length);
  }
  EXPECT_EQ(ui.Beeps, 8);
}

// "Echec" for a printer that cannot be opened, for its page or its
// set-up; nothing when the user gives up the PDF file name.
TEST_F(BoardPrint, PrinterThatCannotBeOpenedIsToldAndAGivenUpPdfIsNot) {
  ui.PropertiesClicks = {"Bureau"};
  ui.PageOutcomes = {common::PrintOutcome::Cancelled, common::PrintOutcome::Failed};
  ui.PrintChoices = {Ticked("1"), Ticked("1"), Ticked("1")};
  editor.MnuImpression();
  EXPECT_EQ(ui.PrintResults, (std::vector<bool>{false, false, true}));
  ExpectEchec();
  ui.Messages.clear();
  ui.PrinterOpens = false;
  ui.PropertiesClicks = {"Disparue"};
  editor.MnuImpression();
  EXPECT_EQ(ui.PropertiesShown, (Strings{"Bureau", "Disparue"}));
  ExpectEchec();
}

}  // namespace
