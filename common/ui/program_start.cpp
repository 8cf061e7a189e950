#include "common/ui/program_start.h"

#include "common/ui/page_printer.h"

#include <QApplication>
#include <QGuiApplication>
#include <QLibraryInfo>
#include <QScreen>
#include <QTranslator>

#include <iostream>
#include <vector>

namespace common {
namespace {

const char* ApplicationName(Program program) { return program == Program::Lyt ? "Lytplan" : "Sktplan"; }

std::vector<std::string> ArgumentsOf(int argc, char** argv) {
  std::vector<std::string> arguments;
  for (int i = 1; i < argc; ++i) arguments.push_back(QString::fromLocal8Bit(argv[i]).toStdString());
  return arguments;
}

// A script reads the program's own messages on the error stream: the
// toolkit's notes (no runtime folder, a painter that could not start) stay
// out of it, all but the serious ones.
void KeepSeriousNotes(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (type == QtCriticalMsg || type == QtFatalMsg) std::cerr << text.toStdString() << '\n';
}

int RunWindow(int argc, char** argv, Program program, const WindowMaker& make) {
  QApplication app(argc, argv);
  QApplication::setApplicationName(ApplicationName(program));
  // The program speaks French: so do the toolkit's own dialogs and buttons.
  QTranslator toolkitFrench;
  if (toolkitFrench.load("qtbase_fr", QLibraryInfo::path(QLibraryInfo::TranslationsPath)))
    QApplication::installTranslator(&toolkitFrench);
  std::unique_ptr<MainWindowBase> window = make(QCoreApplication::applicationDirPath());
  // Without a window manager (a bare X server) maximising does nothing:
  // start at the size of the screen anyway.
  window->resize(window->screen()->availableSize());
  window->showMaximized();
  // There the window is not made active either, and its shortcuts would
  // stay dead.
  window->activateWindow();
  window->Input().Start(QCoreApplication::arguments().mid(1).join(' ').toStdString());
  window->findChild<QWidget*>("Picture2")->setFocus();
  return app.exec();
}

// Gerber and drill files need no more than the program's folder; a PDF
// needs the painting machinery, on the offscreen platform so that no
// display is ever opened.
int WriteWithoutWindow(int argc, char** argv, Program program, const CommandLine& command,
                       const OutputWriter& writeOutput) {
  qInstallMessageHandler(KeepSeriousNotes);
  std::unique_ptr<QCoreApplication> app;
  if (command.Kind == CommandKind::Pdf) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    app = std::make_unique<QGuiApplication>(argc, argv);
  } else {
    app = std::make_unique<QCoreApplication>(argc, argv);
  }
  QCoreApplication::setApplicationName(ApplicationName(program));
  const PagePrinter printPdf = [](const PrintJob& job, const PageDrawer& draw) {
    return PrintToPdfFile(QString::fromStdString(job.Printer), job, draw);
  };
  const bool written = writeOutput(command, QCoreApplication::applicationDirPath().toStdString(),
                                   printPdf, std::cerr);
  return written ? ExitDone : ExitFailed;
}

}  // namespace

int RunProgram(int argc, char** argv, Program program, const WindowMaker& make,
               const OutputWriter& writeOutput) {
  const CommandLine command = ParseCommandLine(program, ArgumentsOf(argc, argv));
  switch (command.Kind) {
    case CommandKind::Window: return RunWindow(argc, argv, program, make);
    case CommandKind::Help: std::cout << UsageText(program); return ExitDone;
    case CommandKind::Version: std::cout << VersionText(program) << '\n'; return ExitDone;
    case CommandKind::Wrong: std::cerr << command.Problem << '\n'; return ExitWrongUsage;
    default: return WriteWithoutWindow(argc, argv, program, command, writeOutput);
  }
}

}  // namespace common
