// The print dialog of the main window.
#include "skt/ui/main_window.h"

#include "skt/print/print_dialog.h"

namespace skt {

common::PrintDialogFrame& MainWindow::PrintDialogWindow() {
  return common::WindowPrintDialog<PrintDialog>(this);
}

void MainWindow::ShowPrintDialog(const PrintDialogHandlers& handlers) {
  common::WindowPrintDialog<PrintDialog>(this).Run(handlers);
}

}  // namespace skt
