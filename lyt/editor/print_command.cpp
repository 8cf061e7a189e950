#include "lyt/editor/print_command.h"

#include "common/core/document_print.h"
#include "common/core/number_text.h"
#include "common/core/offset_canvas.h"
#include "lyt/core/board_extent.h"
#include "lyt/print/core/board_print.h"
#include "lyt/print/core/page_placement.h"

namespace lyt {
namespace {

const char* const kBadScale = "échelle incorrecte !";
const char* const kNoLayer = "Aucune couche n'est séléctionnée !! ";
const char* const kLargerThanPage =
    "Le circuit est plus grand que la page à cette échelle :\r\nses bords ne sont pas imprimés.";

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
  const std::optional<common::MmBox> extent = LiveExtent(board);
  bool largerThanPage = false;
  const bool printed = common::PrintDocumentPage(
      job, view, *scale, font, ui,
      [&](const common::PrintConversion& conversion, common::Canvas& canvas) {
        const PagePlacement placement = PlaceOnPage(extent, conversion, canvas.PageSize());
        largerThanPage = placement.LargerThanPage;
        common::OffsetCanvas placed(canvas, placement.OriginX, placement.OriginY);
        PrintBoardPage(board, choice, conversion, font, placed);
      });
  if (printed && largerThanPage) ui.Tell(kLargerThanPage);
  return printed;
}

void ShowPrinterProperties(const std::string& printer, common::UiPort& ui) {
  if (!ui.ShowPrinterProperties(printer)) common::TellPrinterFailure(ui);
}

}  // namespace lyt
