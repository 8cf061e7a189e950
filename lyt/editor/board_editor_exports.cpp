// Gerber and drill files of the board, written beside it.
#include "common/core/file_io.h"
#include "common/core/file_problem.h"
#include "lyt/editor/board_editor.h"
#include "lyt/export/drill_writer.h"
#include "lyt/export/gerber_writer.h"

#include <cstddef>
#include <optional>
#include <string>

namespace lyt {
namespace {

constexpr char kNoBoard[] = "Pas de circuit, donc, pas de fichier Gerber !";
constexpr char kSaveFirst[] = "Vous devez sauvegarder votre circuit, auparavant!";
constexpr char kGerberDone[] = "Un fichier Gerber par couche a été créé.";
constexpr char kNoHoles[] = "Le circuit ne contient pas de trous,\r\ndonc, pas de fichier de perçage !";
constexpr char kDrillDone[] = "Le fichier de perçage a été créé";

// The exported files are named after the document, so it must have a name.
bool IsUnnamed(const Board& board) { return board.FileName == UntitledFileName; }

// Through a temporary file, so a failed export leaves an older file whole.
// The user is told which file could not be written.
bool TellIfNotSaved(common::SaveResult result, const std::string& path, common::UiPort& ui) {
  if (result == common::SaveResult::Ok) return true;
  ui.Tell(common::CannotWrite(path));
  return false;
}

bool SaveExport(const std::string& path, const std::string& text, common::UiPort& ui) {
  return TellIfNotSaved(common::SaveFileAtomically(path, text), path, ui);
}

}  // namespace

bool BoardEditor::WriteGerberFiles() {
  WriteBackSelection();
  if (document_.Elements.empty()) {
    ui_.Tell(kNoBoard);
    return false;
  }
  if (IsUnnamed(document_)) {
    ui_.Tell(kSaveFirst);
    return false;
  }
  // A problem is told once for the whole export, before the file it was met
  // in is saved.
  GerberProblems problems;
  std::size_t told = 0;
  // Each file goes to the disk as it is made: a huge board never sits whole
  // in memory.
  for (std::int32_t layer : {BoardLayer::Silkscreen, BoardLayer::Component, BoardLayer::Solder}) {
    const std::string path = GerberFileName(document_.FileName, layer);
    common::AtomicFileWriter file(path);
    WriteGerberLayer(document_.Elements, layer, problems,
                     [&file](std::string_view piece) { return file.Write(piece); });
    for (; told < problems.size(); ++told) ui_.Tell(problems[told]);
    if (!TellIfNotSaved(file.Commit(), path, ui_)) return false;
  }
  ui_.Tell(kGerberDone);
  return true;
}

bool BoardEditor::WriteDrillFile() {
  WriteBackSelection();
  const std::optional<std::string> text = ExportDrill(document_.Elements);
  if (!text) {
    ui_.Tell(kNoHoles);
    return false;
  }
  if (IsUnnamed(document_)) {
    ui_.Tell(kSaveFirst);
    return false;
  }
  if (!SaveExport(DrillFileName(document_.FileName), *text, ui_)) return false;
  ui_.Tell(kDrillDone);
  return true;
}

}  // namespace lyt
