#pragma once

#include "common/ui/main_window_base.h"
#include "skt/editor/schematic_editor.h"
#include "skt/editor/schematic_ui.h"

#include <memory>

class QMenu;

namespace skt {

// Form1 of the schematic editor: the shared window with the schematic's
// menus, tool palette, circle size and component lists, and its print dialog.
class MainWindow : public common::MainWindowBase, public SchematicUi {
  Q_OBJECT
 public:
  explicit MainWindow(const QString& programFolder);
  ~MainWindow() override;

  SchematicEditor& Editor() { return *editor_; }

  // SchematicUi
  void ShowPrintDialog(const PrintDialogHandlers& handlers) override;

 protected:
  common::PrintDialogFrame& PrintDialogWindow() override;

 private:
  QAction* AddItem(QMenu* menu, const char* name, const char* caption,
                   void (SchematicEditor::*command)());
  void BuildLists();

  std::unique_ptr<SchematicEditor> editor_;
};

}  // namespace skt
