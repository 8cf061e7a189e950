#include "lyt/editor/board_editor.h"
#include "support/board_test_support.h"
#include "support/scripted_board_ui.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using common::MessageIcon;
using lyt::PrintChoice;
using common::PrintOutcome;
using namespace lyt;

const char* const kNoPrinter = "Impossible d'accéder à l'imprimante!";

PrintChoice Ticked(const std::string& scale, bool black = false) {
  PrintChoice choice;
  choice.Printer = "Bureau";
  choice.Black = black;
  choice.Component = true;
  choice.Scale = scale;
  return choice;
}

// The editor's print command with a scripted dialog and a 600 dpi printer.
class PrintCommand : public board_tests::EditorTest {
 protected:
  PrintCommand() {
    editor.Start("");
    editor.MnuZoomIn();  // away from the print zoom
    zoom = editor.View().Zoom;
    scale = editor.View().Scale;
    // A 25.4 mm component track: 600 dots long at scale 1.
    Doc().Elements.push_back(board_tests::Element(0, ElementKind::Track, BoardLayer::Component,
                                                  0.3175f, 25.4f, 25.4f, 50.8f, 25.4f));
    ui.Messages.clear();
  }
  void ExpectViewUntouched() {
    EXPECT_EQ(editor.View().Zoom, zoom);
    EXPECT_EQ(editor.View().Scale, scale);
  }
  void ExpectEchec() {
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Text, kNoPrinter);
    EXPECT_EQ(ui.Messages[0].Title, "Echec");
    EXPECT_EQ(ui.Messages[0].Icon, MessageIcon::Information);
  }

  std::int32_t zoom = 0;
  double scale = 0.0;
};

TEST_F(PrintCommand, ScaleIsTheLeadingNumberAboveZeroUpTo3) {
  const std::pair<const char*, int> cases[] = {{"3", 1800},  {"1,5", 600}, {"0.5", 300},
                                               {"3.01", -1}, {"abc", -1},  {"0", -1},
                                               {"-1", -1}};  // -1: refused
  for (auto [text, length] : cases) {
    SCOPED_TRACE(text);
    ui.Messages.clear();
    ui.Printer.Drawing.clear();
    ui.PrintResults.clear();
    ui.PrintChoices = {Ticked(text)};
    editor.MnuImpression();
    EXPECT_EQ(ui.PrintResults, std::vector<bool>{length > 0});  // refused: the dialog stays
    if (length < 0) {
      board_tests::ExpectOneMessage(ui, "échelle incorrecte !", MessageIcon::None);
    } else {
      ASSERT_EQ(ui.Printer.Lines().size(), 1u);
      EXPECT_EQ(ui.Printer.Lines()[0].X2 - ui.Printer.Lines()[0].X1, length);
    }
    ExpectViewUntouched();
  }
  EXPECT_EQ(ui.Beeps, 7);
  EXPECT_EQ(ui.PrintJobs.size(), 3u);
}

TEST_F(PrintCommand, NoLayerTickedOpensNoPrinter) {
  PrintChoice none = Ticked("1");
  none.Component = false;
  ui.PrintChoices = {none};
  editor.MnuImpression();
  board_tests::ExpectOneMessage(ui, "Aucune couche n'est séléctionnée !! ", MessageIcon::None);
  EXPECT_TRUE(ui.PrintJobs.empty());
  EXPECT_EQ(ui.PrintResults, std::vector<bool>{false});
  ExpectViewUntouched();
}

TEST_F(PrintCommand, PageGoesToTheChosenPrinterInLandscapeWhileTheViewKeepsItsZoom) {
  ui.PrintChoices = {Ticked("1", true)};
  int zoomWhilePrinting = 0;
  ui.WhilePrinting = [&] { zoomWhilePrinting = editor.View().Zoom; };  // as a repaint would
  editor.MnuImpression();
  EXPECT_EQ(ui.PrintResults, std::vector<bool>{true});
  ASSERT_EQ(ui.PrintJobs.size(), 1u);
  EXPECT_EQ(ui.PrintJobs[0].Printer, "Bureau");
  EXPECT_TRUE(ui.PrintJobs[0].Landscape);
  EXPECT_FALSE(ui.PrintJobs[0].Colour);  // black: monochrome
  EXPECT_EQ(ui.PrintJobs[0].DocumentName, Doc().FileName);
  EXPECT_EQ(zoomWhilePrinting, zoom);
  ExpectViewUntouched();
}

TEST_F(PrintCommand, NoPdfFileNameIsSilentAndAFailedPrinterIsReported) {
  ui.PageOutcomes = {PrintOutcome::Cancelled, PrintOutcome::Failed};
  ui.PrintChoices = {Ticked("1"), Ticked("1"), Ticked("1")};
  editor.MnuImpression();
  EXPECT_EQ(ui.PrintResults, (std::vector<bool>{false, false, true}));
  ExpectEchec();
  ExpectViewUntouched();
}

TEST_F(PrintCommand, PropertiesOfAPrinterThatCannotBeOpened) {
  ui.PropertiesClicks = {"Bureau"};
  editor.MnuImpression();
  EXPECT_TRUE(ui.Messages.empty());
  ui.PrinterOpens = false;
  ui.PropertiesClicks = {"Disparue"};
  editor.MnuImpression();
  EXPECT_EQ(ui.PropertiesShown, (std::vector<std::string>{"Bureau", "Disparue"}));
  ExpectEchec();
}

}  // namespace
