#pragma once

#include "common/core/ui_port.h"

#include <string>

namespace lyt {

// What the board's print dialog FormImpression holds when "Imprimer" is clicked.
struct PrintChoice {
  std::string Printer;     // the entry chosen in ComboPrinter
  bool Black = false;      // OptNoir on (OptCouleur off)
  bool Component = false;  // CheckComposants
  bool Solder = false;     // CheckSoudures
  bool Silkscreen = false; // CheckSerig
  bool Drill = false;      // CheckPercage
  std::string Scale;       // TextEchelle, as typed
};

using PrintDialogHandlers = common::PrintDialogHandlers<PrintChoice>;

}  // namespace lyt
