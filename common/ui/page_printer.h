#pragma once

#include "common/core/ui_port.h"

class QPrinter;
class QString;

namespace common {

// Prints one page on `printer` (a printer or a PDF file), set up as `job`
// says: landscape, colour or monochrome, highest resolution. `draw` paints
// the page in printer pixels from the printable area's top-left corner.
PrintOutcome PrintOnPrinter(QPrinter& printer, const PrintJob& job, const PageDrawer& draw);

// The same on an A4 page of the PDF file `path`, with no printer and no
// window: the output a command line asks for.
PrintOutcome PrintToPdfFile(const QString& path, const PrintJob& job, const PageDrawer& draw);

}  // namespace common
