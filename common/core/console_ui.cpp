#include "common/core/console_ui.h"

#include "common/core/file_problem.h"
#include "common/core/null_canvas.h"

#include <utility>

namespace common {
namespace {

// Message texts end their lines with CR LF, a terminal with LF.
std::string WithNewLines(const std::string& text) {
  std::string lines;
  for (char c : text)
    if (c != '\r') lines += c;
  return lines + '\n';
}

}  // namespace

ConsoleUi::ConsoleUi(std::ostream& messages, PagePrinter printPage)
    : messages_(messages), printPage_(std::move(printPage)) {}

MessageAnswer ConsoleUi::ShowMessage(const std::string& text, MessageIcon, MessageButtons buttons,
                                     const std::string&) {
  messages_ << WithNewLines(text) << std::flush;
  // Nobody is there to answer a question: it is cancelled.
  return buttons == MessageButtons::Ok ? MessageAnswer::Ok : MessageAnswer::Cancel;
}

Canvas& ConsoleUi::DrawingArea() {
  static NullCanvas nothing;
  return nothing;
}

PrintOutcome ConsoleUi::PrintPage(const PrintJob& job, const PageDrawer& draw) {
  const PrintOutcome outcome = printPage_ ? printPage_(job, draw) : PrintOutcome::Failed;
  if (outcome == PrintOutcome::Failed) Tell(CannotWrite(job.Printer));
  return outcome;
}

}  // namespace common
