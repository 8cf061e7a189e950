#include "common/core/document_shell.h"

#include "common/core/untitled_name.h"

namespace common {
namespace {

// The save dialog with the given preset name; on a choice the document takes
// the path and the caption shows the file's title.
bool AskSaveName(ShellDocument& document, const std::string& presetName, UiPort& ui) {
  FileDialogSettings settings = document.DialogSettings();
  settings.FileName = presetName;
  std::optional<FileChoice> choice = ui.AskFileName(FileDialogKind::Save, settings);
  if (!choice) return false;
  document.SetFileName(choice->Path);
  document.ShowName(choice->Title, ui);
  return true;
}

}  // namespace

bool ConfirmSaveChanges(ShellDocument& document, UiPort& ui) {
  if (document.IsEmpty() || !document.IsModified()) return true;
  MessageAnswer answer = ui.ShowMessage(kSaveChangesQuestion, MessageIcon::Exclamation,
                                        MessageButtons::YesNoCancel, std::string());
  if (answer == MessageAnswer::Yes) return SaveDocument(document, ui);
  return answer == MessageAnswer::No;
}

bool SaveDocument(ShellDocument& document, UiPort& ui) {
  if (document.IsEmpty()) return true;
  if (document.FileName() == UntitledFileName && !AskSaveName(document, UntitledFileName, ui))
    return false;
  return document.Write();
}

void SaveDocumentAs(ShellDocument& document, UiPort& ui) {
  if (document.IsEmpty()) return;
  const std::string oldPath = document.FileName();
  const std::string oldName = document.ShownName();
  if (!AskSaveName(document, std::string(), ui)) return;
  if (document.Write()) return;
  // Nothing was written under the new name: the document is still the old file.
  document.SetFileName(oldPath);
  document.ShowName(oldName, ui);
}

// A new document starts unchanged, so quitting it asks nothing.
void NewDocument(ShellDocument& document, UiPort& ui) {
  if (!ConfirmSaveChanges(document, ui)) return;
  document.Reset();
  document.ClearModified();
}

void OpenDocument(ShellDocument& document, UiPort& ui) {
  if (!ConfirmSaveChanges(document, ui)) return;
  std::optional<FileChoice> choice =
      ui.AskFileName(FileDialogKind::Open, document.DialogSettings());
  if (!choice) return;
  document.Reset();
  document.ClearModified();
  document.SetFileName(choice->Path);
  document.ShowName(choice->Title, ui);
  document.Read();
}

bool MayQuit(ShellDocument& document, UiPort& ui) { return ConfirmSaveChanges(document, ui); }

}  // namespace common
