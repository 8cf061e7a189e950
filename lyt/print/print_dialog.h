#pragma once

#include "common/ui/printer_chooser.h"
#include "lyt/print/core/print_choice.h"

#include <QDialog>

#include <memory>

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace lyt {

// FormImpression: the printer, black or colour, the layers and the scale.
// Made once and only hidden afterwards, so every setting and the chosen
// printer last while the program runs.
class PrintDialog : public QDialog {
  Q_OBJECT

 public:
  explicit PrintDialog(QWidget* parent = nullptr);
  ~PrintDialog() override;

  // Shows the dialog modally: its buttons call the handlers, until a page is
  // printed or "Annuler" is clicked.
  void Run(const PrintDialogHandlers& handlers);

  // What the controls hold now.
  PrintChoice Choice() const;

  // ComboPrinter and Command1, with the current printer.
  common::PrinterChooser& Printers() { return *printers_; }

 private:
  void BuildControls();

  std::unique_ptr<common::PrinterChooser> printers_;
  QRadioButton* optNoir_ = nullptr;
  QRadioButton* optCouleur_ = nullptr;
  QCheckBox* checkComposants_ = nullptr;
  QCheckBox* checkSoudures_ = nullptr;
  QCheckBox* checkSerig_ = nullptr;
  QCheckBox* checkPercage_ = nullptr;
  QLineEdit* textEchelle_ = nullptr;
  PrintDialogHandlers handlers_;
};

}  // namespace lyt
