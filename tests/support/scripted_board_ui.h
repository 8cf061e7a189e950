#pragma once

#include "lyt/editor/board_ui.h"
#include "support/scripted_ui.h"

#include <deque>
#include <functional>
#include <string>
#include <tuple>
#include <utility>
#include <vector>

namespace testing_support {

// The board editor's window: the shared part and the board's own dialogs.
class ScriptedBoardUi : public ScriptedUi, public lyt::BoardUi {
 public:
  // Each grid-step dialog tries these answers in turn until one is accepted
  // (or they run out, which is a cancel).
  std::deque<std::pair<std::string, std::string>> GridStepAnswers;
  // Print dialog: each showing clicks "Propriétés" once per entry of
  // PropertiesClicks (with that printer chosen), then "Imprimer" with each of
  // PrintChoices in turn until one prints; running out is "Annuler".
  std::deque<std::string> PropertiesClicks;
  std::deque<lyt::PrintChoice> PrintChoices;
  std::vector<bool> PrintResults;             // what each "Imprimer" returned
  // The board's pages are drawn here instead of on Printer: a page of Size
  // dots, or of unknown size.
  struct PageCanvas : RecordingCanvas {
    common::PixelSize Size;
    common::PixelSize PageSize() const override { return Size; }
  } Page;

  void ShowGridStepDialog(const std::string&, const std::string&,
                          const std::function<bool(const std::string&, const std::string&)>& accept) override {
    while (!GridStepAnswers.empty())
      if (std::apply(accept, Next(GridStepAnswers))) return;
  }
  void SetShapeColour(common::Colour) override {}
  void ShowPrintDialog(const lyt::PrintDialogHandlers& handlers) override {
    while (!PropertiesClicks.empty()) handlers.Properties(Next(PropertiesClicks));
    while (!PrintChoices.empty()) {
      PrintResults.push_back(handlers.Print(Next(PrintChoices)));
      if (PrintResults.back()) return;
    }
  }
  common::PrintOutcome PrintPage(const common::PrintJob& job, const common::PageDrawer& draw) override {
    return ScriptedUi::PrintPage(job, [&](common::Canvas&, double mmX, double mmY) {
      Page.Clear();
      draw(Page, mmX, mmY);
    });
  }
};

}  // namespace testing_support
