#pragma once

#include "common/core/editor_input.h"
#include "common/core/program.h"
#include "common/core/ui_port.h"
#include "common/ui/drawing_area.h"
#include "common/ui/help_window.h"
#include "common/ui/print_dialog_frame.h"

#include <QMainWindow>
#include <QPoint>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

class QAction;
class QComboBox;
class QLabel;
class QMenu;
class QToolButton;

namespace common {

// A drop-down list of the row above the drawing area, with its label.
struct ListEntry {
  const char* Label;
  const char* Name;
  int Width;
};

// A button of the tool palette: its control name and tool tip.
struct PaletteButton {
  const char* Name;
  const char* ToolTip;
};

// The skeleton of both programs' Form1: the drawing area with its scroll
// bars, the status bar, the tool palette, the wiring of mouse, keys, lists,
// resizing and closing to the editor, and the shared part of the UI port.
// A program's window adds its menus, lists and own dialogs.
class MainWindowBase : public QMainWindow, public virtual UiPort {
  Q_OBJECT

 public:
  ~MainWindowBase() override;

  EditorInput& Input() { return *input_; }

  // UiPort
  MessageAnswer ShowMessage(const std::string& text, MessageIcon icon, MessageButtons buttons,
                            const std::string& title) override;
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultAnswer) override;
  void SetStatusText(int panel, const std::string& text) override;
  void SetCaption(const std::string& caption) override;
  void SetEnabled(const std::string& control, bool enabled) override;
  void SetChecked(const std::string& control, bool checked) override;
  void SetPointer(PointerShape shape) override;
  void FillList(const std::string& control, const std::vector<std::string>& items,
                int selected) override;
  int ListIndex(const std::string& control) const override;
  std::string ListText(const std::string& control) const override;
  void SelectOption(const std::string& control) override;
  void Beep() override;
  std::optional<FileChoice> AskFileName(FileDialogKind kind,
                                        const FileDialogSettings& settings) override;
  Canvas& DrawingArea() override;
  WindowMetrics Metrics() const override;
  void ApplyLayout(const WindowLayout& layout) override;
  PixelPoint ScreenCursor() const override;
  PixelPoint CursorInDrawingArea() const override;
  PixelRect Picture1OnScreen() const override;
  void WarpPointer(PixelPoint screen) override;
  void PopUpEditMenu() override;
  void FocusDrawingArea() override;
  TextDialogAnswer ShowTextDialog(const TextDialogRequest& request) override;
  void RegisterFileTypes() override;
  void ShowHelp() override;
  void CopyPictureToClipboard(int width, int height, const PictureDrawer& draw) override;
  char DecimalSeparator() const override;
  bool ShowPrinterProperties(const std::string& printer) override;
  PrintOutcome PrintPage(const PrintJob& job, const PageDrawer& draw) override;
  bool PointerOverDrawingArea() const override;
  UserFolders Folders() const override;

 protected:
  MainWindowBase(Program program, const QString& programFolder);

  // The editor every event goes to; set once by the program's window after
  // it has made its editor.
  void Attach(EditorInput& input);

  QWidget* Central() const { return central_; }
  // The tool palette: a caption, then the buttons in two columns in Frame2.
  // Each click goes to the editor's ToolButton. Returns the palette's height.
  int BuildToolPalette(const char* caption, const std::vector<PaletteButton>& tools);
  // A button of the palette's kind (checkable, iconed, never taking the keys).
  QToolButton* MakePaletteButton(const PaletteButton& button, QWidget* parent);
  void BuildStatusBar(const std::vector<int>& panelWidths);
  // A drop-down list: it takes the focus only when clicked, and taking it
  // ends the current tool. The first one gives the combo height to the layout.
  QComboBox* AddList(const char* name, QWidget* parent);
  // The row of labelled lists above the drawing area, left to right.
  void BuildListRow(const std::vector<ListEntry>& entries);
  // A menu item named `name`; `command` runs when it is chosen.
  QAction* AddMenuItem(QMenu* menu, const char* name, const char* caption,
                       std::function<void()> command = {});
  void AddMenuSeparator(QMenu* menu, const char* name);
  // The menus both programs have. A program adds its own items where the
  // callback is called: `outputs` between printing and Quitter, `own` after
  // the clipboard items of Edition and between the grid items and the zoom
  // of Affichage. Separators that differ between the programs are named by
  // the caller.
  QMenu* BuildFileMenu(const std::function<void(QMenu*)>& outputs);
  QMenu* BuildEditMenu(const char* separator, const std::function<void(QMenu*)>& own);
  QMenu* BuildViewMenu(const char* separator, const std::function<void(QMenu*)>& own);
  QMenu* BuildHelpMenu(const char* separator);
  void Quit();
  // The program's print dialog, whose printer row prints the pages.
  virtual PrintDialogFrame& PrintDialogWindow() = 0;

  void closeEvent(QCloseEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ConnectDrawingArea();
  void ConnectMouse();
  // A menu of the window: where the pointer was when it closed is kept.
  QMenu* NewMenu(const char* caption, const char* name);

  Program program_;
  QString programFolder_;
  QWidget* central_ = nullptr;
  std::unique_ptr<common::DrawingArea> drawingArea_;
  QMenu* editMenu_ = nullptr;
  QComboBox* referenceList_ = nullptr;
  std::vector<QLabel*> panels_;
  bool quitting_ = false;
  std::optional<QPoint> menuClosedAt_;  // a menu choice leaves the pointer there
  std::unique_ptr<HelpWindowLauncher> help_;
  EditorInput* input_ = nullptr;
};

}  // namespace common
