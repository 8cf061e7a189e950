// The board editor's files as the menus handle them, with a scripted user
// answering: New, Open, Save, Save As, Quit and the grid-step dialog; the
// Gerber and drill files beside the board, and the print command behind the
// print dialog.
#include "lyt/core/board_file.h"
#include "lyt/export/drill_writer.h"
#include "lyt/export/gerber_writer.h"
#include "support/board_test_support.h"

#include <filesystem>
#include <limits>
#include <map>

namespace {

using common::FileChoice;
using common::MessageAnswer;
using common::MessageIcon;
using namespace lyt;
using board_tests::Element;
using board_tests::ExpectOneMessage;
using board_tests::ReadBytes;
using Strings = std::vector<std::string>;

// The file menu's commands and the grid-step dialog, with a scripted user
// answering.
class BoardEditorShell : public board_tests::EditorTest {
 protected:
  // An edited document: one track, changed since the last save.
  void DrawSomething() {
    Doc().Elements.push_back(board_tests::Element(0, 1, 0, 0.3175f, 10, 10, 20, 10));
    Doc().Modified = true;
  }
  void ExpectGridStepStatus(const std::string& x, const std::string& y) {
    EXPECT_EQ(ui.Status[2], "  Pas de la grille Horizontal:" + x + "mm   ");
    EXPECT_EQ(ui.Status[3], "  Pas de la grille Vertical:" + y + "mm   ");
  }
};

// A file named on the command line is read and captioned with its whole
// path. Quitting an edited document asks first: Cancel stays; Yes saves, and
// a save that fails (or whose dialog is cancelled) keeps the old file and
// stops the quit; No drops the changes. New, even with a track chain under
// way, then gives an unnamed, unchanged document with nothing in hand or to
// restore, its group counter and colours reset, never saved while empty.
TEST_F(BoardEditorShell, QuitAndNewAskToSaveChangesAndAFailedSaveKeepsTheOldFile) {
  const std::string path = folder.File("platine essai.Lyt");
  board_tests::WriteBytes(path, "\"LYT 3\"\r\n2.54,0.635\r\n3,4,3,0.79375,50.8,50.8,0,0,\"\",0\r\n");
  editor.Start(path);
  EXPECT_EQ(ui.Caption, " LYT : " + path);
  EXPECT_EQ(std::make_tuple(Doc().Elements.size(), Doc().LastGroup, editor.View().GridStepY),
            std::make_tuple(std::size_t{1}, 4, 0.635f));
  EXPECT_TRUE(editor.MnuQuitter()) << "a document just opened needs no saving";
  const std::string copy = folder.File("copie.Lyt");
  ui.FileAnswers = {FileChoice{copy, "copie.Lyt"}};
  editor.MnuEnregSous();
  EXPECT_EQ(std::make_pair(ui.Caption, editor.FileName()), std::make_pair(std::string(" LYT : copie.Lyt"), copy));
  const std::string bytes = ReadBytes(copy);
  EXPECT_EQ(bytes, ReadBytes(path));

  board_tests::fs::permissions(board_tests::fs::u8path(copy), board_tests::fs::perms::owner_read);
  DrawSomething();
  ui.Answers = {MessageAnswer::Cancel, MessageAnswer::Yes, MessageAnswer::No, MessageAnswer::No};
  EXPECT_FALSE(editor.MnuQuitter());
  EXPECT_EQ(std::make_pair(ui.Messages.back().Icon, ui.Messages.back().Buttons),
            std::make_pair(MessageIcon::Exclamation, common::MessageButtons::YesNoCancel));
  EXPECT_FALSE(editor.MnuQuitter());
  EXPECT_EQ(std::make_pair(ui.Messages.back().Text, ui.Messages.back().Icon),
            std::make_pair(std::string(common::WriteProtectedText), MessageIcon::Exclamation));
  EXPECT_EQ(ReadBytes(copy), bytes);
  EXPECT_TRUE(editor.MnuQuitter());
  EXPECT_TRUE(editor.IsModified()) << "No drops the changes without saving";

  Click(10, 10);  // the track drawn, deleted: Annuler could bring it back
  editor.MnuSuppr();
  editor.OptPiste();
  Click(G(30), G(30));  // a track chain under way
  Doc().Colours.HoleColour = Doc().Colours.SolderColour;
  editor.MnuNouveau();
  EXPECT_TRUE(editor.IsEmpty() && !editor.IsModified() && Doc().Pending.empty() && Doc().UndoBuffer.empty());
  EXPECT_FALSE(Doc().PendingActive || Doc().PendingIsNew || Doc().LineInProgress);
  EXPECT_EQ(std::make_tuple(ui.Caption, editor.CurrentTool(), ui.Pointer, ui.Registrations, Doc().LastGroup,
                            Doc().Colours.HoleColour),
            std::make_tuple(std::string(" LYT : Sans Nom"), BoardEditor::Tool::Select, common::PointerShape::Arrow, 2,
                            0, BoardColours{}.HoleColour));
  editor.MnuEnreg();
  editor.MnuEnregSous();
  Doc().Modified = true;
  EXPECT_TRUE(editor.MnuQuitter());
  EXPECT_EQ(ui.FileDialogs.size(), 1u);
  DrawSomething();
  ui.Answers = {MessageAnswer::Yes, MessageAnswer::Yes};
  EXPECT_FALSE(editor.MnuQuitter());
  ui.FileAnswers = {FileChoice{folder.File("a.Lyt"), "a.Lyt"}};
  EXPECT_TRUE(editor.MnuQuitter());
  EXPECT_FALSE(editor.IsModified() || ReadBytes(folder.File("a.Lyt")).empty());
  const Strings told = ui.MessageTexts();
  EXPECT_EQ(std::count(told.begin(), told.end(), common::kSaveChangesQuestion), 6);
}

// A cancelled dialog leaves the document alone; a board file brings its
// elements and grid steps (within the range of the grid-step dialog). A file
// read only in part keeps what was read but loses its name, so that saving
// asks for one instead of overwriting it; a missing file keeps its name for
// the save.
TEST_F(BoardEditorShell, OpenNeverOverwritesAPartlyReadFileAndGridStepsStayWithinRange) {
  editor.Start("");
  DrawSomething();
  ui.Answers = {MessageAnswer::No, MessageAnswer::No};
  editor.MnuOuvrir();
  EXPECT_TRUE(Doc().Elements.size() == 1 && editor.IsModified());

  const std::string path = folder.File("autre.Lyt");  // a tiny vertical step is taken as the smallest
  board_tests::WriteBytes(path, "\"LYT 3\"\r\n10,0.000001\r\n0,4,3,0.79375,50.8,50.8,0,0,\"\",0\r\n");
  ui.FileAnswers = {FileChoice{path, "autre.Lyt"}};
  editor.MnuOuvrir();
  EXPECT_EQ(std::make_pair(ui.Caption, editor.FileName()), std::make_pair(std::string(" LYT : autre.Lyt"), path));
  EXPECT_FALSE(editor.IsModified());
  ASSERT_EQ(Doc().Elements.size(), 1u);
  EXPECT_EQ(Doc().Elements[0].Kind, ElementKind::RoundPad);
  ExpectGridStepStatus("10", "0.5");

  const std::string damaged = folder.File("abime.Lyt");
  const std::string bytes =
      "\"LYT 3\"\r\n1.27,1.27\r\n0,8,3,0.4,10,10,0,0,\"\",0\r\nabimé\r\n0,8,3,0.4,20,20,0,0,\"\",0\r\n";
  board_tests::WriteBytes(damaged, bytes);
  ui.Messages.clear();
  ui.FileAnswers = {FileChoice{damaged, "abime.Lyt"}};
  editor.MnuOuvrir();
  board_tests::ExpectOneMessage(ui, common::WrongFileTypeText, MessageIcon::Critical);
  EXPECT_EQ(Live().size(), 1u);
  EXPECT_EQ(std::make_pair(ui.Caption, editor.FileName()),
            std::make_pair(std::string(" LYT : Sans Nom"), std::string("Sans Nom")));
  Doc().Modified = true;
  editor.MnuEnreg();  // asks for a name (cancelled)
  EXPECT_EQ(std::make_pair(ui.FileDialogs.size(), ReadBytes(damaged)), std::make_pair(std::size_t{4}, bytes));

  const std::string missing = folder.File("nouveau.Lyt");
  ui.FileAnswers = {FileChoice{missing, "nouveau.Lyt"}};
  ui.Answers = {MessageAnswer::No};
  editor.MnuOuvrir();
  EXPECT_EQ(std::make_pair(ui.Messages.back().Text, ui.Messages.back().Icon),
            std::make_pair(std::string(common::FileNotFoundText), MessageIcon::Exclamation));
  EXPECT_EQ(ui.Caption, " LYT : nouveau.Lyt");
  DrawSomething();
  editor.MnuEnreg();
  EXPECT_EQ(ui.FileDialogs.back().first, common::FileDialogKind::Open) << "the missing file is created without asking";
  EXPECT_EQ(ReadBytes(missing).substr(0, 9), "\"LYT 3\"\r\n");

  // Steps from 0.5 to 10 mm are taken, anything else is refused and asked
  // again; a comma ends the number. A refused then cancelled dialog changes
  // nothing.
  ui.Messages.clear();
  ui.GridStepAnswers = {{"0.49", "1"}, {"10.01", "1"}, {"", "1"}, {"2", "0.49"}, {"2", "10.01"}, {"0.5", "10"}};
  editor.MnuPas();
  EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>(5, "valeur incorrecte"));
  EXPECT_EQ(std::make_pair(editor.View().GridStepX, editor.View().GridStepY), std::make_pair(0.5f, 10.0f));
  ExpectGridStepStatus(" 0.5", " 10");

