#pragma once

#include "common/core/command_line.h"
#include "common/core/console_ui.h"
#include "common/core/program.h"
#include "common/ui/main_window_base.h"

#include <QString>

#include <functional>
#include <memory>
#include <ostream>
#include <string>

namespace common {

// Makes the program's main window from the program's folder.
using WindowMaker = std::function<std::unique_ptr<MainWindowBase>(const QString&)>;

// Makes an output asked on the command line, with no window (see
// lyt::WriteBoardOutput): true when everything was written.
using OutputWriter = std::function<bool(const CommandLine&, const std::string& programFolder,
                                        const PagePrinter&, std::ostream& messages)>;

// The program's main(). An output, --help or --version is answered on the
// standard streams with no window and no display. Otherwise the toolkit
// speaks French and the window made by `make` starts maximised on the
// document named by the command line (its arguments joined by spaces, so a
// path with spaces works unquoted), the keyboard in the drawing area.
int RunProgram(int argc, char** argv, Program program, const WindowMaker& make,
               const OutputWriter& writeOutput);

}  // namespace common
