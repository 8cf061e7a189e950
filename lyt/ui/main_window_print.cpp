// The print dialog of the main window.
#include "lyt/ui/main_window.h"

#include "lyt/print/print_dialog.h"

namespace lyt {
namespace {

// A child of the window, made on first use and kept, so its settings and its
// current printer last while the program runs.
PrintDialog& FormImpression(QWidget* window) {
  auto* dialog =
      window->findChild<PrintDialog*>(QStringLiteral("FormImpression"), Qt::FindDirectChildrenOnly);
  if (!dialog) dialog = new PrintDialog(window);
  return *dialog;
}

}  // namespace

void MainWindow::ShowPrintDialog(const PrintDialogHandlers& handlers) {
  FormImpression(this).Run(handlers);
}

bool MainWindow::ShowPrinterProperties(const std::string& printer) {
  return FormImpression(this).Printers().ShowProperties(printer);
}

common::PrintOutcome MainWindow::PrintPage(const common::PrintJob& job,
                                           const common::PageDrawer& draw) {
  return FormImpression(this).Printers().PrintPage(job, draw);
}

}  // namespace lyt
