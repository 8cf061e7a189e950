#pragma once

#include "common/core/command_line.h"
#include "common/core/console_ui.h"

#include <ostream>
#include <string>

namespace lyt {

// An output asked on the command line (--gerber, --drill, --pdf), made with
// no window: the board is read, then its files are written as the menu
// commands write them, or its page printed as the print dialog prints it.
// What the window would tell goes to `messages`. True when the whole board
// was read and everything was written.
bool WriteBoardOutput(const common::CommandLine& command, const std::string& programFolder,
                      const common::PagePrinter& printPdf, std::ostream& messages);

}  // namespace lyt
