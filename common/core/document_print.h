#pragma once

#include "common/core/canvas.h"
#include "common/core/print_conversion.h"
#include "common/core/stroke_font.h"
#include "common/core/ui_port.h"
#include "common/core/viewport.h"

#include <functional>

namespace common {

// Draws a document's page on the printer, in printer pixels.
using DocumentPageDrawer = std::function<void(const PrintConversion&, Canvas&)>;

// Prints one page set up as `job` says, the document at `scale` through the
// view's print conversion. The user is told when the printer (or the PDF
// file) cannot be written, and of texts with a bad angle. True when the
// page went out. The view is only read.
bool PrintDocumentPage(const PrintJob& job, const Viewport& view, float scale,
                       const StrokeFont& font, UiPort& ui, const DocumentPageDrawer& draw);

// "Impossible d'accéder à l'imprimante!", titled "Echec".
void TellPrinterFailure(UiPort& ui);

}  // namespace common
