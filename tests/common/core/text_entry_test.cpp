#include "common/core/text_entry.h"

#include <gtest/gtest.h>

namespace {

using common::Program;
using common::TextDialogAnswer;

// The start is the leading number rounded halves to even; no numbering is -1.
// An index the list does not have falls back on the program's default
// height; editing finds a height from the list's first entry to its last.
// The length goes through the pixels of the zoom.
TEST(TextEntry, NumberingHeightsAndLength) {
  const std::pair<const char*, int> starts[] = {{"1", 1}, {"abc", 0}, {"2.5", 2}, {"3.5", 4}};
  for (const auto& [start, value] : starts)
    EXPECT_EQ(common::IncrementValueOf(TextDialogAnswer{true, "R", 1, true, start}), value) << start;
  EXPECT_EQ(std::make_pair(common::IncrementValueOf(TextDialogAnswer{true, "R", 1, false, "7"}),
                           common::NumberedText("R", 0)), std::make_pair(-1, std::string("R0")));
  EXPECT_EQ(std::make_pair(common::TextHeightAt(Program::Lyt, -1), common::TextHeightAt(Program::Skt, 10)),
            std::make_pair(2.0f, 1.5f));
  EXPECT_EQ(std::make_pair(common::EditTextRequest("X", 1.5f)->SizeIndex,
                           common::EditTextRequest("X", 10.0f)->SizeIndex), std::make_pair(0, 9));
  // At the board's first zoom 2 mm is 38 pixels: two characters of 1.1
  // heights make 84 pixels. A schematic text stands 0.4 mm taller.
  common::Viewport view(common::LytViewport);
  view.Scale = 24 / 1.27;
  const TextDialogAnswer typed{true, "AB", 1, false, ""};
  common::TextExtent extent = common::ComputeTextEntry(typed, -1, {10, 20}, {0, 0}, 0, view, Program::Lyt);
  EXPECT_EQ(std::make_pair(extent.Text, extent.Height), std::make_pair(std::string("AB"), 2.0f));
  EXPECT_FLOAT_EQ(extent.Second.X, 10 + view.PixelsToMm(84));
  EXPECT_FLOAT_EQ(extent.Second.Y, 22.0f);
  EXPECT_FLOAT_EQ(common::ComputeTextEntry(typed, -1, {10, 20}, {}, 0, view, Program::Skt).Second.Y, 22.4f);
}

// A text 4 mm long and 3 mm high (and 0.4 mm more) from (50, 60); other
// angles keep the old corner.
TEST(TextEntry, SecondCornerFollowsTheAngle) {
  const common::MmPoint old{1, 2};
  const std::pair<std::int32_t, common::MmPoint> cases[] = {
      {0, {54, 63.4f}}, {90, {53.4f, 56}}, {180, {46, 56.6f}}, {270, {46.6f, 64}}, {45, old}};
  for (const auto& [angle, expected] : cases) {
    const common::MmPoint second = common::TextFarCorner({50, 60}, old, angle, 3.0f, 4.0f, 0.4f);
    EXPECT_FLOAT_EQ(second.X, expected.X) << angle;
    EXPECT_FLOAT_EQ(second.Y, expected.Y) << angle;
  }
}

}  // namespace
