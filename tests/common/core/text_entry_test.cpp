#include "common/core/text_entry.h"

#include <gtest/gtest.h>

namespace {

using common::Program;
using common::TextDialogAnswer;

TextDialogAnswer Answer(const std::string& text, int sizeIndex, bool numbering = false,
                        const std::string& start = std::string()) {
  TextDialogAnswer answer;
  answer.Accepted = true;
  answer.Text = text;
  answer.SizeIndex = sizeIndex;
  answer.Numbering = numbering;
  answer.NumberingStart = start;
  return answer;
}

// The board editor's view at its first zoom: 24 pixels per 1.27 mm step.
common::Viewport BoardView() {
  common::Viewport view(common::LytViewport);
  view.Scale = 24 / 1.27;
  return view;
}

TEST(TextEntryList, EachProgramSelectsItsOwnDefaultHeight) {
  EXPECT_EQ(common::TextSizeLabels(Program::Lyt)[0], "1.5mm");
  EXPECT_EQ(common::TextSizeLabels(Program::Lyt)[1], "->2mm");
  EXPECT_EQ(common::TextSizeLabels(Program::Skt)[0], "->1.5mm");
  EXPECT_EQ(common::TextSizeInitialIndex(Program::Lyt), 1);
  EXPECT_EQ(common::TextSizeInitialIndex(Program::Skt), 0);
  // An index the list does not have falls back on the default entry.
  EXPECT_FLOAT_EQ(common::TextHeightAt(Program::Lyt, -1), 2.0f);
  EXPECT_FLOAT_EQ(common::TextHeightAt(Program::Skt, 10), 1.5f);
}

TEST(TextEntryNumbering, StartIsTheLeadingNumberRoundedHalvesToEven) {
  EXPECT_EQ(common::IncrementValueOf(Answer("R", 1, true, "1")), 1);
  EXPECT_EQ(common::IncrementValueOf(Answer("R", 1, true, "abc")), 0);
  EXPECT_EQ(common::IncrementValueOf(Answer("R", 1, true, "2.5")), 2);
  EXPECT_EQ(common::IncrementValueOf(Answer("R", 1, true, "3.5")), 4);
  EXPECT_EQ(common::IncrementValueOf(Answer("R", 1, false, "7")), -1);
  // A negative start numbers nothing.
  EXPECT_EQ(common::NumberedText("R", common::IncrementValueOf(Answer("R", 1, true, "-5"))), "R");
  EXPECT_EQ(common::NumberedText("R", 0), "R0");
}

TEST(TextEntryExtent, LengthGoesThroughThePixelsOfTheZoom) {
  const common::Viewport view = BoardView();
  common::TextExtent extent =
      common::ComputeTextEntry(Answer("AB", 1), -1, {10, 20}, {0, 0}, 0, view, Program::Lyt);
  EXPECT_EQ(extent.Text, "AB");
  EXPECT_FLOAT_EQ(extent.Height, 2.0f);
  // 2 mm is 38 pixels; two characters of 1.1 heights make 84 pixels.
  EXPECT_FLOAT_EQ(extent.Second.X, 10 + view.PixelsToMm(84));
  EXPECT_NEAR(extent.Second.X - 10, 4.445, 1e-4);
  EXPECT_FLOAT_EQ(extent.Second.Y, 22.0f);

  // A schematic text stands 0.4 mm taller.
  extent = common::ComputeTextEntry(Answer("AB", 1), -1, {10, 20}, {0, 0}, 0, view, Program::Skt);
  EXPECT_FLOAT_EQ(extent.Second.Y, 22.4f);
}

TEST(TextEntryExtent, SecondCornerFollowsTheAngle) {
  const common::MmPoint first{50, 60};
  const common::MmPoint old{1, 2};
  const float w = 4.0f;
  const float h = 3.0f;
  struct Case {
    std::int32_t Angle;
    float Margin;
    common::MmPoint Expected;
  };
  const Case cases[] = {
      {0, 0.0f, {54, 63}},     {90, 0.0f, {53, 56}},    {180, 0.0f, {46, 57}},
      {270, 0.0f, {47, 64}},   {0, 0.4f, {54, 63.4f}},  {90, 0.4f, {53.4f, 56}},
      {180, 0.4f, {46, 56.6f}}, {270, 0.4f, {46.6f, 64}}, {45, 0.4f, old},
  };
  for (const Case& c : cases) {
    common::MmPoint second = common::TextFarCorner(first, old, c.Angle, h, w, c.Margin);
    EXPECT_FLOAT_EQ(second.X, c.Expected.X) << "angle " << c.Angle << " margin " << c.Margin;
    EXPECT_FLOAT_EQ(second.Y, c.Expected.Y) << "angle " << c.Angle << " margin " << c.Margin;
  }
}

TEST(TextEntryEdit, OnlyListedHeightsCanBeEdited) {
  std::optional<common::TextDialogRequest> request = common::EditTextRequest("R12", 3.0f);
  ASSERT_TRUE(request);
  EXPECT_FALSE(request->NewText);
  EXPECT_EQ(request->Text, "R12");
  EXPECT_EQ(request->SizeIndex, 2);
  EXPECT_EQ(common::EditTextRequest("X", 1.5f)->SizeIndex, 0);
  EXPECT_EQ(common::EditTextRequest("X", 10.0f)->SizeIndex, 9);
  EXPECT_FALSE(common::EditTextRequest("X", 2.5f));
  EXPECT_FALSE(common::EditTextRequest("X", 0.0f));
  EXPECT_STREQ(common::EditTextError, " erreur dans MnuEditTexte");
}

}  // namespace
