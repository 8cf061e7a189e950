#include "support/board_test_support.h"

#include <array>
#include <cmath>

// The four primitives are driven through the editor by the scenario tests,
// and the random walk checks after every step that the marks follow the
// hand and that no deleted element is held; these cases hold the rules
// neither reaches.
namespace {

using namespace lyt;
using namespace lyt::ElementKind;
using board_tests::Element;
using board_tests::NewItem;
namespace Move = lyt::PendingMove;

// Nothing is committed while nothing is in hand. A group is taken without
// its deleted members. A copy in hand is written back by index keeping the
// element's group and kind: a delete made while it was in hand must stay.
TEST(BoardPrimitives, SelectGroupAndCommitKeepTheGroupAndKindOfEachElement) {
  Board board;
  board.Elements = {Element(2, SquarePad, BoardLayer::Through, 0.8f, 1, 1),
                    Element(0, Track, BoardLayer::Solder, 1.0f, 1, 1, 5, 1),
                    Element(2, Hole, BoardLayer::Through, 0.4f, 1, 1),
                    Element(2, Deleted, BoardLayer::Through, 0.4f, 1, 1)};
  CommitPending(board);
  EXPECT_FALSE(board.Modified);
  SelectGroup(board, 2);
  ASSERT_EQ(board.Pending.size(), 2u);
  board.Elements[2].Kind = Deleted;
  PendingItem& item = board.Pending[1];
  std::tie(item.Group, item.Kind, item.Layer, item.Size, item.X1, item.Angle) =
      std::make_tuple(99, RectPad, BoardLayer::Solder, 1.5f, 7.0f, 90);
  CommitPending(board);
  const BoardElement& written = board.Elements[2];
  EXPECT_EQ(std::make_tuple(written.Group, written.Kind, written.Layer, written.Size, written.X1, written.Angle),
            std::make_tuple(2, Deleted, BoardLayer::Solder, 1.5f, 7.0f, 90));
}

// Each item moves the points of its move mode; a pad's second point means
// nothing and a text moves as a whole; inactive items stay. Items a damaged
// file put near the largest float land on the pointer, and no move, however
// far, makes a position infinite.
TEST(BoardPlacement, MovesFollowMoveModesAndPositionsStayFiniteWithinTheLimit) {
  const std::tuple<std::int32_t, std::int32_t, bool, std::array<float, 4>> cases[] = {
      {Track, Move::FirstPoint, true, {1, 2, 5, 5}}, {Track, Move::SecondPoint, true, {0, 0, 6, 7}},
      {Track, Move::Whole, true, {1, 2, 6, 7}},      {Hole, Move::Whole, true, {1, 2, 5, 5}},
      {Text, Move::FirstPoint, true, {1, 2, 6, 7}},  {Track, Move::Whole, false, {0, 0, 5, 5}}};
  Board board;
  for (const auto& [kind, moveMode, active, moved] : cases) {
    board.Pending = {NewItem(kind, 0, 1, 0, 0, 5, 5, moveMode)};
    board.Pending[0].Active = active;
    MovePendingItems(board, 1.0f, 2.0f);
    const PendingItem& p = board.Pending[0];
    EXPECT_EQ((std::array<float, 4>{p.X1, p.Y1, p.X2, p.Y2}), moved) << kind << " " << moveMode;
  }
  board.Pending = {NewItem(RoundPad, 3, 1, 3e38f, 3e38f), NewItem(Track, 0, 1, -3e38f, 3e38f, 3e38f, -3e38f)};
  BeginPlacement(board, 10.0f, 20.0f);
  EXPECT_EQ(std::make_pair(board.Pending[0].X1, board.Pending[0].Y1), std::make_pair(10.0f, 20.0f));
  MovePendingItems(board, 3e38, -3e38);
  for (const PendingItem& p : board.Pending)
    for (float v : {p.X1, p.Y1, p.X2, p.Y2}) EXPECT_LE(std::abs(v), common::PositionLimit);
  EXPECT_EQ(std::make_pair(board.Pending[0].X1, board.Pending[0].Y1),
            std::make_pair(common::PositionLimit, -common::PositionLimit));
}

}  // namespace