  const double scale = editor.View().Scale;
  ui.GridStepAnswers = {{"1,27", "2.54"}};
  editor.MnuPas();
  EXPECT_DOUBLE_EQ(editor.View().Scale, scale / 2) << "the view follows at once";
  EXPECT_EQ(std::make_pair(editor.View().GridStepX, editor.View().GridStepY), std::make_pair(1.0f, 2.54f));

  ui.GridStepAnswers = {{"2", "20"}};
  editor.MnuPas();
  EXPECT_EQ(std::make_pair(editor.View().GridStepX, editor.View().GridStepY), std::make_pair(1.0f, 2.54f));
  ExpectGridStepStatus(" 1", " 2.54");
}

// Each command writes beside the board the files the writers make, or
// refuses with one message and writes nothing; a file that cannot be written
// is named, with the exclamation icon. Texts at a bad angle on two layers are
// told once for the whole export.
TEST_F(BoardEditorShell, FilesAreWrittenBesideTheBoardOrRefusedWithOneMessage) {
  editor.Start("");
  const std::vector<BoardElement> pad = {Element(0, ElementKind::RoundPad, BoardLayer::Through, 0.8f, 10, 20)};
  std::vector<BoardElement> board = {Element(0, ElementKind::Track, BoardLayer::Component, 0.8f, 10, 20, 30, 20),
                                     pad[0], Element(0, ElementKind::Hole, BoardLayer::Through, 0.4f, 10, 20)};
  for (std::int32_t layer : {BoardLayer::Component, BoardLayer::Solder})
    board.push_back(Element(0, ElementKind::Text, layer, 2.0f, 10, 30, 0, 0, "A 1", 45));
  const std::string saveFirst = "Vous devez sauvegarder votre circuit, auparavant!";
  const std::string cannotWrite = "Impossible d'écrire le fichier\r\n";
  GerberProblems problems;
  // Gerber or drill, the board, its file, the messages and the files written.
  using Files = std::map<std::string, std::string>;
  const std::tuple<bool, std::vector<BoardElement>, std::string, Strings, Files> cases[] = {
      {true, {}, "vide.Lyt", {"Pas de circuit, donc, pas de fichier Gerber !"}, {}},
      {true, board, "", {saveFirst}, {}},
      {true, board, "absent/essai.Lyt", {cannotWrite + folder.File("absent/essai-Serig.gbr")}, {}},
      {false, pad, "pastilles.Lyt", {"Le circuit ne contient pas de trous,\r\ndonc, pas de fichier de perçage !"}, {}},
      {false, board, "", {saveFirst}, {}},
      {false, board, "absent/essai.Lyt", {cannotWrite + folder.File("absent/essai.drl")}, {}},
      {true, board, "essai.Lyt", {"Angle incorrect !", "Un fichier Gerber par couche a été créé."},
       {{"essai-Composant.gbr", ExportGerberLayer(board, BoardLayer::Component, problems)},
        {"essai-Soudure.gbr", ExportGerberLayer(board, BoardLayer::Solder, problems)},
        {"essai-Serig.gbr", ExportGerberLayer(board, BoardLayer::Silkscreen, problems)}}},
      {false, board, "essai.Lyt", {"Le fichier de perçage a été créé"}, {{"essai.drl", *ExportDrill(board)}}}};
  for (const auto& [gerber, elements, fileName, told, files] : cases) {
    SCOPED_TRACE(told.back());
    ui.Messages.clear();
    Doc().Elements = elements;
    Doc().FileName = fileName.empty() ? "Sans Nom" : folder.File(fileName);
    gerber ? editor.MnuGerber() : editor.MnuExcellon();
    EXPECT_EQ(ui.MessageTexts(), told);
    for (const auto& message : ui.Messages)
      EXPECT_EQ(message.Icon, message.Text.rfind(cannotWrite, 0) == 0 ? MessageIcon::Exclamation : MessageIcon::None);
    Files written;
    for (const auto& entry : std::filesystem::directory_iterator(folder.Path()))
      written[entry.path().filename().u8string()] = ReadBytes(entry.path().u8string());
    EXPECT_EQ(written, files);
    for (const auto& entry : files) std::filesystem::remove(folder.Path() / entry.first);
  }
  EXPECT_FALSE(editor.IsModified()) << "the document is not changed";
}

