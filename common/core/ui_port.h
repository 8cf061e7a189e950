#pragma once

#include "common/core/canvas.h"
#include "common/core/file_problem.h"
#include "common/core/geometry.h"
#include "common/core/message_icon.h"
#include "common/core/window_layout.h"

#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace common {

enum class MessageButtons { Ok, YesNoCancel };
enum class MessageAnswer { Ok, Yes, No, Cancel };
enum class PointerShape { Arrow, Cross, FourWay };
enum class FileDialogKind { Open, Save };

// What the open/save dialog is set up with.
struct FileDialogSettings {
  std::string Filter;         // "Circuit Imprimé (*.Lyt)|*.Lyt|Empreinte (*.Emp)|*.Emp"
  std::string InitialFolder;
  std::string FileName;       // preset name in the dialog
};

// The user's own folders, as the platform names them; empty when unknown.
struct UserFolders {
  std::string Documents;
  std::string Home;
};

// The file the user chose: full path, and title (name with extension).
struct FileChoice {
  std::string Path;
  std::string Title;
};

// The text dialog: a new text (numbering controls shown, text emptied) or
// the edit of an existing one (its text preset and selected, numbering hidden).
struct TextDialogRequest {
  bool NewText = true;
  std::string Text;
  int SizeIndex = -1;  // entry to select; -1 keeps the dialog's last choice
};

struct TextDialogAnswer {
  bool Accepted = false;
  std::string Text;
  int SizeIndex = 0;
  bool Numbering = false;       // "Incrémentation automatique du texte"
  std::string NumberingStart;   // "A Partir de   :"
};

// The buttons of a print dialog that the core answers: `Print` (CmdImprim)
// gets what the dialog holds and returns true when the page went out, which
// hides the dialog; a refused choice leaves it open. `Properties` (Command1)
// gets the chosen printer. Each program's dialog holds its own choice.
template <class Choice>
struct PrintDialogHandlers {
  std::function<bool(const Choice&)> Print;
  std::function<void(const std::string&)> Properties;
};

// How the printer is set up for one page.
struct PrintJob {
  std::string Printer;       // as listed in ComboPrinter
  bool Colour = true;        // colour mode, else monochrome
  bool Landscape = true;
  std::string DocumentName;  // the document's path: print job title, PDF file name
};

enum class PrintOutcome {
  Printed,    // the page went to the printer
  Cancelled,  // the user gave up (no file name for a PDF)
  Failed,     // the printer or the file could not be opened or written
};

// Draws one page: the canvas is in printer pixels from the top-left corner of
// the printable area; the two numbers are the width and the height of one
// printer pixel in millimetres.
using PageDrawer = std::function<void(Canvas&, double, double)>;

// Draws a picture for the clipboard: the canvas is `width` by `height` pixels.
using PictureDrawer = std::function<void(Canvas&)>;

// What the core asks of the window, the part both programs share: implemented
// by the Qt main window, and by a scripted fake in the tests. Each program
// adds its own dialogs in an interface derived from this one (virtually, so
// a window can implement the shared part once). Controls are named as in the
// window ("MnuCopier", "OptRond"...).
class UiPort {
 public:
  virtual ~UiPort() = default;

  // A modal message box; an empty title stands for the program's own title.
  virtual MessageAnswer ShowMessage(const std::string& text, MessageIcon icon,
                                    MessageButtons buttons, const std::string& title) = 0;
  // A one-line input box; the empty string when cancelled.
  virtual std::string InputBox(const std::string& prompt, const std::string& title,
                               const std::string& defaultAnswer) = 0;

  // Status-bar panels are numbered from 1.
  virtual void SetStatusText(int panel, const std::string& text) = 0;
  virtual void SetCaption(const std::string& caption) = 0;
  virtual void SetEnabled(const std::string& control, bool enabled) = 0;
  virtual void SetChecked(const std::string& control, bool checked) = 0;
  virtual void SetPointer(PointerShape shape) = 0;
  // Fills a drop-down list and selects one entry (-1: none).
  virtual void FillList(const std::string& control, const std::vector<std::string>& items,
                        int selected) = 0;
  // The selected entry of a list (-1 when none) and its text.
  virtual int ListIndex(const std::string& control) const = 0;
  virtual std::string ListText(const std::string& control) const = 0;
  // Selects an option button (the others of its group go off).
  virtual void SelectOption(const std::string& control) = 0;
  virtual void Beep() = 0;

  // The open or save dialog; nothing when cancelled.
  virtual std::optional<FileChoice> AskFileName(FileDialogKind kind,
                                                const FileDialogSettings& settings) = 0;

  // The drawing area Picture2 as a canvas in drawing-area pixels, valid until
  // the current event returns, and a request to show what was drawn on it.
  virtual Canvas& DrawingArea() = 0;
  // The window's sizes as the layout needs them, and applying its result.
  virtual WindowMetrics Metrics() const = 0;
  virtual void ApplyLayout(const WindowLayout& layout) = 0;
  // Pointer position on the screen and in the drawing area; pointer warp.
  virtual PixelPoint ScreenCursor() const = 0;
  virtual PixelPoint CursorInDrawingArea() const = 0;
  virtual PixelRect Picture1OnScreen() const = 0;
  virtual void WarpPointer(PixelPoint screen) = 0;
  // The edit menu as a pop-up menu at the pointer.
  virtual void PopUpEditMenu() = 0;
  virtual void FocusDrawingArea() = 0;
  // The text dialog, modal; it keeps its settings from one use to the next.
  virtual TextDialogAnswer ShowTextDialog(const TextDialogRequest& request) = 0;
  // Registers the program's file types with the system; failures are ignored.
  virtual void RegisterFileTypes() = 0;

  // The program's user guide in its help window.
  virtual void ShowHelp() = 0;
  // Puts a picture on the system clipboard: `draw` paints it on a blank
  // canvas of the given size in pixels.
  virtual void CopyPictureToClipboard(int width, int height, const PictureDrawer& draw) = 0;
  // The platform's set-up dialog for a printer of the list; false when the
  // printer cannot be opened.
  virtual bool ShowPrinterProperties(const std::string& printer) = 0;
  // Prints one page on a printer of the list, set up as `job` says: `draw`
  // paints it, and the page goes out when it returns.
  virtual PrintOutcome PrintPage(const PrintJob& job, const PageDrawer& draw) = 0;

  // The user's decimal separator, for numbers shown to the user.
  virtual char DecimalSeparator() const { return '.'; }

  // Whether the pointer rests on the drawing area with nothing in front of
  // it: after a choice from a menu it rests where the menu was.
  virtual bool PointerOverDrawingArea() const { return true; }
  // Where file dialogs open when the document gives no folder.
  virtual UserFolders Folders() const { return {}; }

  // Shorthand for the common OK-only message.
  void Tell(const std::string& text, MessageIcon icon = MessageIcon::None) {
    ShowMessage(text, icon, MessageButtons::Ok, std::string());
  }
  // What a reader or writer could not do.
  void Tell(const FileProblem& problem) { Tell(problem.Text, problem.Icon); }
};

}  // namespace common
