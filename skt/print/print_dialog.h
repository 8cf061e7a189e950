#pragma once

#include "common/ui/printer_chooser.h"
#include "skt/print/core/print_choice.h"

#include <QDialog>

#include <memory>

namespace skt {

// FormImpression: only the printer, as the sheet always prints whole, true
// to size and black. Made once and only hidden afterwards, so the chosen
// printer stays chosen while the program runs.
class PrintDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PrintDialog(QWidget* parent = nullptr);
  ~PrintDialog() override;

  // Shows the dialog modally: "Imprimer" calls the print handler, until a
  // page is printed or "Annuler" is clicked.
  void Run(const PrintDialogHandlers& handlers);

  // What the controls hold now.
  PrintChoice Choice() const;

  // ComboPrinter, with the current printer.
  common::PrinterChooser& Printers() { return *printers_; }

 private:
  void BuildControls();

  std::unique_ptr<common::PrinterChooser> printers_;
  PrintDialogHandlers handlers_;
};

}  // namespace skt