// Saving writes a moved selection still in hand, which stays in hand. A save
// that cannot be written says so and loses nothing: Save As keeps the old
// name, a value the file cannot hold is never written as 0.
TEST_F(BoardEditorShell, SavingWritesTheSelectionInHandAndAFailedSaveLosesNothing) {
  editor.Start("");
  AddPad(10, 10);
  const std::string saved = folder.File("garde.Lyt");
  Doc().FileName = saved;
  Click(G(10), G(10));
  Drag(G(10), G(10), G(14), G(10));
  editor.MnuEnreg();
  EXPECT_TRUE(Doc().PendingActive) << "the selection stays in hand";
  EXPECT_FLOAT_EQ(Doc().Elements[0].X1, G(14));
  const std::string bytes = ReadBytes(saved), caption = ui.Caption;
  EXPECT_EQ(bytes, WriteDocument(Doc(), 1.27f, 1.27f));
  Click(G(40), G(40));

  const std::string nowhere = folder.File("absent/nouveau.Lyt");
  Doc().Modified = true;
  ui.FileAnswers = {FileChoice{nowhere, "nouveau.Lyt"}};
  editor.MnuEnregSous();
  EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Impossible d'écrire le fichier\r\n" + nowhere});
  EXPECT_EQ(std::make_tuple(Doc().FileName, ui.Caption, Doc().Modified), std::make_tuple(saved, caption, true));
  Doc().Elements[0].X1 = std::numeric_limits<float>::infinity();
  editor.MnuEnreg();
  EXPECT_EQ(ui.MessageTexts().back(), "Impossible d'écrire le fichier\r\n" + saved);
  EXPECT_EQ(std::make_pair(ReadBytes(saved), Doc().Modified), std::make_pair(bytes, true));
}

