// Printing the schematic: the whole sheet, true to size, in black, on a
// landscape page of the printer chosen in the dialog.
#include "skt/editor/schematic_editor.h"

#include "common/core/document_print.h"
#include "skt/print/core/schematic_print.h"

namespace skt {

void SchematicEditor::MnuImpression() {
  WriteBackSelection();
  PrintDialogHandlers handlers;
  handlers.Print = [this](const PrintChoice& choice) { return Print(choice.Printer); };
  schematicUi_.ShowPrintDialog(handlers);
}

bool SchematicEditor::Print(const std::string& printer) {
  WriteBackSelection();
  ui_.Beep();
  common::PrintJob job;
  job.Printer = printer;
  job.Colour = false;
  job.Landscape = true;
  job.DocumentName = document_.FileName;
  return common::PrintDocumentPage(
      job, viewport_, 1.0f, font_, ui_,
      [this](const common::PrintConversion& conversion, common::Canvas& canvas) {
        PrintSchema(document_, conversion, font_, canvas);
      });
}

}  // namespace skt
