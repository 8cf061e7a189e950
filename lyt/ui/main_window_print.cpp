// The print dialog of the main window.
#include "lyt/ui/main_window.h"

#include "lyt/print/print_dialog.h"

namespace lyt {

common::PrintDialogFrame& MainWindow::PrintDialogWindow() {
  return common::WindowPrintDialog<PrintDialog>(this);
}

void MainWindow::ShowPrintDialog(const PrintDialogHandlers& handlers) {
  common::WindowPrintDialog<PrintDialog>(this).Run(handlers);
}

}  // namespace lyt
