#include "common/core/stroke_font.h"

#include <algorithm>
#include <cstdint>

#include "common/core/glyph_geometry.h"
#include "common/core/rounding.h"
#include "common/core/text_encoding.h"

namespace common {
namespace {

constexpr char kBadAngle[] = "Angle incorrect !";
constexpr char kBadTextAngle[] = "angle incorrect !";

// Below this height oblique strokes are drawn a quarter thinner.
constexpr int kThinObliqueBelow = 40;

struct CanvasPoint {
  int X, Y;
};

int StrokeWidth(int height, bool oblique) {
  int width = RoundHalfEven(height / 6.0);
  if (height < kThinObliqueBelow && oblique) width = RoundHalfEven(width * 0.75);
  return width == 0 ? 1 : width;
}

bool IsOblique(CanvasPoint a, CanvasPoint b) { return a.X != b.X && a.Y != b.Y; }

}  // namespace

// What a text's height gives every stroke of it, worked out once per text:
// the stroke widths, and, for the whole numbers of tenths a glyph uses,
// where tenths * height / 10 lies between whole units.
struct StrokeFont::TextScale {
  static constexpr int kLowest = -kAdvanceTenths;
  static constexpr int kHighest = kAdvanceTenths;

  explicit TextScale(int height)
      : Height(height), StraightWidth(StrokeWidth(height, false)), ObliqueWidth(StrokeWidth(height, true)) {
    for (int t = kLowest; t <= kHighest; ++t) {
      // tenths * height is whole: its floor and remainder by ten say it all.
      const std::int64_t product = static_cast<std::int64_t>(t) * height;
      std::int64_t whole = product / 10;
      std::int64_t rest = product % 10;
      if (rest < 0) rest += 10, --whole;
      parts_[t - kLowest] = {whole, rest > 5 ? Side::Up : rest == 5 ? Side::Tie : Side::Down};
    }
  }

  // tenths * height / 10, computed so that exact halves stay exact and
  // round to even as intended.
  double Tenths(int tenths) const { return tenths * static_cast<double>(Height) / 10.0; }

  // RoundHalfEven(origin + Tenths(tenths)) in whole numbers: the fraction is
  // the tenths' own, so its side of the half, and at a half the parity of
  // the sum, decide. A whole number of tenths is never close to a half
  // without being one, so the sum in doubles would round the same way.
  // Beyond the 32-bit range the general rounding clamps.
  int Round(int origin, int tenths) const {
    if (tenths < kLowest || tenths > kHighest) return RoundHalfEven(origin + Tenths(tenths));
    const Part& part = parts_[tenths - kLowest];
    std::int64_t sum = origin + part.Whole;
    if (part.Fraction == Side::Up || (part.Fraction == Side::Tie && (sum & 1) != 0)) ++sum;
    if (sum > INT32_MIN && sum < INT32_MAX) return static_cast<int>(sum);
    return RoundHalfEven(origin + Tenths(tenths));
  }

  int Height;
  int StraightWidth;
  int ObliqueWidth;

 private:
  enum class Side : std::int8_t { Down, Tie, Up };
  struct Part {
    std::int64_t Whole;  // floor of the tenths of the height
    Side Fraction;       // the rest: below, at or above a half
  };
  Part parts_[kHighest - kLowest + 1];
};

namespace {

using TextScale = StrokeFont::TextScale;

CanvasPoint CellOrigin(int angle, double px, double py, const TextScale& scale) {
  const TenthsOffset offset = CellOriginFromPen(angle);
  return {RoundHalfEven(px + scale.Tenths(offset.X)), RoundHalfEven(py + scale.Tenths(offset.Y))};
}

// OffsetInCell for one angle and mirror flag: a turn, a flip and a shift,
// so known everywhere from three points.
struct CellMap {
  CellMap(int angle, bool mirror)
      : Base(OffsetInCell(angle, mirror, 0, 0)),
        PerX(Difference(OffsetInCell(angle, mirror, 1, 0), Base)),
        PerY(Difference(OffsetInCell(angle, mirror, 0, 1), Base)) {}
  TenthsOffset At(int x, int y) const {
    return {Base.X + PerX.X * x + PerY.X * y, Base.Y + PerX.Y * x + PerY.Y * y};
  }
  static TenthsOffset Difference(TenthsOffset a, TenthsOffset b) { return {a.X - b.X, a.Y - b.Y}; }

