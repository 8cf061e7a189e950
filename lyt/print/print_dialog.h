#pragma once

#include "common/ui/print_dialog_frame.h"
#include "lyt/print/core/print_choice.h"

class QCheckBox;
class QLineEdit;
class QRadioButton;

namespace lyt {

// FormImpression: the printer, black or colour, the layers and the scale.
// Made once and only hidden afterwards, so every setting and the chosen
// printer last while the program runs.
class PrintDialog : public common::PrintDialogFrame {
  Q_OBJECT

 public:
  explicit PrintDialog(QWidget* parent = nullptr);

  // Shows the dialog modally: its buttons call the handlers, until a page is
  // printed or "Annuler" is clicked.
  void Run(const PrintDialogHandlers& handlers);

  // What the controls hold now.
  PrintChoice Choice() const;

 private:
  void BuildControls();

  QRadioButton* optNoir_ = nullptr;
  QRadioButton* optCouleur_ = nullptr;
  QCheckBox* checkComposants_ = nullptr;
  QCheckBox* checkSoudures_ = nullptr;
  QCheckBox* checkSerig_ = nullptr;
  QCheckBox* checkPercage_ = nullptr;
  QLineEdit* textEchelle_ = nullptr;
};

}  // namespace lyt
