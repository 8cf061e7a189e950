#pragma once

#include "common/core/program.h"

#include <string>
#include <vector>

namespace common {

// What the program is asked to do by its command line.
enum class CommandKind {
  Window,   // the editor, on Document when it is not empty
  Help,     // --help: the usage text
  Version,  // --version: the About box's version line
  Gerber,   // lyt --gerber: the three Gerber files beside Document
  Drill,    // lyt --drill: the drill file beside Document
  Pdf,      // --pdf: Document printed to the PDF file Output
  Wrong,    // a command line neither of the above: Problem says why
};

// The layers "--layers" ticks, as the print dialog's check boxes.
struct PrintLayers {
  bool Component = true;
  bool Solder = true;
  bool Silkscreen = true;
  bool Drill = true;
};

struct CommandLine {
  CommandKind Kind = CommandKind::Window;
  std::string Document;
  std::string Output;
  PrintLayers Layers;
  bool Black = false;         // --noir
  std::string Scale = "1";    // --echelle, read as the dialog reads its text
  std::string Problem;
};

// Exit codes of a program run for an output.
inline constexpr int ExitDone = 0;
inline constexpr int ExitFailed = 1;     // nothing or not everything was written
inline constexpr int ExitWrongUsage = 2;

// `arguments` come without the program's name. A first argument that does
// not start with "--" keeps the old meaning: the arguments joined by spaces
// name the document, so a path with spaces works unquoted.
CommandLine ParseCommandLine(Program program, const std::vector<std::string>& arguments);

// The text of --help, in French, ending with a new line.
std::string UsageText(Program program);

// The text of --version: the version line of the About box.
std::string VersionText(Program program);

}  // namespace common
