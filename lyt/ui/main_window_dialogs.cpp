// The text and grid-step dialogs of the main window.
#include "lyt/ui/main_window.h"

#include "common/ui/text_dialog.h"
#include "lyt/ui/grid_step_dialog.h"

namespace lyt {

// The text dialog is a child of the window, made on first use and kept, so
// its settings last while the program runs.
common::TextDialogAnswer MainWindow::ShowTextDialog(const common::TextDialogRequest& request) {
  auto* dialog =
      findChild<common::TextDialog*>(QStringLiteral("FormEditer"), Qt::FindDirectChildrenOnly);
  if (!dialog) dialog = new common::TextDialog(common::Program::Lyt, this);
  return dialog->Ask(request);
}

void MainWindow::ShowGridStepDialog(
    const std::string& stepX, const std::string& stepY,
    const std::function<bool(const std::string&, const std::string&)>& accept) {
  GridStepDialog dialog(stepX, stepY, accept, this);
  dialog.exec();
}

}  // namespace lyt
