// The copy buffer's mark and the picture of a copied selection.
#include "skt/editor/schematic_editor.h"

#include "skt/core/selection_picture.h"

namespace skt {

// The buffer lasts through New and Open, and so does the paste command; the
// selection also goes to the system clipboard as a picture for other
// programs.
void SchematicEditor::Copied() {
  document_.ClipboardFull = true;
  CopyPictureOfSelection();
}

void SchematicEditor::CopyPictureOfSelection() {
  const PictureFrame frame = SelectionPictureFrame(document_.SelectionBox, viewport_);
  const std::vector<PendingItem> block = document_.ClipBuffer;
  ui_.CopyPictureToClipboard(frame.Width, frame.Height, [&](common::Canvas& picture) {
    DrawSelectionPicture(block, frame, viewport_, font_, picture);
  });
  for (const std::string& problem : font_.TakeProblems()) ui_.Tell(problem);
}

}  // namespace skt
