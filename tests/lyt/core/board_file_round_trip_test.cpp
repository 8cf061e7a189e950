#include "support/board_test_support.h"
#include "lyt/core/board_file.h"

namespace {

using namespace lyt;
using board_tests::Element;

auto Fields(const BoardElement& e) {
  return std::make_tuple(e.Group, e.Kind, e.Layer, e.Size, e.X1, e.Y1, e.X2, e.Y2, e.Text, e.Angle,
                         e.Selected);
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
  board_tests::TempFolder folder;
  testing_support::ScriptedUi ui;
  board.FileName = folder.File("aller-retour.Lyt");
  ASSERT_TRUE(SaveDocumentFile(board, 1.385f, 1.42f, ui).Saved);
  Board read;
  read.FileName = board.FileName;
  common::Viewport view{common::LytViewport};
  view.GridStepX = view.GridStepY = 1.0f;
  ASSERT_TRUE(ReadDocument(read, view, ui));
  EXPECT_TRUE(ui.Messages.empty());

  EXPECT_EQ(std::make_pair(view.GridStepX, view.GridStepY), std::make_pair(1.385f, 1.42f));
  ASSERT_EQ(read.Elements.size(), board.Elements.size());
  board.Elements[10].Text = "é µ °C ± ?2";  // Ω has no place in Windows-1252
  for (std::size_t i = 0; i < board.Elements.size(); ++i)
    EXPECT_EQ(Fields(read.Elements[i]), Fields(board.Elements[i])) << i;
}

}  // namespace
