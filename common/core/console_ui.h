#pragma once

#include "common/core/ui_port.h"

#include <functional>
#include <ostream>

namespace common {

// Prints one page to the file a command line names.
using PagePrinter = std::function<PrintOutcome(const PrintJob&, const PageDrawer&)>;

// The UI port of a program run for an output, with no window: every message
// the window would show goes to `messages`, one line per line of its text;
// pages go to `printPage`, the job's printer being the file to write.
// Everything else (lists, caption, pointer, file types) does nothing, and
// dialogs are cancelled.
class ConsoleUi : public virtual UiPort {
 public:
  ConsoleUi(std::ostream& messages, PagePrinter printPage);

  MessageAnswer ShowMessage(const std::string& text, MessageIcon icon, MessageButtons buttons,
                            const std::string& title) override;
  std::string InputBox(const std::string&, const std::string&, const std::string&) override {
    return {};
  }
  void SetStatusText(int, const std::string&) override {}
  void SetCaption(const std::string&) override {}
  void SetEnabled(const std::string&, bool) override {}
  void SetChecked(const std::string&, bool) override {}
  void SetPointer(PointerShape) override {}
  void FillList(const std::string&, const std::vector<std::string>&, int) override {}
  int ListIndex(const std::string&) const override { return -1; }
  std::string ListText(const std::string&) const override { return {}; }
  void SelectOption(const std::string&) override {}
  void Beep() override {}
  std::optional<FileChoice> AskFileName(FileDialogKind, const FileDialogSettings&) override {
    return std::nullopt;
  }
  Canvas& DrawingArea() override;
  WindowMetrics Metrics() const override { return {}; }
  void ApplyLayout(const WindowLayout&) override {}
  PixelPoint ScreenCursor() const override { return {}; }
  PixelPoint CursorInDrawingArea() const override { return {}; }
  PixelRect Picture1OnScreen() const override { return {}; }
  void WarpPointer(PixelPoint) override {}
  void PopUpEditMenu() override {}
  void FocusDrawingArea() override {}
  TextDialogAnswer ShowTextDialog(const TextDialogRequest&) override { return {}; }
  void RegisterFileTypes() override {}
  void ShowHelp() override {}
  void CopyPictureToClipboard(int, int, const PictureDrawer&) override {}
  bool ShowPrinterProperties(const std::string&) override { return false; }
  // A file that cannot be written is named before the printer failure the
  // editor reports.
  PrintOutcome PrintPage(const PrintJob& job, const PageDrawer& draw) override;

 private:
  std::ostream& messages_;
  PagePrinter printPage_;
};

}  // namespace common
