#pragma once

#include "common/core/command_line.h"
#include "common/core/console_ui.h"

#include <ostream>
#include <string>

namespace skt {

// An output asked on the command line (--pdf), made with no window: the
// schematic is read and its page printed as the print dialog prints it.
// What the window would tell goes to `messages`. True when the whole
// schematic was read and the page written.
bool WriteSchematicOutput(const common::CommandLine& command, const std::string& programFolder,
                          const common::PagePrinter& printPdf, std::ostream& messages);

}  // namespace skt
