#include "common/core/text_entry.h"

#include <gtest/gtest.h>

namespace {

using common::Program;
using common::TextDialogAnswer;

// An index the list does not have falls back on the program's default entry.
TEST(TextEntryList, UnknownIndexGivesTheDefaultHeight) {
  EXPECT_FLOAT_EQ(common::TextHeightAt(Program::Lyt, -1), 2.0f);
  EXPECT_FLOAT_EQ(common::TextHeightAt(Program::Skt, 10), 1.5f);
}

TEST(TextEntryNumbering, StartIsTheLeadingNumberRoundedHalvesToEven) {
  const std::pair<const char*, int> starts[] = {{"1", 1}, {"abc", 0}, {"2.5", 2}, {"3.5", 4}};
  for (const auto& [start, value] : starts)
    EXPECT_EQ(common::IncrementValueOf(TextDialogAnswer{true, "R", 1, true, start}), value) << start;
  EXPECT_EQ(common::IncrementValueOf(TextDialogAnswer{true, "R", 1, false, "7"}), -1);
  // A negative start numbers nothing.
  EXPECT_EQ(common::NumberedText("R", common::IncrementValueOf(TextDialogAnswer{true, "R", 1, true, "-5"})),
            "R");
  EXPECT_EQ(common::NumberedText("R", 0), "R0");
}

TEST(TextEntryExtent, LengthGoesThroughThePixelsOfTheZoom) {
  common::Viewport view(common::LytViewport);  // the board at its first zoom: 24 pixels per step
  view.Scale = 24 / 1.27;
  const TextDialogAnswer typed{true, "AB", 1, false, ""};
  common::TextExtent extent = common::ComputeTextEntry(typed, -1, {10, 20}, {0, 0}, 0, view, Program::Lyt);
  EXPECT_EQ(extent.Text, "AB");
  EXPECT_FLOAT_EQ(extent.Height, 2.0f);
  // 2 mm is 38 pixels; two characters of 1.1 heights make 84 pixels.
  EXPECT_FLOAT_EQ(extent.Second.X, 10 + view.PixelsToMm(84));
  EXPECT_NEAR(extent.Second.X - 10, 4.445, 1e-4);
  EXPECT_FLOAT_EQ(extent.Second.Y, 22.0f);

  // A schematic text stands 0.4 mm taller.
  extent = common::ComputeTextEntry(typed, -1, {10, 20}, {0, 0}, 0, view, Program::Skt);
  EXPECT_FLOAT_EQ(extent.Second.Y, 22.4f);
}

TEST(TextEntryExtent, SecondCornerFollowsTheAngle) {
  const common::MmPoint old{1, 2};
  const std::tuple<std::int32_t, float, common::MmPoint> cases[] = {
      {0, 0.0f, {54, 63}},      {90, 0.0f, {53, 56}},       {180, 0.0f, {46, 57}},
      {270, 0.0f, {47, 64}},    {0, 0.4f, {54, 63.4f}},     {90, 0.4f, {53.4f, 56}},
      {180, 0.4f, {46, 56.6f}}, {270, 0.4f, {46.6f, 64}},   {45, 0.4f, old},
  };
  for (const auto& [angle, margin, expected] : cases) {
    // A text 4 mm long and 3 mm high from (50, 60).
    common::MmPoint second = common::TextFarCorner({50, 60}, old, angle, 3.0f, 4.0f, margin);
    EXPECT_FLOAT_EQ(second.X, expected.X) << "angle " << angle << " margin " << margin;
    EXPECT_FLOAT_EQ(second.Y, expected.Y) << "angle " << angle << " margin " << margin;
  }
}

// Editing finds the height in the list from its first entry to its last.
TEST(TextEntryEdit, OnlyListedHeightsCanBeEdited) {
  EXPECT_EQ(common::EditTextRequest("X", 1.5f)->SizeIndex, 0);
  EXPECT_EQ(common::EditTextRequest("X", 10.0f)->SizeIndex, 9);
  EXPECT_FALSE(common::EditTextRequest("X", 2.5f));
}

}  // namespace
