#pragma once

#include "common/ui/main_window_base.h"
#include "lyt/editor/board_editor.h"
#include "lyt/editor/board_ui.h"

#include <memory>

class QFrame;
class QMenu;

namespace lyt {

// Form1 of the board editor: the shared window with the board's menus, tool
// palette, layer buttons, size and footprint lists, and its own dialogs.
class MainWindow : public common::MainWindowBase, public BoardUi {
  Q_OBJECT
 public:
  explicit MainWindow(const QString& programFolder);
  ~MainWindow() override;

  BoardEditor& Editor() { return *editor_; }

  // BoardUi
  void SetShapeColour(common::Colour colour) override;
  void ShowGridStepDialog(
      const std::string& stepX, const std::string& stepY,
      const std::function<bool(const std::string&, const std::string&)>& accept) override;
  void ShowPrintDialog(const PrintDialogHandlers& handlers) override;

 protected:
  common::PrintDialogFrame& PrintDialogWindow() override;

 private:
  void AddLayerItems(QMenu* menu);
  QAction* AddItem(QMenu* menu, const char* name, const char* caption, void (BoardEditor::*command)());
  void BuildLayerButtons(int top);
  void BuildLists();

  QFrame* shape1_ = nullptr;
  std::unique_ptr<BoardEditor> editor_;
};

}  // namespace lyt
