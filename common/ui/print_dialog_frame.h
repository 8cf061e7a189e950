#pragma once

#include "common/core/ui_port.h"
#include "common/ui/printer_chooser.h"

#include <QDialog>

#include <functional>
#include <memory>

class QVBoxLayout;

namespace common {

// What both programs' print dialogs FormImpression share: the caption, the
// printer row on top, "Imprimer" (CmdImprim) and "Annuler" (CmdAnnuler) at
// the bottom, and the modal run. Made once and only hidden afterwards, so
// the chosen printer and every setting last while the program runs.
class PrintDialogFrame : public QDialog {
  Q_OBJECT

 public:
  ~PrintDialogFrame() override;

  // ComboPrinter (and Command1 where shown), with the current printer.
  PrinterChooser& Printers() { return *printers_; }
  const PrinterChooser& Printers() const { return *printers_; }

  // Shows the dialog modally until a page is printed or "Annuler" is
  // clicked; "Imprimer" hands the dialog's choice to the print handler.
  template <class Choice>
  void Run(const PrintDialogHandlers<Choice>& handlers, const std::function<Choice()>& choice) {
    RunModal([&] { return handlers.Print && handlers.Print(choice()); }, handlers.Properties);
  }

 protected:
  PrintDialogFrame(QWidget* parent, PrinterChooser::PropertiesButton properties);

  // The dialog's own controls go between the printer row and the buttons.
  QVBoxLayout& Layout() { return *layout_; }
  // The button row; added last, once the program's controls are in place.
  void AddButtons();

 private:
  void RunModal(const std::function<bool()>& print,
                const std::function<void(const std::string&)>& properties);

  QVBoxLayout* layout_ = nullptr;
  std::unique_ptr<PrinterChooser> printers_;
  std::function<bool()> print_;
};

// The window's print dialog of type Dialog: made on first use as a child of
// the window, then the same one every time.
template <class Dialog>
Dialog& WindowPrintDialog(QWidget* window) {
  auto* dialog = window->findChild<Dialog*>(QStringLiteral("FormImpression"), Qt::FindDirectChildrenOnly);
  if (!dialog) dialog = new Dialog(window);
  return *dialog;
}

}  // namespace common
