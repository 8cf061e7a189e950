#include "lyt/ui/main_window.h"

#include <QApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QStringList>
#include <QTranslator>

// The whole command line, arguments joined by single spaces, names the
// document to open, so a path with spaces works unquoted.
static std::string CommandLineDocument(const QStringList& arguments) {
  return arguments.mid(1).join(' ').toStdString();
}

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  QApplication::setApplicationName("Lytplan");
  // The program speaks French: so do the toolkit's own dialogs and buttons.
  QTranslator toolkitFrench;
  if (toolkitFrench.load("qtbase_fr", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&toolkitFrench);
  lyt::MainWindow window(QCoreApplication::applicationDirPath());
  // Without a window manager (a bare X server) maximising does nothing:
  // start at the size of the screen anyway.
  window.resize(window.screen()->availableSize());
  window.showMaximized();
  window.Editor().Start(CommandLineDocument(QCoreApplication::arguments()));
  window.findChild<QWidget*>("Picture2")->setFocus();
  return app.exec();
}
