#include "common/core/text_entry.h"

#include "common/core/number_text.h"
#include "common/core/rounding.h"
#include "common/core/stroke_font.h"

namespace common {

const std::vector<std::string>& TextSizeLabels(Program program) {
  static const std::vector<std::string> lyt{"1.5mm", "->2mm", "3mm", "4mm", "5mm",
                                            "6mm",   "7mm",   "8mm", "9mm", "10mm"};
  static const std::vector<std::string> skt{"->1.5mm", "2mm", "3mm", "4mm", "5mm",
                                            "6mm",     "7mm", "8mm", "9mm", "10mm"};
  return program == Program::Lyt ? lyt : skt;
}

int TextSizeInitialIndex(Program program) { return program == Program::Lyt ? 1 : 0; }

const std::vector<float>& TextHeights() {
  static const std::vector<float> heights{1.5f, 2, 3, 4, 5, 6, 7, 8, 9, 10};
  return heights;
}

float TextHeightAt(Program program, int index) {
  const std::vector<float>& heights = TextHeights();
  if (index < 0 || index >= static_cast<int>(heights.size())) index = TextSizeInitialIndex(program);
  return heights[static_cast<std::size_t>(index)];
}

int TextSizeIndexOf(float height) {
  const std::vector<float>& heights = TextHeights();
  for (std::size_t k = 0; k < heights.size(); ++k)
    if (heights[k] == height) return static_cast<int>(k);
  return -1;
}

float TextMargin(Program program) { return program == Program::Lyt ? 0.0f : 0.4f; }

std::int32_t IncrementValueOf(const TextDialogAnswer& answer) {
  if (!answer.Numbering) return -1;
  return RoundHalfEven(ParseTypedNumber(answer.NumberingStart));
}

std::string NumberedText(const std::string& text, std::int32_t incrementValue) {
  return incrementValue >= 0 ? text + std::to_string(incrementValue) : text;
}

MmPoint TextFarCorner(MmPoint first, MmPoint second, std::int32_t angle, float height, float length,
                      float margin) {
  switch (angle) {
    case 0: return {first.X + length, first.Y + height + margin};
    case 90: return {first.X + height + margin, first.Y - length};
    case 180: return {first.X - length, first.Y - height - margin};
    case 270: return {first.X - height - margin, first.Y + length};
    default: return second;
  }
}

TextExtent ComputeTextEntry(const TextDialogAnswer& answer, std::int32_t incrementValue,
                            MmPoint first, MmPoint second, std::int32_t angle,
                            const Viewport& viewport, Program program) {
  TextExtent extent;
  extent.Text = NumberedText(answer.Text, incrementValue);
  extent.Height = TextHeightAt(program, answer.SizeIndex);
  const int lengthPixels = StrokeFont::TextLength(extent.Text, viewport.MmToPixels(extent.Height));
  extent.Second = TextFarCorner(first, second, angle, extent.Height,
                                viewport.PixelsToMm(lengthPixels), TextMargin(program));
  return extent;
}

std::optional<TextDialogRequest> EditTextRequest(const std::string& text, float height) {
  const int index = TextSizeIndexOf(height);
  if (index < 0) return std::nullopt;
  TextDialogRequest request;
  request.NewText = false;
  request.Text = text;
  request.SizeIndex = index;
  return request;
}

bool GivesText(const TextDialogAnswer& answer) { return answer.Accepted && !answer.Text.empty(); }

}  // namespace common
