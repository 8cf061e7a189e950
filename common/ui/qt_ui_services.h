#pragma once

#include "common/core/ui_port.h"

#include <QCursor>
#include <QString>
#include <QWidget>

#include <optional>
#include <string>
#include <vector>

namespace common {

// The Qt side of the UI port services that both main windows share.

MessageAnswer ShowMessageBox(QWidget* parent, const std::string& text, MessageIcon icon,
                             MessageButtons buttons, const std::string& title);
// The empty string when cancelled.
std::string ShowInputBox(QWidget* parent, const std::string& prompt, const std::string& title,
                         const std::string& defaultAnswer);

// "Circuit Imprimé (*.Lyt)|*.Lyt|Empreinte (*.Emp)|*.Emp" as Qt name filters.
QStringList NameFiltersOf(const std::string& filter);
// Adds the extension of the chosen filter to a name typed without one.
QString WithFilterExtension(const QString& path, const QString& nameFilter);
std::optional<FileChoice> ShowFileDialog(QWidget* parent, FileDialogKind kind,
                                         const FileDialogSettings& settings);

// Menu items (QAction) and buttons are found by object name under `root`.
void SetControlEnabled(QWidget* root, const QString& name, bool enabled);
void SetControlChecked(QWidget* root, const QString& name, bool checked);
void FillComboBox(QWidget* root, const QString& name, const std::vector<std::string>& items,
                  int selected);

// The user's documents folder (XDG) and home folder.
UserFolders PlatformUserFolders();

QCursor CursorFor(PointerShape shape);
char UserDecimalSeparator();

}  // namespace common
