#include "support/board_test_support.h"

#include <array>
#include <cmath>

// The four primitives are driven through the editor by the scenario tests;
// these cases hold the rules those scenarios do not reach.
namespace {

using namespace lyt;
using board_tests::Element;
using board_tests::NewItem;

TEST(BoardInit, ResetsTablesNamesFlagsAndColoursButKeepsTheClipBuffer) {
  Board board;
  board.Elements.push_back(Element(3, ElementKind::Track, BoardLayer::Solder, 1.0f, 1, 2, 3, 4));
  board.Pending.push_back(NewItem(ElementKind::Hole, BoardLayer::Through, 0.4f, 1, 1));
  board.UndoBuffer = board.ClipBuffer = board.Pending;
  board.SavedBox = MmBox{1, 2, 3, 4};
  board.LastGroup = 9;
  board.FileName = "/tmp/x.Lyt";
  board.PendingActive = board.PendingIsNew = board.Dragging = true;
  board.LineInProgress = board.PasteInProgress = true;
  board.PickPoint = MmPoint{7, 8};
  board.Colours.PadColour = board.Colours.ComponentColour;

  InitDocument(board);

  EXPECT_TRUE(board.Elements.empty() && board.Pending.empty() && board.UndoBuffer.empty());
  EXPECT_EQ(board.ClipBuffer.size(), 1u);
  EXPECT_EQ(board.SavedBox.Right, 3.0f);
  EXPECT_EQ(board.LastGroup, 0);
  EXPECT_EQ(board.FileName, "Sans Nom");
  EXPECT_EQ(board.CaptionPrefix, " LYT : ");
  EXPECT_FALSE(board.PendingActive || board.PendingIsNew || board.Dragging ||
               board.LineInProgress || board.PasteInProgress);
  EXPECT_EQ(std::make_pair(board.PickPoint.X, board.PickPoint.Y), std::make_pair(0.0f, 0.0f));
  EXPECT_EQ(board.Colours.PadColour, common::Rgb(255, 0, 0));
}

TEST(BoardPrimitives, CommitOfSelectedCopiesWritesBackByIndexKeepingGroupAndKind) {
  Board board;
  board.Elements.push_back(Element(0, ElementKind::Track, BoardLayer::Component, 1.0f, 0, 0, 1, 1));
  board.Elements.push_back(Element(4, ElementKind::OvalPad, BoardLayer::Through, 0.8f, 5, 5));
  AddToPending(board, 1, PendingMove::Whole);
  PendingItem& item = board.Pending[0];
  item.Group = 99;
  item.Kind = ElementKind::RectPad;
  item.Layer = BoardLayer::Solder;
  item.Size = 1.5f;
  item.X1 = 7.0f;
  item.Angle = 90;

  CommitPending(board);

  ASSERT_EQ(board.Elements.size(), 2u);
  const BoardElement& written = board.Elements[1];
  EXPECT_EQ(std::make_tuple(written.Group, written.Kind, written.Layer, written.Size, written.X1,
                            written.Angle),
            std::make_tuple(4, ElementKind::OvalPad, BoardLayer::Solder, 1.5f, 7.0f, 90));
  EXPECT_EQ(board.Elements[0].X2, 1.0f);
}

TEST(BoardPrimitives, CommitWithNothingInHandChangesNothing) {
  Board board;
  board.Pending.push_back(NewItem(ElementKind::Hole, BoardLayer::Through, 0.4f, 1, 1));
  CommitPending(board);
  EXPECT_TRUE(board.Elements.empty());
  EXPECT_FALSE(board.Modified);
}

TEST(BoardPrimitives, SelectGroupTakesTheLiveMembersOnce) {
  Board board;
  board.Elements.push_back(Element(2, ElementKind::SquarePad, BoardLayer::Through, 0.8f, 1, 1));
  board.Elements.push_back(Element(0, ElementKind::Track, BoardLayer::Solder, 1.0f, 1, 1, 5, 1));
  board.Elements.push_back(Element(2, ElementKind::Hole, BoardLayer::Through, 0.4f, 1, 1));
  board.Elements.push_back(Element(3, ElementKind::Hole, BoardLayer::Through, 0.4f, 9, 9));
  board.Elements.push_back(Element(2, ElementKind::Deleted, BoardLayer::Through, 0.4f, 1, 1));

  SelectGroup(board, 2);
  SelectGroup(board, 2);

  ASSERT_EQ(board.Pending.size(), 2u);
  EXPECT_EQ(std::make_pair(board.Pending[0].Index, board.Pending[1].Index), std::make_pair(0, 2));
  EXPECT_EQ(board.Pending[1].MoveMode, PendingMove::Whole);
  EXPECT_FALSE(board.Elements[1].Selected || board.Elements[3].Selected);
  EXPECT_TRUE(board.Modified);
}

TEST(BoardPlacement, MoveFollowsEachItemsMoveModeAndSkipsInactiveItems) {
  Board board;
  board.Pending = {NewItem(ElementKind::Track, 0, 1, 0, 0, 5, 5, PendingMove::FirstPoint),
                   NewItem(ElementKind::Track, 0, 1, 0, 0, 5, 5, PendingMove::SecondPoint),
                   NewItem(ElementKind::Track, 0, 1, 0, 0, 5, 5, PendingMove::Whole),
                   // A pad's second point means nothing; a text moves as a whole.
                   NewItem(ElementKind::Hole, 3, 1, 0, 0, 0, 0, PendingMove::Whole),
                   NewItem(ElementKind::Text, 0, 1, 0, 0, 5, 5, PendingMove::FirstPoint),
                   NewItem(ElementKind::Track, 0, 1, 0, 0, 5, 5, PendingMove::Whole)};
  board.Pending[5].Active = false;

  MovePendingItems(board, 1.0f, 2.0f);

  const std::array<float, 4> moved[] = {{1, 2, 5, 5}, {0, 0, 6, 7}, {1, 2, 6, 7},
                                        {1, 2, 0, 0}, {1, 2, 6, 7}, {0, 0, 5, 5}};
  for (std::size_t i = 0; i < board.Pending.size(); ++i) {
    const PendingItem& p = board.Pending[i];
    EXPECT_EQ((std::array<float, 4>{p.X1, p.Y1, p.X2, p.Y2}), moved[i]) << i;
  }
}

// Items a damaged file put near the largest float land on the pointer, and
// no move, however far, makes a position infinite.
TEST(BoardPlacement, PositionsStayFiniteWithinTheLimit) {
  Board board;
  board.Pending = {NewItem(ElementKind::RoundPad, 3, 1, 3e38f, 3e38f),
                   NewItem(ElementKind::Track, 0, 1, -3e38f, 3e38f, 3e38f, -3e38f)};
  BeginPlacement(board, 10.0f, 20.0f);
  EXPECT_EQ(std::make_pair(board.Pending[0].X1, board.Pending[0].Y1), std::make_pair(10.0f, 20.0f));
  MovePendingItems(board, 3e38, -3e38);
  for (const PendingItem& p : board.Pending)
    for (float v : {p.X1, p.Y1, p.X2, p.Y2}) EXPECT_LE(std::abs(v), common::PositionLimit);
  EXPECT_EQ(std::make_pair(board.Pending[0].X1, board.Pending[0].Y1),
            std::make_pair(common::PositionLimit, -common::PositionLimit));
}

}  // namespace
