// The print dialog of the main window.
#include "skt/ui/main_window.h"

#include "skt/print/print_dialog.h"

namespace skt {
namespace {

// A child of the window, made on first use and kept, so its current printer
// lasts while the program runs.
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

}  // namespace skt
