#include "common/ui/qt_ui_services.h"

#include "common/ui/french_file_columns.h"

#include <QAbstractButton>
#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QInputDialog>
#include <QLocale>
#include <QMessageBox>
#include <QRegularExpression>
#include <QSignalBlocker>
#include <QStandardPaths>

namespace common {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

QMessageBox::Icon IconOf(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Exclamation: return QMessageBox::Warning;
    case MessageIcon::Critical: return QMessageBox::Critical;
    default: return QMessageBox::NoIcon;
  }
}

// Message texts use CR LF between lines, as they are shown on every platform.
QString MessageText(const std::string& text) { return Q(text).replace("\r\n", "\n"); }

}  // namespace

MessageAnswer ShowMessageBox(QWidget* parent, const std::string& text, MessageIcon icon,
                             MessageButtons buttons, const std::string& title) {
  QMessageBox box(IconOf(icon), Q(title), MessageText(text), QMessageBox::NoButton, parent);
  if (buttons == MessageButtons::YesNoCancel) {
    box.setStandardButtons(QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel);
    box.setDefaultButton(QMessageBox::Yes);
    box.setEscapeButton(QMessageBox::Cancel);
  } else {
    box.setStandardButtons(QMessageBox::Ok);
  }
  switch (box.exec()) {
    case QMessageBox::Yes: return MessageAnswer::Yes;
    case QMessageBox::No: return MessageAnswer::No;
    case QMessageBox::Cancel: return MessageAnswer::Cancel;
    default: return MessageAnswer::Ok;
  }
}

std::string ShowInputBox(QWidget* parent, const std::string& prompt, const std::string& title,
                         const std::string& defaultAnswer) {
  bool accepted = false;
  QString answer = QInputDialog::getText(parent, Q(title), MessageText(prompt), QLineEdit::Normal,
                                         Q(defaultAnswer), &accepted);
  return accepted ? answer.toStdString() : std::string();
}

QStringList NameFiltersOf(const std::string& filter) {
  const QStringList parts = Q(filter).split('|');
  QStringList filters;
  for (int i = 0; i + 1 < parts.size(); i += 2) filters << parts[i];
  return filters;
}

QString WithFilterExtension(const QString& path, const QString& nameFilter) {
  if (!QFileInfo(path).suffix().isEmpty()) return path;
  QRegularExpressionMatch match = QRegularExpression(R"(\*(\.[^ ;)]+))").match(nameFilter);
  return match.hasMatch() ? path + match.captured(1) : path;
}

std::optional<FileChoice> ShowFileDialog(QWidget* parent, FileDialogKind kind,
                                         const FileDialogSettings& settings) {
  QFileDialog dialog(parent);
  const bool saving = kind == FileDialogKind::Save;
  dialog.setAcceptMode(saving ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
  dialog.setFileMode(saving ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
  dialog.setNameFilters(NameFiltersOf(settings.Filter));
  dialog.setProxyModel(new FrenchFileColumns(dialog.nameFilters(), &dialog));
  dialog.setDirectory(Q(settings.InitialFolder));
  if (!settings.FileName.empty()) dialog.selectFile(Q(settings.FileName));
  if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) return std::nullopt;
  QString path = dialog.selectedFiles().first();
  if (saving) path = WithFilterExtension(path, dialog.selectedNameFilter());
  return FileChoice{path.toStdString(), QFileInfo(path).fileName().toStdString()};
}

void SetControlEnabled(QWidget* root, const QString& name, bool enabled) {
  if (auto* action = root->findChild<QAction*>(name)) action->setEnabled(enabled);
  if (auto* button = root->findChild<QAbstractButton*>(name)) button->setEnabled(enabled);
}

void SetControlChecked(QWidget* root, const QString& name, bool checked) {
  if (auto* action = root->findChild<QAction*>(name)) {
    QSignalBlocker quiet(action);
    action->setChecked(checked);
  }
  if (auto* button = root->findChild<QAbstractButton*>(name)) {
    QSignalBlocker quiet(button);
    button->setChecked(checked);
  }
}

void FillComboBox(QWidget* root, const QString& name, const std::vector<std::string>& items,
                  int selected) {
  auto* combo = root->findChild<QComboBox*>(name);
  if (!combo) return;
  QSignalBlocker quiet(combo);
  combo->clear();
  for (const std::string& item : items) combo->addItem(Q(item));
  combo->setCurrentIndex(selected);
}

UserFolders PlatformUserFolders() {
  return {QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation).toStdString(),
          QDir::homePath().toStdString()};
}

QCursor CursorFor(PointerShape shape) {
  switch (shape) {
    case PointerShape::Cross: return QCursor(Qt::CrossCursor);
    case PointerShape::FourWay: return QCursor(Qt::SizeAllCursor);
    default: return QCursor(Qt::ArrowCursor);
  }
}

char UserDecimalSeparator() {
  const QString point = QLocale().decimalPoint();
  return point.size() == 1 && point[0].unicode() < 128 ? static_cast<char>(point[0].unicode()) : '.';
}

}  // namespace common
