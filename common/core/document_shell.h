#pragma once

#include "common/core/ui_port.h"

#include <string>

namespace common {

// What the New / Open / Save / Quit commands need from a program's document.
class ShellDocument {
 public:
  virtual ~ShellDocument() = default;

  // No element slot at all (deleted elements still count as slots).
  virtual bool IsEmpty() const = 0;
  virtual bool IsModified() const = 0;
  virtual void ClearModified() = 0;
  virtual const std::string& FileName() const = 0;
  virtual void SetFileName(const std::string& path) = 0;
  virtual const std::string& CaptionPrefix() const = 0;
  virtual FileDialogSettings DialogSettings() const = 0;
  // Writes the document to FileName, telling the user of a write-protected
  // target; true when written.
  virtual bool Write() = 0;
  // Resets the document (and the window's lists) and lays the window out.
  virtual void Reset() = 0;
  // Reads FileName into the freshly reset document and shows it.
  virtual void Read() = 0;

  // The window caption: the prefix, then the name shown (the full path, or
  // the title the file dialog gave).
  void ShowName(const std::string& name, UiPort& ui) {
    shownName_ = name;
    ui.SetCaption(CaptionPrefix() + name);
  }
  const std::string& ShownName() const { return shownName_; }

 private:
  std::string shownName_;
};

inline constexpr const char* kSaveChangesQuestion = "Enregistrer les changements ?";

// True when the current document may be dropped: it is empty or unchanged,
// or the user answered No, or Yes and the save succeeded.
bool ConfirmSaveChanges(ShellDocument& document, UiPort& ui);

// Saves under the current name, asking for one for an unnamed document.
// True unless something (a cancelled dialog included) interrupted it.
bool SaveDocument(ShellDocument& document, UiPort& ui);

// Asks for a name (empty preset) and saves; nothing for an empty document.
// When the save fails the document keeps its old name and caption.
void SaveDocumentAs(ShellDocument& document, UiPort& ui);

void NewDocument(ShellDocument& document, UiPort& ui);
void OpenDocument(ShellDocument& document, UiPort& ui);

// Quit and closing the main window: true when the program may end.
bool MayQuit(ShellDocument& document, UiPort& ui);

}  // namespace common
