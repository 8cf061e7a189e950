#pragma once

#include "common/core/program.h"
#include "common/core/ui_port.h"

#include <QDialog>

class QCheckBox;
class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QShowEvent;

namespace common {

// FormEditer: a text, its height and, for a new text, the automatic
// numbering of a run of labels. The main window creates it on first use and
// keeps it, so the height, the check box and the start number stay as the
// user left them.
class TextDialog : public QDialog {
  Q_OBJECT

 public:
  TextDialog(Program program, QWidget* parent = nullptr);

  // Sets the dialog up for a request, shows it modally and tells the answer.
  TextDialogAnswer Ask(const TextDialogRequest& request);

  // The two halves of Ask, for callers that show the dialog themselves.
  void Prepare(const TextDialogRequest& request);
  TextDialogAnswer Answer() const;

  // Annuler, Escape and the close box: no text.
  void reject() override;

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLineEdit* text1_;
  QComboBox* comboTailleTexte_;
  QCheckBox* checkInc_;
  QLabel* lblInc_;
  QLineEdit* textInc_;
  bool newText_ = true;
};

}  // namespace common
