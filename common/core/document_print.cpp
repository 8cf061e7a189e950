#include "common/core/document_print.h"

namespace common {

void TellPrinterFailure(UiPort& ui) {
  ui.ShowMessage("Impossible d'accéder à l'imprimante!", MessageIcon::Information,
                 MessageButtons::Ok, "Echec");
}

bool PrintDocumentPage(const PrintJob& job, const Viewport& view, float scale,
                       const StrokeFont& font, UiPort& ui, const DocumentPageDrawer& draw) {
  const PrintOutcome outcome =
      ui.PrintPage(job, [&](Canvas& canvas, double mmPerPixelX, double mmPerPixelY) {
        draw(PrintConversion(view, mmPerPixelX, mmPerPixelY, scale), canvas);
      });
  if (outcome == PrintOutcome::Failed) TellPrinterFailure(ui);
  for (const std::string& problem : font.TakeProblems()) ui.Tell(problem);
  return outcome == PrintOutcome::Printed;
}

}  // namespace common
