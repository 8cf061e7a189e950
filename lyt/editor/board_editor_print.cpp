// Printing the board: the print dialog's buttons run the print routines.
#include "lyt/editor/board_editor.h"

#include "lyt/editor/print_command.h"

namespace lyt {

void BoardEditor::MnuImpression() {
  WriteBackSelection();
  lyt::PrintDialogHandlers handlers;
  handlers.Print = [this](const lyt::PrintChoice& choice) {
    return lyt::PrintBoard(choice, document_, viewport_, font_, ui_);
  };
  handlers.Properties = [this](const std::string& printer) {
    lyt::ShowPrinterProperties(printer, ui_);
  };
  boardUi_.ShowPrintDialog(handlers);
}

}  // namespace lyt
