#include "lyt/core/board.h"

namespace lyt {

void InitDocument(Board& board) {
  common::ResetDrawingDocument(board);
  board.CaptionPrefix = BoardCaptionPrefix;
  board.Colours = BoardColours{};
}

}  // namespace lyt
