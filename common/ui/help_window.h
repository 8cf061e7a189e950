#pragma once

#include <QPointer>
#include <QString>
#include <QWidget>

class QResizeEvent;
class QTextBrowser;

namespace common {

// What a program's help window shows.
struct HelpContent {
  QString Caption;    // " Aide Lytplan"
  QString GuidePath;  // the user guide, an HTML file or a resource (":/lyt/...")
};

HelpContent LytHelpContent();
HelpContent SktHelpContent();

// The help window FrmAide: a separate, non-modal window holding the user
// guide in one read-only rich-text box, RichTextBox1, that fills it.
class HelpWindow : public QWidget {
  Q_OBJECT

 public:
  explicit HelpWindow(const HelpContent& content, QWidget* owner = nullptr);

  QTextBrowser* TextBox() const { return textBox_; }

 protected:
  void resizeEvent(QResizeEvent* event) override;

 private:
  void LoadGuide(const QString& path);
  void FillWithTextBox();

  QTextBrowser* textBox_;
};

// Held by the main window: the "Aide" command creates the help window on
// first use and brings the same window back on later uses.
class HelpWindowLauncher {
 public:
  HelpWindowLauncher(HelpContent content, QWidget* owner);
  ~HelpWindowLauncher();
  HelpWindowLauncher(const HelpWindowLauncher&) = delete;
  HelpWindowLauncher& operator=(const HelpWindowLauncher&) = delete;

  HelpWindow* Show();

 private:
  HelpContent content_;
  QPointer<QWidget> owner_;
  QPointer<HelpWindow> window_;
};

}  // namespace common
