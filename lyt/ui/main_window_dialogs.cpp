// The text and grid-step dialogs of the main window (being written).
#include "lyt/ui/main_window.h"

namespace lyt {

common::TextDialogAnswer MainWindow::ShowTextDialog(const common::TextDialogRequest&) {
  return common::TextDialogAnswer{};
}

void MainWindow::ShowGridStepDialog(const std::string&, const std::string&,
                                    const std::function<bool(const std::string&, const std::string&)>&) {}

}  // namespace lyt
