#include "lyt/editor/print_command.h"

#include "common/core/number_text.h"
#include "common/core/print_conversion.h"
#include "lyt/print/core/board_print.h"

namespace lyt {
namespace {

const char* const kBadScale = "échelle incorrecte !";
const char* const kNoLayer = "Aucune couche n'est séléctionnée !! ";
const char* const kNoPrinter = "Impossible d'accéder à l'imprimante!";
const char* const kFailureTitle = "Echec";

constexpr float MaxPrintScale = 3.0f;

bool AnyLayerTicked(const PrintChoice& choice) {
  return choice.Component || choice.Solder || choice.Silkscreen || choice.Drill;
}

void TellPrinterFailure(common::UiPort& ui) {
  ui.ShowMessage(kNoPrinter, common::MessageIcon::Information, common::MessageButtons::Ok,
                 kFailureTitle);
}

}  // namespace

std::optional<float> ReadPrintScale(const std::string& text) {
  const float scale = static_cast<float>(common::ParseTypedNumber(text));
  // A negative scale would put the whole board off the page.
  if (!(scale > 0.0f && scale <= MaxPrintScale)) return std::nullopt;
  return scale;
}

bool PrintBoard(const PrintChoice& choice, const Board& board,
                const common::Viewport& view, const common::StrokeFont& font,
                common::UiPort& ui) {
  ui.Beep();
  const std::optional<float> scale = ReadPrintScale(choice.Scale);
  if (!scale) {
    ui.Tell(kBadScale);
    return false;
  }
  // Nothing ticked: no page, and no printer (or PDF file) opened for it.
  if (!AnyLayerTicked(choice)) {
    ui.Tell(kNoLayer);
    return false;
  }
  common::PrintJob job;
  job.Printer = choice.Printer;
  job.Colour = !choice.Black;
  job.Landscape = true;
  job.DocumentName = board.FileName;
  const common::PrintOutcome outcome =
      ui.PrintPage(job, [&](common::Canvas& canvas, double mmPerPixelX, double mmPerPixelY) {
        const common::PrintConversion conversion(view, mmPerPixelX, mmPerPixelY, *scale);
        PrintBoardPage(board, choice, conversion, font, canvas);
      });
  if (outcome == common::PrintOutcome::Failed) TellPrinterFailure(ui);
  for (const std::string& problem : font.TakeProblems()) ui.Tell(problem);
  return outcome == common::PrintOutcome::Printed;
}

void ShowPrinterProperties(const std::string& printer, common::UiPort& ui) {
  if (!ui.ShowPrinterProperties(printer)) TellPrinterFailure(ui);
}

}  // namespace lyt
