#include "lyt/editor/print_command.h"

#include "common/core/document_print.h"
#include "common/core/number_text.h"
#include "lyt/print/core/board_print.h"

namespace lyt {
namespace {

const char* const kBadScale = "échelle incorrecte !";
const char* const kNoLayer = "Aucune couche n'est séléctionnée !! ";

constexpr float MaxPrintScale = 3.0f;

bool AnyLayerTicked(const PrintChoice& choice) {
  return choice.Component || choice.Solder || choice.Silkscreen || choice.Drill;
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
  return common::PrintDocumentPage(job, view, *scale, font, ui,
                                   [&](const common::PrintConversion& conversion, common::Canvas& canvas) {
                                     PrintBoardPage(board, choice, conversion, font, canvas);
                                   });
}

void ShowPrinterProperties(const std::string& printer, common::UiPort& ui) {
  if (!ui.ShowPrinterProperties(printer)) common::TellPrinterFailure(ui);
}

}  // namespace lyt
