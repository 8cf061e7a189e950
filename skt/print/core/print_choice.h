#pragma once

#include "common/core/ui_port.h"

#include <string>

namespace skt {

// What the schematic's print dialog FormImpression holds when "Imprimer" is
// clicked: only the printer, as the sheet prints whole, true to size, black.
struct PrintChoice {
  std::string Printer;  // the entry chosen in ComboPrinter
};

using PrintDialogHandlers = common::PrintDialogHandlers<PrintChoice>;

}  // namespace skt
