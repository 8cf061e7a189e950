#include "export_test_support.h"
#include "lyt/export/drill_writer.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

using namespace export_tests;

const std::string kDrillHeaderEnd = CrLf({"M95", "M47, debut perçage", "G05", "M71"});

BoardElement Hole(float size, float x, float y, std::int32_t layer = BoardLayer::Through) {
  return Element(0, ElementKind::Hole, layer, size, x, y);
}

TEST(DrillWriter, DocumentedExampleWithToolsWrittenWithoutComma) {
  const std::optional<std::string> file =
      ExportDrill({Hole(0.4f, 10, 20), Hole(0.5f, 12.54f, 20), Hole(0.4f, 15.08f, 20)});
  ASSERT_TRUE(file);
  EXPECT_EQ(*file, CrLf({"M48", "METRIC,LZ", "T1C0.800", "T2C1.000", "M95", "M47, debut perçage",
                         "G05", "M71", "T1", "X10.000Y175.580", "T2", "X12.540Y175.580", "T1",
                         "X15.080Y175.580", "M30"}));
}

TEST(DrillWriter, ToolChangesFollowElementOrder) {
  std::vector<BoardElement> board = {
      Hole(0.4f, 1, 1),  Hole(0.4f, 2, 1), Hole(0.6f, 3, 1), Hole(0.4f, 4, 1),
      Hole(0.6f, 5, 1),  Hole(0.6f, 6, 1),
      // Only holes count, whatever their layer; dead records never do.
      Element(0, ElementKind::RoundPad, BoardLayer::Through, 0.8f, 7, 1),
      Element(0, ElementKind::Deleted, BoardLayer::Through, 0.9f, 8, 1),
      Hole(0.7f, 9, 1, BoardLayer::Component)};
  const std::optional<std::string> file = ExportDrill(board);
  ASSERT_TRUE(file);
  EXPECT_EQ(*file, CrLf({"M48", "METRIC,LZ", "T1C0.800", "T2C1.200", "T3C1.400"}) +
                       kDrillHeaderEnd +
                       CrLf({"T1", "X1.000Y194.580", "X2.000Y194.580", "T2", "X3.000Y194.580",
                             "T1", "X4.000Y194.580", "T2", "X5.000Y194.580", "X6.000Y194.580",
                             "T3", "X9.000Y194.580", "M30"}));
}

TEST(DrillWriter, SizesApartBeyondTheThirdDecimalAreTwoTools) {
  const float near = std::nextafter(0.4f, 1.0f);
  const std::optional<std::string> file = ExportDrill({Hole(0.4f, 0.5f, 195.08f), Hole(near, 1, 1)});
  ASSERT_TRUE(file);
  EXPECT_EQ(*file, CrLf({"M48", "METRIC,LZ", "T1C0.800", "T2C0.800"}) + kDrillHeaderEnd +
                       CrLf({"T1", "X.500Y.500", "T2", "X1.000Y194.580", "M30"}));
}

}  // namespace
