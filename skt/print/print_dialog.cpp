#include "skt/print/print_dialog.h"

namespace skt {

PrintDialog::PrintDialog(QWidget* parent)
    : PrintDialogFrame(parent, common::PrinterChooser::PropertiesButton::Hidden) {
  AddButtons();
}

void PrintDialog::Run(const PrintDialogHandlers& handlers) {
  PrintDialogFrame::Run<PrintChoice>(handlers, [this] { return Choice(); });
}

PrintChoice PrintDialog::Choice() const { return {Printers().Printer()}; }

}  // namespace skt
