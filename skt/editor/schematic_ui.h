#pragma once

#include "common/core/ui_port.h"
#include "skt/print/core/print_choice.h"

namespace skt {

// What the schematic editor asks of its window beyond the shared part.
class SchematicUi : public virtual common::UiPort {
 public:
  // The print dialog, modal; made on first use and kept, so the chosen
  // printer lasts while the program runs. "Imprimer" calls the handler;
  // "Annuler" hides it.
  virtual void ShowPrintDialog(const PrintDialogHandlers& handlers) = 0;
};

}  // namespace skt