  TenthsOffset Base, PerX, PerY;
};

struct Placement {
  CanvasPoint Origin;
  const TextScale& Scale;
  CellMap Map;
};

CanvasPoint MapToCanvas(const Placement& at, int x, int y) {
  const TenthsOffset offset = at.Map.At(x, y);
  return {at.Scale.Round(at.Origin.X, offset.X), at.Scale.Round(at.Origin.Y, offset.Y)};
}

// Where the next character starts once a glyph has been drawn from `origin`.
void MovePenPastCell(int angle, CanvasPoint origin, const TextScale& scale, Canvas& canvas) {
  const TenthsOffset after = PenAfterCell(angle);
  canvas.SetCurrentPoint(origin.X + scale.Tenths(after.X), origin.Y + scale.Tenths(after.Y));
}

void DrawStroke(const Stroke& stroke, const Placement& at, Canvas& canvas) {
  const CanvasPoint a = MapToCanvas(at, stroke.X1, stroke.Y1);
  const CanvasPoint b = MapToCanvas(at, stroke.X2, stroke.Y2);
  canvas.SetLineWidth(IsOblique(a, b) ? at.Scale.ObliqueWidth : at.Scale.StraightWidth);
  canvas.DrawLine(a.X, a.Y, b.X, b.Y, canvas.ForeColour());
}

// Schematic texts sit 0.4 mm lower in their reading frame, at least 1 unit.
int SchematicTextOffset(double unitsPerMm) {
  return std::max(1, static_cast<int>(RoundHalfEven(0.4 * unitsPerMm)));
}

}  // namespace

StrokeFont::StrokeFont(FontVariant variant) : variant_(variant), glyphs_(BuildGlyphTable(variant)) {
  for (auto glyph = glyphs_.rbegin(); glyph != glyphs_.rend(); ++glyph)
    if (glyph->Character < asciiGlyphs_.size()) asciiGlyphs_[glyph->Character] = &*glyph;
}

void StrokeFont::Report(const char* message) const {
  if (std::find(problems_.begin(), problems_.end(), message) == problems_.end())
    problems_.emplace_back(message);
}

std::vector<std::string> StrokeFont::TakeProblems() const {
  std::vector<std::string> taken;
  taken.swap(problems_);
  return taken;
}

void StrokeFont::DrawText(const std::string& text, int x, int y, int height, Colour colour,
                          int angle, bool mirror, Canvas& canvas, double unitsPerMm) const {
  MoveToStart(x, y, angle, unitsPerMm, canvas);
  if (text.empty()) return;
  canvas.SetDrawMode(DrawMode::CopyPen);
  canvas.SetForeColour(colour);
  const TextScale scale(height);
  // Most texts are ASCII: drawn from their bytes, in the order drawn.
  if (!IsAscii(text)) {
    for (char32_t character : CharactersToDraw(text, mirror))
      DrawCharacter(character, scale, angle, mirror, canvas);
  } else if (mirror) {
    for (auto c = text.rbegin(); c != text.rend(); ++c) DrawCharacter(*c, scale, angle, mirror, canvas);
  } else {
    for (char c : text) DrawCharacter(c, scale, angle, mirror, canvas);
  }
}

void StrokeFont::MoveToStart(int x, int y, int angle, double unitsPerMm, Canvas& canvas) const {
  if (variant_ == FontVariant::Lyt) {
    canvas.SetCurrentPoint(x, y);
    return;
  }
  const int d = SchematicTextOffset(unitsPerMm);
  switch (angle) {
    case 0:
      canvas.SetCurrentPoint(x, y + d);
      break;
    case 90:
      canvas.SetCurrentPoint(x + d, y);
      break;
    case 180:
      canvas.SetCurrentPoint(x, y - d);
      break;
    case 270:
      canvas.SetCurrentPoint(x - d, y);
      break;
    default:
      Report(kBadTextAngle);
  }
}

void StrokeFont::DrawCharacter(char32_t character, const TextScale& scale, int angle, bool mirror,
                               Canvas& canvas) const {
  const char32_t upper = ToUpperAscii(character);
  if (const Glyph* glyph = FindGlyph(upper)) {
    DrawGlyph(*glyph, scale, angle, mirror, canvas);
  } else if (upper == U' ') {
    AdvanceSpace(scale, angle, canvas);
  }
  // Anything else is left out and takes no room.
}

void StrokeFont::DrawGlyph(const Glyph& glyph, const TextScale& scale, int angle, bool mirror,
                           Canvas& canvas) const {
  if (!IsQuarterTurn(angle)) {
    Report(kBadAngle);
    return;
  }
  const Placement at{CellOrigin(angle, canvas.CurrentX(), canvas.CurrentY(), scale), scale,
                     CellMap(angle, mirror)};
  for (const Stroke& stroke : glyph.Strokes) DrawStroke(stroke, at, canvas);
  MovePenPastCell(angle, at.Origin, scale, canvas);
}

void StrokeFont::DrawGlyph(const Glyph& glyph, int height, int angle, bool mirror,
                           Canvas& canvas) const {
  DrawGlyph(glyph, TextScale(height), angle, mirror, canvas);
}

void StrokeFont::AdvanceSpace(int height, int angle, Canvas& canvas) const {
  AdvanceSpace(TextScale(height), angle, canvas);
}

void StrokeFont::AdvanceSpace(const TextScale& scale, int angle, Canvas& canvas) const {
  if (!IsQuarterTurn(angle)) {
    Report(kBadAngle);
    return;
  }
  // Same advance as a glyph, but only the coordinate along the reading
  // direction is snapped to a whole unit (both at 270 degrees).
  const double px = canvas.CurrentX();
  const double py = canvas.CurrentY();
  const CanvasPoint origin = CellOrigin(angle, px, py, scale);
  switch (angle) {
    case 0:
      canvas.SetCurrentPoint(origin.X + scale.Tenths(kAdvanceTenths), py);
      break;
    case 90:
      canvas.SetCurrentPoint(px, origin.Y);
      break;
    case 180:
      canvas.SetCurrentPoint(origin.X, py);
      break;
    default:
      MovePenPastCell(angle, origin, scale, canvas);
  }
}

int StrokeFont::TextLength(const std::string& text, int height) {
  const double characters = static_cast<double>(DecodeUtf8(text).size());
  return RoundHalfEven(characters * kAdvanceTenths * height / 10.0);
}

const Glyph* StrokeFont::FindGlyph(char32_t character) const {
  if (character < asciiGlyphs_.size()) return asciiGlyphs_[character];
  return common::FindGlyph(glyphs_, character);
}

}  // namespace common
