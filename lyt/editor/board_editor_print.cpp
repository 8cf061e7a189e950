// Printing the board: the print dialog's buttons run the print routines.
#include "lyt/editor/board_editor.h"

#include "lyt/print/core/print_command.h"

namespace lyt {

void BoardEditor::MnuImpression() {
  WriteBackSelection();
  common::PrintDialogHandlers handlers;
  handlers.Print = [this](const common::PrintChoice& choice) {
    return lyt::PrintBoard(choice, board_, viewport_, font_, ui_);
  };
  handlers.Properties = [this](const std::string& printer) {
    lyt::ShowPrinterProperties(printer, ui_);
  };
  ui_.ShowPrintDialog(handlers);
}

}  // namespace lyt
