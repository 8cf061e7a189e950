// A board file as the user opens it.
#include "board_use.h"
#include "lyt/core/board_file.h"

namespace {

struct OpenedBoard {
  lyt::Board Board;
  common::Viewport Viewport{common::LytViewport};
  bool Complete = false;

  explicit OpenedBoard(const std::string& path) {
    Board.FileName = path;
    Complete = lyt::ReadDocument(Board, Viewport).Complete();
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = fuzz::ScratchFolder() + "/essai.Lyt";
  fuzz::WriteFile(path, fuzz::Text(data, size));
  const OpenedBoard opened(path);
  if (!opened.Complete) return 0;

  const common::Viewport& view = opened.Viewport;
  fuzz::WriteFile(path, lyt::WriteDocument(opened.Board, view.GridStepX, view.GridStepY));
  const OpenedBoard again(path);
  FUZZ_CHECK(again.Complete);
  FUZZ_CHECK(again.Viewport.GridStepX == view.GridStepX &&
             again.Viewport.GridStepY == view.GridStepY);
  fuzz::CheckSameLiveRecords(opened.Board.Elements, again.Board.Elements);

  fuzz::UseBoard(opened.Board, view);
  return 0;
}
