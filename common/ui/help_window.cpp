#include "common/ui/help_window.h"

#include <QApplication>
#include <QFile>
#include <QPalette>
#include <QResizeEvent>
#include <QTextBrowser>

#include <utility>

namespace common {
namespace {

const QSize kInitialSize(680, 560);

// Menus have their own palette on some styles; the text box takes their
// background so that the guide reads like a menu page.
QColor MenuBackground() { return QApplication::palette("QMenu").color(QPalette::Window); }

}  // namespace

HelpContent LytHelpContent() { return {" Aide Lytplan", ":/lyt/aide_lyt.html"}; }

HelpContent SktHelpContent() { return {" Aide Sktplan", ":/skt/aide_skt.html"}; }

HelpWindow::HelpWindow(const HelpContent& content, QWidget* owner)
    : QWidget(owner, Qt::Window), textBox_(new QTextBrowser(this)) {
  setObjectName("FrmAide");
  setWindowTitle(content.Caption);
  textBox_->setObjectName("RichTextBox1");
  textBox_->setReadOnly(true);
  textBox_->setOpenExternalLinks(true);
  LoadGuide(content.GuidePath);
  resize(kInitialSize);
  FillWithTextBox();
}

void HelpWindow::LoadGuide(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return;  // an empty window rather than a failure
  textBox_->setHtml(QString::fromUtf8(file.readAll()));
}

void HelpWindow::resizeEvent(QResizeEvent* event) {
  QWidget::resizeEvent(event);
  FillWithTextBox();
}

void HelpWindow::FillWithTextBox() {
  textBox_->setGeometry(0, 0, width(), height());
  QPalette palette = textBox_->palette();
  palette.setColor(QPalette::Base, MenuBackground());
  textBox_->setPalette(palette);
}

HelpWindowLauncher::HelpWindowLauncher(HelpContent content, QWidget* owner)
    : content_(std::move(content)), owner_(owner) {}

// A window with an owner goes with it; one without is ours to delete.
HelpWindowLauncher::~HelpWindowLauncher() {
  if (window_ && !window_->parent()) delete window_;
}

HelpWindow* HelpWindowLauncher::Show() {
  if (!window_) window_ = new HelpWindow(content_, owner_);
  if (window_->isMinimized()) window_->showNormal();
  window_->show();
  window_->raise();
  window_->activateWindow();
  return window_;
}

}  // namespace common
