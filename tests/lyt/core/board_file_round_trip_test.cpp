#include "board_test_support.h"
#include "lyt/core/board_file.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

namespace {

using namespace lyt;
using board_tests::Element;

// Saves `saved` and opens the file again into a fresh board.
Board SaveAndReopen(Board saved, float& gridX, float& gridY) {
  board_tests::TempFolder folder;
  testing_support::ScriptedUi ui;
  saved.FileName = folder.File("aller-retour.Lyt");
  EXPECT_TRUE(SaveDocumentFile(saved, gridX, gridY, ui).Saved);
  Board read;
  read.FileName = saved.FileName;
  common::Viewport view{common::LytViewport};
  view.GridStepX = view.GridStepY = 1.0f;
  EXPECT_TRUE(ReadDocument(read, view, ui));
  gridX = view.GridStepX;
  gridY = view.GridStepY;
  EXPECT_TRUE(ui.Messages.empty());
  return read;
}

void ExpectSameElement(const BoardElement& read, const BoardElement& written) {
  EXPECT_EQ(read.Group, written.Group);
  EXPECT_EQ(read.Kind, written.Kind);
  EXPECT_EQ(read.Layer, written.Layer);
  EXPECT_EQ(read.Size, written.Size);
  EXPECT_EQ(read.X1, written.X1);
  EXPECT_EQ(read.Y1, written.Y1);
  EXPECT_EQ(read.X2, written.X2);
  EXPECT_EQ(read.Y2, written.Y2);
  EXPECT_EQ(read.Text, written.Text);
  EXPECT_EQ(read.Angle, written.Angle);
  EXPECT_FALSE(read.Selected);
}

TEST(BoardFileRoundTrip, EveryKindComesBackUnchanged) {
  Board board;
  board.Elements = {
      Element(0, ElementKind::Track, BoardLayer::Component, 0.79375f, 10.16f, 20.32f, 15.24f, 20.32f),
      Element(0, 2, BoardLayer::Solder, 1.0f, 1, 2, 3, 4),  // unknown codes are kept
      Element(0, 3, BoardLayer::Solder, 1.0f, 1, 2, 3, 4),
      Element(7, ElementKind::RoundPad, BoardLayer::Through, 0.9f, 269.24f, 195.58f),
      Element(7, ElementKind::SquarePad, BoardLayer::Through, 1.1f, 0.1f, 0.2f),
      Element(7, ElementKind::OvalPad, BoardLayer::Through, 0.635f, 3.3333333f, 1e-6f, 0, 0, "", 90),
      Element(7, ElementKind::RectPad, BoardLayer::Through, 0.635f, -1.27f, -0.0001f, 0, 0, "", 270),
      Element(2147483647, ElementKind::Hole, BoardLayer::Through, 0.4f, 123456.7f, 7.0f),
      Element(0, ElementKind::Circle, BoardLayer::Silkscreen, 2.54f, 50, 60),
      Element(0, ElementKind::Text, BoardLayer::Silkscreen, 2.5f, 1, 2, 30, 5, " R1, \"C2\" ", 180),
      Element(-3, ElementKind::Text, BoardLayer::Solder, 1.5f, 1, 2, 30, 5, "é µ °C ± Ω2", 0),
      Element(0, ElementKind::Text, BoardLayer::Component, 1.5f, 1, 2, 30, 5, "\"\"", 0),
  };
  float gridX = 1.385f;
  float gridY = 1.42f;

  Board read = SaveAndReopen(board, gridX, gridY);

  EXPECT_EQ(gridX, 1.385f);
  EXPECT_EQ(gridY, 1.42f);
  ASSERT_EQ(read.Elements.size(), board.Elements.size());
  // Ω has no place in Windows-1252.
  board.Elements[10].Text = "é µ °C ± ?2";
  for (std::size_t i = 0; i < board.Elements.size(); ++i) {
    SCOPED_TRACE(i);
    ExpectSameElement(read.Elements[i], board.Elements[i]);
  }
}

TEST(BoardFileRoundTrip, DeletedElementsAreGoneAndGroupsStayAsStored) {
  Board board;
  board.Elements = {
      Element(5, ElementKind::RoundPad, BoardLayer::Through, 0.8f, 1, 1),
      Element(5, ElementKind::Hole, BoardLayer::Through, 0.4f, 1, 1),
      Element(0, ElementKind::Track, BoardLayer::Solder, 1, 1, 1, 9, 9),
      Element(3, ElementKind::RoundPad, BoardLayer::Through, 0.8f, 9, 9),
      Element(3, ElementKind::Hole, BoardLayer::Through, 0.4f, 9, 9),
  };
  board.Elements[1].Kind = ElementKind::Deleted;
  board.Elements[4].Kind = ElementKind::Deleted;
  float gridX = 1.27f;
  float gridY = 1.27f;

  Board read = SaveAndReopen(board, gridX, gridY);

  ASSERT_EQ(read.Elements.size(), 3u);
  EXPECT_EQ(read.Elements[0].Group, 5);
  EXPECT_EQ(read.Elements[1].Kind, ElementKind::Track);
  EXPECT_EQ(read.Elements[2].Group, 3);
  EXPECT_EQ(read.LastGroup, 6);
}

TEST(BoardFileRoundTrip, AllGroupsZeroGiveLastGroupOne) {
  Board board;
  board.Elements = {Element(0, ElementKind::Hole, BoardLayer::Through, 0.4f, 1, 1)};
  float gridX = 1.27f;
  float gridY = 1.27f;

  EXPECT_EQ(SaveAndReopen(board, gridX, gridY).LastGroup, 1);
}

}  // namespace
