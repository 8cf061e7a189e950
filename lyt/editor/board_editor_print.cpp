// Printing the board: the print dialog's buttons run the print routines.
#include "lyt/editor/board_editor.h"

#include "lyt/editor/print_command.h"

namespace lyt {

void BoardEditor::MnuImpression() {
  WriteBackSelection();
  common::PrintDialogHandlers<PrintChoice> handlers;
  handlers.Print = [this](const PrintChoice& choice) { return Print(choice); };
  handlers.Properties = [this](const std::string& printer) {
    ShowPrinterProperties(printer, ui_);
  };
  boardUi_.ShowPrintDialog(handlers);
}

bool BoardEditor::Print(const PrintChoice& choice) {
  WriteBackSelection();
  return PrintBoard(choice, document_, viewport_, font_, ui_);
}

}  // namespace lyt
