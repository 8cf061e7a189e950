#include "skt/editor/schematic_outputs.h"

#include "skt/editor/schematic_editor.h"

namespace skt {
namespace {

// The print dialog never opens without a window.
class ConsoleSchematicUi : public common::ConsoleUi, public SchematicUi {
 public:
  using ConsoleUi::ConsoleUi;
  void ShowPrintDialog(const PrintDialogHandlers&) override {}
};

}  // namespace

bool WriteSchematicOutput(const common::CommandLine& command, const std::string& programFolder,
                          const common::PagePrinter& printPdf, std::ostream& messages) {
  ConsoleSchematicUi ui(messages, printPdf);
  SchematicEditor editor(ui, programFolder);
  if (!editor.LoadForOutput(command.Document)) return false;
  return command.Kind == common::CommandKind::Pdf && editor.Print(command.Output);
}

}  // namespace skt
