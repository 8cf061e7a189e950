#include "lyt/editor/board_outputs.h"

#include "lyt/editor/board_editor.h"

namespace lyt {
namespace {

// The board's own dialogs never open without a window.
class ConsoleBoardUi : public common::ConsoleUi, public BoardUi {
 public:
  using ConsoleUi::ConsoleUi;
  void SetShapeColour(common::Colour) override {}
  void ShowGridStepDialog(const std::string&, const std::string&,
                          const std::function<bool(const std::string&, const std::string&)>&) override {}
  void ShowPrintDialog(const PrintDialogHandlers&) override {}
};

// What the print dialog would hold: the PDF file as the printer.
PrintChoice ChoiceOf(const common::CommandLine& command) {
  const common::PrintLayers& layers = command.Layers;
  return {command.Output, command.Black, layers.Component, layers.Solder,
          layers.Silkscreen, layers.Drill, command.Scale};
}

}  // namespace

bool WriteBoardOutput(const common::CommandLine& command, const std::string& programFolder,
                      const common::PagePrinter& printPdf, std::ostream& messages) {
  ConsoleBoardUi ui(messages, printPdf);
  BoardEditor editor(ui, programFolder);
  if (!editor.LoadForOutput(command.Document)) return false;
  switch (command.Kind) {
    case common::CommandKind::Gerber: return editor.WriteGerberFiles();
    case common::CommandKind::Drill: return editor.WriteDrillFile();
    case common::CommandKind::Pdf: return editor.Print(ChoiceOf(command));
    default: return false;
  }
}

}  // namespace lyt
