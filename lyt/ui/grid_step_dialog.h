#pragma once

#include <QDialog>

#include <functional>
#include <string>

class QLineEdit;
class QShowEvent;

namespace lyt {

// FormPasGrille: the horizontal and vertical grid steps. OK hands both texts
// to the editor, and the dialog closes only when the editor takes them. Made
// afresh at each use, so it always shows the current steps.
class GridStepDialog : public QDialog {
  Q_OBJECT

 public:
  using Accept = std::function<bool(const std::string&, const std::string&)>;

  GridStepDialog(const std::string& stepX, const std::string& stepY, Accept accept,
                 QWidget* parent = nullptr);

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  void CmdOkClicked();

  QLineEdit* textX_;
  QLineEdit* textY_;
  Accept accept_;
};

}  // namespace lyt
