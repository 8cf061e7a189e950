#include "board_test_support.h"
#include "lyt/core/board.h"

#include <gtest/gtest.h>

namespace {

using namespace lyt;
using board_tests::Element;
using board_tests::NewItem;

// A round pad with its hole, as the pad tool builds them at the origin.
void FillPadAtOrigin(Board& board) {
  board.Pending.push_back(NewItem(ElementKind::RoundPad, BoardLayer::Through, 0.8f, 0.0f, 0.0f));
  board.Pending.push_back(NewItem(ElementKind::Hole, BoardLayer::Through, 0.4f, 0.0f, 0.0f));
}

TEST(BoardInit, ResetsTablesNamesFlagsAndColoursButKeepsTheClipBuffer) {
  Board board;
  board.Elements.push_back(Element(3, ElementKind::Track, BoardLayer::Solder, 1.0f, 1, 2, 3, 4));
  board.Pending.push_back(NewItem(ElementKind::Hole, BoardLayer::Through, 0.4f, 1, 1));
  board.UndoBuffer.push_back(NewItem(ElementKind::Hole, BoardLayer::Through, 0.4f, 1, 1));
  board.ClipBuffer.push_back(NewItem(ElementKind::Circle, BoardLayer::Silkscreen, 2.0f, 5, 5));
  board.SavedBox = MmBox{1, 2, 3, 4};
  board.LastGroup = 9;
  board.FileName = "/tmp/x.Lyt";
  board.PendingActive = board.PendingIsNew = board.Dragging = true;
  board.TrackInProgress = board.PasteInProgress = true;
  board.PickPoint = MmPoint{7, 8};
  board.Colours.PadColour = board.Colours.ComponentColour;

  InitDocument(board);

  EXPECT_TRUE(board.Elements.empty());
  EXPECT_TRUE(board.Pending.empty());
  EXPECT_TRUE(board.UndoBuffer.empty());
  EXPECT_EQ(board.ClipBuffer.size(), 1u);
  EXPECT_EQ(board.SavedBox.Right, 3.0f);
  EXPECT_EQ(board.LastGroup, 0);
  EXPECT_EQ(board.FileName, "Sans Nom");
  EXPECT_EQ(board.CaptionPrefix, " LYT : ");
  EXPECT_FALSE(board.PendingActive || board.PendingIsNew || board.Dragging ||
               board.TrackInProgress || board.PasteInProgress);
  EXPECT_EQ(board.PickPoint.X, 0.0f);
  EXPECT_EQ(board.PickPoint.Y, 0.0f);
  EXPECT_EQ(board.Colours.PadColour, common::Rgb(255, 0, 0));
  EXPECT_EQ(board.Colours.ComponentColour, common::Rgb(0, 192, 0));
  EXPECT_EQ(board.Colours.HoleColour, common::Rgb(128, 128, 255));
}

TEST(BoardPrimitives, AddToPendingCopiesTheElementAndMarksItSelected) {
  Board board;
  board.Elements.push_back(Element(0, ElementKind::Track, BoardLayer::Component, 1.27f, 1, 2, 3, 4));
  board.Elements.push_back(Element(0, ElementKind::Text, BoardLayer::Solder, 2.0f, 5, 6, 9, 8, "R1", 90));

  AddToPending(board, 1, PendingMove::Whole);

  ASSERT_EQ(board.Pending.size(), 1u);
  const PendingItem& item = board.Pending[0];
  EXPECT_EQ(item.Index, 1);
  EXPECT_EQ(item.Text, "R1");
  EXPECT_EQ(item.Angle, 90);
  EXPECT_EQ(item.MoveMode, PendingMove::Whole);
  EXPECT_TRUE(item.Active);
  EXPECT_TRUE(board.Elements[1].Selected);
  EXPECT_FALSE(board.Elements[0].Selected);
  EXPECT_TRUE(board.PendingActive);
  EXPECT_TRUE(board.Modified);
}

TEST(BoardPrimitives, CommitOfNewItemsAppendsCopiesAndKeepsThemInHand) {
  Board board;
  FillPadAtOrigin(board);
  BeginPlacement(board, 10.16f, 20.32f);

  CommitPending(board);
  MovePendingItems(board, 2.54f, 0.0f);
  CommitPending(board);

  ASSERT_EQ(board.Elements.size(), 4u);
  EXPECT_EQ(board.Pending.size(), 2u);
  EXPECT_EQ(board.Elements[0].Kind, ElementKind::RoundPad);
  EXPECT_EQ(board.Elements[1].Kind, ElementKind::Hole);
  EXPECT_FLOAT_EQ(board.Elements[1].X1, 10.16f);
  EXPECT_FLOAT_EQ(board.Elements[2].X1, 12.7f);
  EXPECT_FLOAT_EQ(board.Elements[3].Y1, 20.32f);
  for (const BoardElement& element : board.Elements) EXPECT_FALSE(element.Selected);
  EXPECT_TRUE(board.Modified);
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
  EXPECT_EQ(written.Group, 4);
  EXPECT_EQ(written.Kind, ElementKind::OvalPad);
  EXPECT_EQ(written.Layer, BoardLayer::Solder);
  EXPECT_EQ(written.Size, 1.5f);
  EXPECT_EQ(written.X1, 7.0f);
  EXPECT_EQ(written.Angle, 90);
  EXPECT_EQ(board.Elements[0].X2, 1.0f);
}

TEST(BoardPrimitives, CommitWithNothingInHandChangesNothing) {
  Board board;
  board.Pending.push_back(NewItem(ElementKind::Hole, BoardLayer::Through, 0.4f, 1, 1));

  CommitPending(board);

  EXPECT_TRUE(board.Elements.empty());
  EXPECT_FALSE(board.Modified);
}

TEST(BoardPrimitives, ReleaseEmptiesPendingAndClearsTheSelectedMarks) {
  Board board;
  board.Elements.push_back(Element(0, ElementKind::Hole, BoardLayer::Through, 0.4f, 1, 1));
  board.Elements.push_back(Element(0, ElementKind::Hole, BoardLayer::Through, 0.4f, 2, 2));
  AddToPending(board, 0, PendingMove::Whole);
  AddToPending(board, 1, PendingMove::Whole);
  board.Dragging = true;

  ReleasePending(board);

  EXPECT_TRUE(board.Pending.empty());
  EXPECT_FALSE(board.Elements[0].Selected);
  EXPECT_FALSE(board.Elements[1].Selected);
  EXPECT_FALSE(board.PendingActive || board.PendingIsNew || board.Dragging);
}

TEST(BoardPrimitives, TwoFootprintDropsGetDistinctGroups) {
  Board board;
  board.LastGroup = 8;  // as after reading a board whose largest group is 7
  FillPadAtOrigin(board);
  BeginPlacement(board, 0.0f, 0.0f);

  NumberPendingGroup(board);
  CommitPending(board);
  NumberPendingGroup(board);
  CommitPending(board);

  ASSERT_EQ(board.Elements.size(), 4u);
  EXPECT_EQ(board.Elements[0].Group, 9);
  EXPECT_EQ(board.Elements[1].Group, 9);
  EXPECT_EQ(board.Elements[2].Group, 10);
  EXPECT_EQ(board.Elements[3].Group, 10);
  EXPECT_EQ(board.LastGroup, 10);
}

TEST(BoardPrimitives, SelectGroupTakesTheWholeGroupOnce) {
  Board board;
  board.Elements.push_back(Element(2, ElementKind::SquarePad, BoardLayer::Through, 0.8f, 1, 1));
  board.Elements.push_back(Element(0, ElementKind::Track, BoardLayer::Solder, 1.0f, 1, 1, 5, 1));
  board.Elements.push_back(Element(2, ElementKind::Hole, BoardLayer::Through, 0.4f, 1, 1));
  board.Elements.push_back(Element(3, ElementKind::Hole, BoardLayer::Through, 0.4f, 9, 9));

  SelectGroup(board, 2);
  SelectGroup(board, 2);

  ASSERT_EQ(board.Pending.size(), 2u);
  EXPECT_EQ(board.Pending[0].Index, 0);
  EXPECT_EQ(board.Pending[1].Index, 2);
  EXPECT_EQ(board.Pending[1].MoveMode, PendingMove::Whole);
  EXPECT_FALSE(board.Elements[1].Selected);
  EXPECT_FALSE(board.Elements[3].Selected);
  EXPECT_TRUE(board.Modified);
}

TEST(BoardPrimitives, SelectGroupLeavesDeletedMembersOut) {
  Board board;
  board.Elements.push_back(Element(5, ElementKind::RoundPad, BoardLayer::Through, 0.8f, 1, 1));
  board.Elements.push_back(Element(5, ElementKind::Hole, BoardLayer::Through, 0.4f, 1, 1));
  board.Elements[1].Kind = ElementKind::Deleted;

  SelectGroup(board, 5);

  ASSERT_EQ(board.Pending.size(), 1u);
  EXPECT_EQ(board.Pending[0].Index, 0);
}

TEST(BoardPlacement, LandsTheFirstPointOfTheFirstItemOnTheTarget) {
  Board board;
  // A footprint drawn away from the origin keeps its shape.
  board.Pending.push_back(NewItem(ElementKind::RoundPad, BoardLayer::Through, 0.8f, 30.0f, 40.0f));
  board.Pending.push_back(NewItem(ElementKind::RoundPad, BoardLayer::Through, 0.8f, 32.54f, 40.0f));
  board.Pending.push_back(NewItem(ElementKind::Track, BoardLayer::Silkscreen, 0.3f, 29, 38, 34, 38));

  BeginPlacement(board, 100.0f, 50.0f);

  EXPECT_TRUE(board.PendingIsNew);
  EXPECT_TRUE(board.PendingActive);
  EXPECT_TRUE(board.Dragging);
  EXPECT_FLOAT_EQ(board.Pending[0].X1, 100.0f);
  EXPECT_FLOAT_EQ(board.Pending[0].Y1, 50.0f);
  EXPECT_FLOAT_EQ(board.Pending[1].X1, 102.54f);
  EXPECT_FLOAT_EQ(board.Pending[2].X1, 99.0f);
  EXPECT_FLOAT_EQ(board.Pending[2].Y2, 48.0f);
}

TEST(BoardPlacement, TrackStartStaysWhileItsEndFollows) {
  Board board;
  board.Pending.push_back(NewItem(ElementKind::Track, BoardLayer::Component, 1.27f, 10, 20, 10, 20,
                                  PendingMove::SecondPoint));
  BeginPlacement(board, 10.0f, 20.0f);

  MovePendingItems(board, 5.08f, 2.54f);

  const PendingItem& track = board.Pending[0];
  EXPECT_EQ(track.X1, 10.0f);
  EXPECT_EQ(track.Y1, 20.0f);
  EXPECT_FLOAT_EQ(track.X2, 15.08f);
  EXPECT_FLOAT_EQ(track.Y2, 22.54f);
}

TEST(BoardPlacement, MoveFollowsEachItemsMoveModeAndSkipsInactiveItems) {
  Board board;
  board.Pending.push_back(NewItem(ElementKind::Track, 0, 1, 0, 0, 5, 5, PendingMove::FirstPoint));
  board.Pending.push_back(NewItem(ElementKind::Track, 0, 1, 0, 0, 5, 5, PendingMove::Whole));
  // A pad's second point means nothing; a text moves as a whole.
  board.Pending.push_back(NewItem(ElementKind::Hole, 3, 1, 0, 0, 0, 0, PendingMove::Whole));
  board.Pending.push_back(NewItem(ElementKind::Text, 0, 1, 0, 0, 5, 5, PendingMove::FirstPoint));
  board.Pending.push_back(NewItem(ElementKind::Track, 0, 1, 0, 0, 5, 5, PendingMove::Whole));
  board.Pending[4].Active = false;

  MovePendingItems(board, 1.0f, 2.0f);

  const auto& p = board.Pending;
  EXPECT_EQ(p[0].X1, 1.0f);
  EXPECT_EQ(p[0].X2, 5.0f);
  EXPECT_EQ(p[1].Y1, 2.0f);
  EXPECT_EQ(p[1].Y2, 7.0f);
  EXPECT_EQ(p[2].X1, 1.0f);
  EXPECT_EQ(p[2].X2, 0.0f);
  EXPECT_EQ(p[3].X1, 1.0f);
  EXPECT_EQ(p[3].X2, 6.0f);
  EXPECT_EQ(p[4].X1, 0.0f);
  EXPECT_EQ(p[4].X2, 5.0f);
}

}  // namespace
