#include "export_test_support.h"
#include "lyt/export/drill_writer.h"
#include "lyt/export/export_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <optional>

namespace {

using namespace export_tests;
using namespace ElementKind;
using LineList = std::initializer_list<std::string>;

BoardElement H(float size, float x, float y) { return E(Hole, BoardLayer::Through, size, x, y); }

std::string File(LineList tools, LineList body) {
  return CrLf({"M48", "METRIC,LZ"}) + CrLf(tools) +
         CrLf({"M95", "M47, debut perçage", "G05", "M71"}) + CrLf(body) + CrLf({"M30"});
}

TEST(ExportFormat, NumbersKeepTheirFloatValueAndSign) {
  EXPECT_EQ(GerberCoordinate(-0.3175f), "-317") << "the float lies just below -0.3175";
  EXPECT_EQ(GerberCoordinate(0.0125), "12") << "halves go to even";
  EXPECT_EQ(ApertureDimension(12.3456), "12.346");
  EXPECT_EQ(DrillCoordinate(-0.5f), "-.500");
}

struct DrillCase {
  const char* Name;
  std::vector<BoardElement> Board;
  std::optional<std::string> File;
};

class DrillFile : public ::testing::TestWithParam<DrillCase> {};

TEST_P(DrillFile, IsWrittenByteForByte) {
  EXPECT_EQ(ExportDrill(GetParam().Board), GetParam().File);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, DrillFile,
    ::testing::Values(
        // Tools are written "T1C0.800": a comma after the C reads as a decimal point.
        DrillCase{"ToolPerSizeChangedEachTimeTheSizeChanges",
                  {H(0.4f, 10, 20), H(0.5f, 12.54f, 20), H(0.4f, 15.08f, 20)},
                  File({"T1C0.800", "T2C1.000"}, {"T1", "X10.000Y175.580", "T2", "X12.540Y175.580",
                                                  "T1", "X15.080Y175.580"})},
        // Only holes count, whatever their layer; dead records never do.
        DrillCase{"OnlyLiveHolesOnAnyLayer",
                  {H(0.4f, 1, 1), H(0.4f, 2, 1), E(RoundPad, BoardLayer::Through, 0.8f, 7, 1),
                   E(Deleted, BoardLayer::Through, 0.9f, 8, 1),
                   E(Hole, BoardLayer::Component, 0.7f, 9, 1)},
                  File({"T1C0.800", "T2C1.400"},
                       {"T1", "X1.000Y194.580", "X2.000Y194.580", "T2", "X9.000Y194.580"})},
        DrillCase{"SizesApartBeyondTheThirdDecimalAreTwoTools",
                  {H(0.4f, 0.5f, 195.08f), H(std::nextafter(0.4f, 1.0f), 1, 1)},
                  File({"T1C0.800", "T2C0.800"}, {"T1", "X.500Y.500", "T2", "X1.000Y194.580"})},
        DrillCase{"NoFileWithoutHoles", {E(RoundPad, BoardLayer::Through, 0.8f, 7, 1)},
                  std::nullopt}),
    [](const ::testing::TestParamInfo<DrillCase>& info) { return info.param.Name; });

}  // namespace
