#include "support/board_test_support.h"

#include <array>
#include <cmath>

// The four primitives are driven through the editor by the scenario tests;
// these cases hold the rules those scenarios do not reach.
namespace {

using namespace lyt;
using namespace lyt::ElementKind;
using board_tests::Element;
using board_tests::NewItem;
namespace Move = lyt::PendingMove;

TEST(BoardInit, ResetsTablesNamesFlagsAndColoursButKeepsTheClipBuffer) {
  Board board;
  board.Elements.push_back(Element(3, Track, BoardLayer::Solder, 1.0f, 1, 2, 3, 4));
  board.Pending.push_back(NewItem(Hole, BoardLayer::Through, 0.4f, 1, 1));
  board.UndoBuffer = board.ClipBuffer = board.Pending;
  std::tie(board.SavedBox, board.PickPoint, board.LastGroup, board.FileName) =
      std::make_tuple(MmBox{1, 2, 3, 4}, MmPoint{7, 8}, 9, "/tmp/x.Lyt");
  board.PendingActive = board.PendingIsNew = board.Dragging = true;
  board.LineInProgress = board.PasteInProgress = true;
  board.Colours.PadColour = board.Colours.ComponentColour;
  InitDocument(board);
  EXPECT_TRUE(board.Elements.empty() && board.Pending.empty() && board.UndoBuffer.empty());
  EXPECT_FALSE(board.PendingActive || board.PendingIsNew || board.Dragging || board.LineInProgress ||
               board.PasteInProgress);
  EXPECT_EQ(std::make_tuple(board.ClipBuffer.size(), board.SavedBox.Right, board.LastGroup, board.FileName,
                            board.PickPoint.X, board.PickPoint.Y, board.Colours.PadColour),
            std::make_tuple(std::size_t{1}, 3.0f, 0, "Sans Nom", 0.0f, 0.0f, BoardColours{}.PadColour));
}

// Nothing is committed while nothing is in hand. A group is taken once, its
// deleted members left out; a copy is written back by index keeping the
// element's group and kind (a delete made while it was in hand must stay);
// releasing it clears the marks.
TEST(BoardPrimitives, SelectGroupCommitAndRelease) {
  Board board;
  board.Elements = {Element(2, SquarePad, BoardLayer::Through, 0.8f, 1, 1),
                    Element(0, Track, BoardLayer::Solder, 1.0f, 1, 1, 5, 1),
                    Element(2, Hole, BoardLayer::Through, 0.4f, 1, 1),
                    Element(2, Deleted, BoardLayer::Through, 0.4f, 1, 1)};
  board.Pending.push_back(NewItem(Hole, BoardLayer::Through, 0.4f, 1, 1));
  CommitPending(board);
  EXPECT_EQ(std::make_pair(board.Elements.size(), board.Modified), std::make_pair(std::size_t{4}, false));
  board.Pending.clear();
  SelectGroup(board, 2);
  SelectGroup(board, 2);
  ASSERT_EQ(board.Pending.size(), 2u);
  EXPECT_EQ(std::make_tuple(board.Pending[0].Index, board.Pending[1].Index, board.Pending[1].MoveMode),
            std::make_tuple(0, 2, PendingMove::Whole));
  PendingItem& item = board.Pending[1];
  std::tie(item.Group, item.Kind, item.Layer, item.Size, item.X1, item.Angle) =
      std::make_tuple(99, RectPad, BoardLayer::Solder, 1.5f, 7.0f, 90);
  CommitPending(board);
  const BoardElement& written = board.Elements[2];
  EXPECT_EQ(std::make_tuple(written.Group, written.Kind, written.Layer, written.Size, written.X1,
                            written.Angle, board.Modified),
            std::make_tuple(2, Hole, BoardLayer::Solder, 1.5f, 7.0f, 90, true));
  EXPECT_TRUE(board.Elements[0].Selected && written.Selected && !board.Elements[1].Selected);
  ReleasePending(board);
  EXPECT_FALSE(board.Elements[0].Selected || written.Selected || board.PendingActive);
  EXPECT_TRUE(board.Pending.empty());
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
