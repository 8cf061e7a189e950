// The grid-step dialog of the main window.
#include "lyt/ui/main_window.h"

#include "lyt/ui/grid_step_dialog.h"

namespace lyt {

void MainWindow::ShowGridStepDialog(
    const std::string& stepX, const std::string& stepY,
    const std::function<bool(const std::string&, const std::string&)>& accept) {
  GridStepDialog dialog(stepX, stepY, accept, this);
  dialog.exec();
}

}  // namespace lyt
