#pragma once

#include "common/core/ui_port.h"
#include "common/ui/drawing_area.h"
#include "common/ui/help_window.h"
#include "lyt/editor/board_editor.h"

#include <QMainWindow>

#include <memory>

class QAction;
class QButtonGroup;
class QComboBox;
class QFrame;
class QLabel;
class QMenu;

namespace lyt {

// Form1 of the board editor: menus, tool palette, size lists, drawing area
// and status bar. It forwards every event to the editor and carries out
// what the editor asks through the UI port.
class MainWindow : public QMainWindow, public BoardUi {
  Q_OBJECT
 public:
  explicit MainWindow(const QString& programFolder);
  ~MainWindow() override;

  BoardEditor& Editor() { return *editor_; }

  // UiPort
  common::MessageAnswer ShowMessage(const std::string& text, common::MessageIcon icon,
                                    common::MessageButtons buttons,
                                    const std::string& title) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultAnswer) override;
  void SetStatusText(int panel, const std::string& text) override;
  void SetCaption(const std::string& caption) override;
  void SetEnabled(const std::string& control, bool enabled) override;
  void SetChecked(const std::string& control, bool checked) override;
  void SetPointer(common::PointerShape shape) override;
  void FillList(const std::string& control, const std::vector<std::string>& items,
                int selected) override;
  void SelectOption(const std::string& control) override;
  void SetShapeColour(common::Colour colour) override;
  void Beep() override;
  std::optional<common::FileChoice> AskFileName(common::FileDialogKind kind,
                                                const common::FileDialogSettings& settings) override;
  common::Canvas& DrawingArea() override;
  common::WindowMetrics Metrics() const override;
  void ApplyLayout(const common::WindowLayout& layout) override;
  common::PixelPoint ScreenCursor() const override;
  common::PixelPoint CursorInDrawingArea() const override;
  common::PixelRect Picture1OnScreen() const override;
  void WarpPointer(common::PixelPoint screen) override;
  void RegisterFileTypes() override;
  int ListIndex(const std::string& control) const override;
  std::string ListText(const std::string& control) const override;
  void PopUpEditMenu() override;
  void FocusDrawingArea() override;
  common::TextDialogAnswer ShowTextDialog(const common::TextDialogRequest& request) override;
  void ShowGridStepDialog(
      const std::string& stepX, const std::string& stepY,
      const std::function<bool(const std::string&, const std::string&)>& accept) override;
  char DecimalSeparator() const override;
  void ShowPrintDialog(const lyt::PrintDialogHandlers& handlers) override;
  void ShowHelp() override;
  void CopyPictureToClipboard(int width, int height, const common::PictureDrawer& draw) override;
  bool ShowPrinterProperties(const std::string& printer) override;
  common::PrintOutcome PrintPage(const common::PrintJob& job, const common::PageDrawer& draw) override;

 protected:
  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void BuildMenus();
  QMenu* BuildFileMenu();
  QMenu* BuildEditMenu();
  QMenu* BuildViewMenu();
  QMenu* BuildHelpMenu();
  QAction* AddItem(QMenu* menu, const char* name, const char* caption,
                   void (BoardEditor::*command)() = nullptr);
  void AddSeparator(QMenu* menu, const char* name);
  void BuildPalette(QWidget* central);
  void BuildSizeLists(QWidget* central);
  void BuildStatusBar();
  void ConnectDrawingArea();
  void ConnectMouse();
  void ConnectToolButtons();
  void Quit();

  QString programFolder_;
  QWidget* central_ = nullptr;
  std::unique_ptr<common::DrawingArea> drawingArea_;
  QMenu* editMenu_ = nullptr;
  QFrame* shape1_ = nullptr;
  QComboBox* comboPastille_ = nullptr;
  std::vector<QLabel*> panels_;
  bool quitting_ = false;
  std::unique_ptr<common::HelpWindowLauncher> help_;
  std::unique_ptr<BoardEditor> editor_;
};

}  // namespace lyt
