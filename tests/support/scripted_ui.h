#pragma once

#include "common/core/ui_port.h"
#include "support/recording_canvas.h"

#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

namespace testing_support {

// The next of the scripted answers, taken; `none` when they have run out.
template <class T>
T Next(std::deque<T>& answers, T none = T()) {
  if (answers.empty()) return none;
  T answer = std::move(answers.front());
  answers.pop_front();
  return answer;
}

// A UI port that records what the core shows and answers from a script.
class ScriptedUi : public virtual common::UiPort {
 public:
  struct Message {
    std::string Text;
    common::MessageIcon Icon;
    common::MessageButtons Buttons;
    std::string Title;
  };
  struct Input {
    std::string Prompt;
    std::string Title;
    std::string Default;
  };

  std::vector<Message> Messages;
  std::vector<Input> Inputs;
  std::deque<common::MessageAnswer> Answers;  // for Yes/No/Cancel boxes
  std::deque<std::string> InputAnswers;       // for input boxes ("" = cancel)
  std::map<int, std::string> Status;
  std::map<std::string, bool> Enabled;
  std::map<std::string, bool> Checked;
  std::string Caption;
  common::PointerShape Pointer = common::PointerShape::Arrow;
  int Beeps = 0;
  char Separator = '.';

  std::deque<std::optional<common::FileChoice>> FileAnswers;  // empty: cancelled
  std::vector<std::pair<common::FileDialogKind, common::FileDialogSettings>> FileDialogs;
  RecordingCanvas Canvas;
  common::WindowMetrics WindowMetrics{1280, 800, false, 24, 16, 16, 22};
  std::vector<common::WindowLayout> Layouts;
  common::PixelPoint Screen{640, 400};
  common::PixelPoint InDrawing{100, 100};
  common::PixelRect Picture1Screen{50, 24, 1214, 738};
  std::vector<common::PixelPoint> Warps;
  int Registrations = 0;
  std::map<std::string, std::pair<std::vector<std::string>, int>> Lists;
  std::string Option;
  std::map<std::string, int> ListIndices;  // overrides the index chosen by FillList
  int EditMenuPopUps = 0;
  std::vector<common::TextDialogRequest> TextRequests;
  std::deque<common::TextDialogAnswer> TextAnswers;  // empty: cancelled
  bool PrinterOpens = true;                   // for "Propriétés"
  std::vector<std::string> PropertiesShown;   // printers whose set-up was shown
  // Pages: each is drawn on Printer with pixels of PrinterPixelMm (600 dpi)
  // unless PageOutcomes says it was cancelled or failed.
  std::vector<common::PrintJob> PrintJobs;
  std::deque<common::PrintOutcome> PageOutcomes;  // empty: printed
  RecordingCanvas Printer;
  double PrinterPixelMmX = 25.4 / 600, PrinterPixelMmY = 25.4 / 600;
  std::function<void()> WhilePrinting;  // runs while a page is drawn, as a repaint would

  common::MessageAnswer ShowMessage(const std::string& text, common::MessageIcon icon,
                                    common::MessageButtons buttons,
                                    const std::string& title) override {
    Messages.push_back({text, icon, buttons, title});
    return buttons == common::MessageButtons::Ok ? common::MessageAnswer::Ok : Next(Answers, common::MessageAnswer::Ok);
  }
  std::string InputBox(const std::string& prompt, const std::string& title,
                       const std::string& defaultAnswer) override {
    Inputs.push_back({prompt, title, defaultAnswer});
    return Next(InputAnswers);
  }
  void SetStatusText(int panel, const std::string& text) override { Status[panel] = text; }
  void SetCaption(const std::string& caption) override { Caption = caption; }
  void SetEnabled(const std::string& control, bool enabled) override { Enabled[control] = enabled; }
  void SetChecked(const std::string& control, bool checked) override { Checked[control] = checked; }
  void SetPointer(common::PointerShape shape) override { Pointer = shape; }
  void Beep() override { ++Beeps; }
  char DecimalSeparator() const override { return Separator; }

  std::optional<common::FileChoice> AskFileName(common::FileDialogKind kind,
                                                const common::FileDialogSettings& settings) override {
    FileDialogs.emplace_back(kind, settings);
    return Next(FileAnswers);
  }
  common::Canvas& DrawingArea() override { return Canvas; }
  common::WindowMetrics Metrics() const override { return WindowMetrics; }
  void ApplyLayout(const common::WindowLayout& layout) override { Layouts.push_back(layout); }
  common::PixelPoint ScreenCursor() const override { return Screen; }
  common::PixelPoint CursorInDrawingArea() const override { return InDrawing; }
  common::PixelRect Picture1OnScreen() const override { return Picture1Screen; }
  void WarpPointer(common::PixelPoint screen) override { Warps.push_back(screen); }
  void RegisterFileTypes() override { ++Registrations; }
  void FillList(const std::string& control, const std::vector<std::string>& items,
                int selected) override {
    Lists[control] = {items, selected};
  }
  void SelectOption(const std::string& control) override { Option = control; }
  int ListIndex(const std::string& control) const override {
    auto chosen = ListIndices.find(control);
    if (chosen != ListIndices.end()) return chosen->second;
    auto list = Lists.find(control);
    return list == Lists.end() ? -1 : list->second.second;
  }
  std::string ListText(const std::string& control) const override {
    auto list = Lists.find(control);
    const std::size_t index = static_cast<std::size_t>(ListIndex(control));  // -1: past any end
    return list == Lists.end() || index >= list->second.first.size() ? std::string() : list->second.first[index];
  }
  void PopUpEditMenu() override { ++EditMenuPopUps; }
  void FocusDrawingArea() override {}
  common::TextDialogAnswer ShowTextDialog(const common::TextDialogRequest& request) override {
    TextRequests.push_back(request);
    return Next(TextAnswers);
  }
  bool ShowPrinterProperties(const std::string& printer) override {
    PropertiesShown.push_back(printer);
    return PrinterOpens;
  }
  common::PrintOutcome PrintPage(const common::PrintJob& job,
                                 const common::PageDrawer& draw) override {
    PrintJobs.push_back(job);
    const common::PrintOutcome outcome = Next(PageOutcomes, common::PrintOutcome::Printed);
    if (outcome != common::PrintOutcome::Printed) return outcome;
    Printer.Clear();
    draw(Printer, PrinterPixelMmX, PrinterPixelMmY);
    if (WhilePrinting) WhilePrinting();
    return outcome;
  }

  void ShowHelp() override {}
  // Clipboard pictures: their sizes, and the last one drawn.
  std::vector<std::pair<int, int>> ClipboardSizes;
  RecordingCanvas ClipboardPicture;
  void CopyPictureToClipboard(int width, int height, const common::PictureDrawer& draw) override {
    ClipboardSizes.emplace_back(width, height);
    ClipboardPicture.Clear();
    draw(ClipboardPicture);
  }

  std::vector<std::string> MessageTexts() const {
    std::vector<std::string> texts;
    for (const Message& m : Messages) texts.push_back(m.Text);
    return texts;
  }
};

}  // namespace testing_support