// Black, the component side alone or nothing.
PrintChoice Ticked(const std::string& scale, bool component = true) {
  return {"Bureau", true, component, false, false, false, scale};
}

// The print command with a scripted dialog and a 600 dpi printer; whatever
// happens, the window's view keeps its zoom and scale.
class BoardPrint : public BoardEditorShell {
 protected:
  BoardPrint() {
    editor.Start("");
    editor.MnuZoomIn();  // away from the print zoom
    view = View();
    // A 25.4 mm component track: 600 dots long at scale 1.
    Doc().Elements.push_back(Element(0, ElementKind::Track, BoardLayer::Component, 0.3175f,
                                     25.4f, 25.4f, 50.8f, 25.4f));
  }
  std::pair<std::int32_t, double> View() const { return {editor.View().Zoom, editor.View().Scale}; }

  std::pair<std::int32_t, double> view;
};

// A refused choice opens no printer (nor PDF file) and leaves the dialog
// open; an accepted one sends a landscape page to the chosen printer, in
// monochrome for the black option, at the print zoom. Every layer and the
// drill plan printed in black are black figures, and white only for the
// painted centres of the holes.
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
    ASSERT_EQ(ui.Page.Lines().size(), 1u);
    EXPECT_EQ(ui.Page.Lines()[0].X2 - ui.Page.Lines()[0].X1, length);
  }
  EXPECT_EQ(ui.Beeps, 8);

  AddPad(30, 30, 0, ElementKind::RectPad);
  Doc().Elements.push_back(Element(0, ElementKind::Text, BoardLayer::Silkscreen, 2.0f, 10, 30, 0, 0, "AB"));
  Doc().Elements.push_back(Element(0, ElementKind::Circle, BoardLayer::Silkscreen, 1.0f, 30, 30));
  ui.PrintChoices = {{"Bureau", true, true, true, true, true, "1"}};
  editor.MnuImpression();
  ASSERT_GT(ui.Page.Drawing.size(), 20u);
  for (const auto& d : ui.Page.Drawing) {
    const bool whiteCentre = d.Colour == common::Rgb(255, 255, 255) && d.Mode == common::DrawMode::PaintWhite;
    EXPECT_TRUE(whiteCentre || (d.Colour == 0 && d.Mode != common::DrawMode::PaintWhite));
  }
}

