#include "lyt/export/export_format.h"

#include <gtest/gtest.h>

namespace {

using namespace lyt;

TEST(ExportFormat, NumbersKeepTheirFloatValueAndSign) {
  EXPECT_EQ(GerberCoordinate(-0.3175f), "-317") << "the float lies just below -0.3175";
  EXPECT_EQ(GerberCoordinate(0.0125), "12") << "halves go to even";
  EXPECT_EQ(ApertureDimension(12.3456), "12.346");
  EXPECT_EQ(DrillCoordinate(0.0f), ".000");
  EXPECT_EQ(DrillCoordinate(-0.5f), "-.500");
}

}  // namespace
