// A footprint file of the library, as it is taken to be dropped on a board.
#include "board_use.h"
#include "lyt/core/board_file.h"

namespace {

constexpr std::int32_t BoardLastGroup = 7;

struct TakenFootprint {
  lyt::Board Board;
  bool Complete = false;

  TakenFootprint() {
    Board.LastGroup = BoardLastGroup;
    Complete = !lyt::ReadFootprint(Board, fuzz::ScratchFolder(), "essai");
  }
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::string path = fuzz::ScratchFolder() + "/empreintes/essai.Emp";
  fuzz::WriteFile(path, fuzz::Text(data, size));
  TakenFootprint taken;
  if (!taken.Complete) return 0;

  // Saved as a footprint of its own and taken again.
  lyt::Board saved;
  saved.FileName = path;
  for (const lyt::PendingItem& item : taken.Board.Pending)
    saved.Elements.push_back(common::NewElementFrom<lyt::BoardElement>(item));
  fuzz::WriteFile(path, lyt::WriteDocument(saved, 1.27f, 1.27f));
  const TakenFootprint again;
  FUZZ_CHECK(again.Complete);
  fuzz::CheckSameLiveRecords(taken.Board.Pending, again.Board.Pending);

  // Dropped on the board, and still in hand for the next drop.
  common::Viewport view(common::LytViewport);
  lyt::Board& board = taken.Board;
  lyt::BeginPlacement(board, 127.0f, 96.52f);
  lyt::NumberPendingGroup(board);
  lyt::CommitPending(board);
  fuzz::UseBoard(board, view);
  return 0;
}