// "Echec" for a printer that cannot be opened, for its page or its
// set-up; nothing when the user gives up the PDF file name.
TEST_F(BoardPrint, PrinterThatCannotBeOpenedIsToldAndAGivenUpPdfIsNot) {
  ui.PropertiesClicks = {"Bureau"};
  ui.PageOutcomes = {common::PrintOutcome::Cancelled, common::PrintOutcome::Failed};
  ui.PrintChoices = {Ticked("1"), Ticked("1"), Ticked("1")};
  editor.MnuImpression();
  EXPECT_EQ(std::make_pair(ui.PrintResults, View()), std::make_pair(std::vector<bool>{false, false, true}, view));
  ExpectOneMessage(ui, "Impossible d'accéder à l'imprimante!", MessageIcon::Information, "Echec");
  ui.Messages.clear();
  ui.PrinterOpens = false;
  ui.PropertiesClicks = {"Disparue"};
  editor.MnuImpression();
  EXPECT_EQ(std::make_pair(ui.PropertiesShown, View()), std::make_pair(Strings{"Bureau", "Disparue"}, view));
  ExpectOneMessage(ui, "Impossible d'accéder à l'imprimante!", MessageIcon::Information, "Echec");
}

// Up to scale 1, and above while the board stays on the page, the sheet's
// corner is the page's; a board that would leave the page is centred on it,
// and the user is told when even so it does not fit.
TEST_F(BoardPrint, ABoardThatWouldLeaveThePageIsCentredOnIt) {
  // The track runs from (X, 20) to (X + 10, 20) mm, with a second one 430 mm
  // further when X is negative; the scale, whether the page's size (6000 by
  // 4000 dots) is known, whether the board is centred and the user told.
  const std::tuple<float, std::string, bool, bool, bool> rows[] = {
      {130, "1", true, false, false}, {20, "2", true, false, false}, {130, "2", true, true, false},
      {130, "2", false, false, false}, {-300, "3", true, true, true}};
  for (const auto& [x, scale, known, centred, told] : rows) {
    SCOPED_TRACE(x + std::stof(scale));
    ui.Messages.clear();
    Doc().Elements = {Element(0, ElementKind::Track, BoardLayer::Component, 0.2f, x, 20, x + 10, 20)};
    if (x < 0)
      Doc().Elements.push_back(Element(0, ElementKind::Track, BoardLayer::Component, 0.2f, x + 430, 20, x + 440, 20));
    ui.Page.Size = known ? common::PixelSize{6000, 4000} : common::PixelSize{};
    ASSERT_TRUE(editor.Print(Ticked(scale)));
    const auto line = ui.Page.Lines().at(0);
    // 1 mm of the board is scale x 600 / 25.4 dots, from the page's corner
    // or, centred, from the middle of the page to the middle of the board.
    const double dots = std::stof(scale) * 600 / 25.4, middle = x < 0 ? x + 220 : x + 5;
    EXPECT_NEAR(line.X1, centred ? 3000 + (x - middle) * dots : x * dots, 2);
    EXPECT_NEAR(line.Y1, centred ? 2000 : 20 * dots, 2);
    EXPECT_EQ(ui.MessageTexts(), Strings(told, "Le circuit est plus grand que la page à cette échelle :\r\n"
                                               "ses bords ne sont pas imprimés."));
  }
}

}  // namespace
