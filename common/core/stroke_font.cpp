#include "common/core/stroke_font.h"

#include <algorithm>

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

// A number of tenths of the height, computed so that exact halves stay
// exact and round to even as intended.
double Tenths(int tenths, int height) { return tenths * static_cast<double>(height) / 10.0; }

CanvasPoint CellOrigin(int angle, double px, double py, int height) {
  const TenthsOffset offset = CellOriginFromPen(angle);
  return {RoundHalfEven(px + Tenths(offset.X, height)),
          RoundHalfEven(py + Tenths(offset.Y, height))};
}

struct Placement {
  CanvasPoint Origin;
  int Height;
  int Angle;
  bool Mirror;
};

CanvasPoint MapToCanvas(const Placement& at, int x, int y) {
  const TenthsOffset offset = OffsetInCell(at.Angle, at.Mirror, x, y);
  return {RoundHalfEven(at.Origin.X + Tenths(offset.X, at.Height)),
          RoundHalfEven(at.Origin.Y + Tenths(offset.Y, at.Height))};
}

// Where the next character starts once a glyph has been drawn from `origin`.
void MovePenPastCell(int angle, CanvasPoint origin, int height, Canvas& canvas) {
  const TenthsOffset after = PenAfterCell(angle);
  canvas.SetCurrentPoint(origin.X + Tenths(after.X, height), origin.Y + Tenths(after.Y, height));
}

int StrokeWidth(int height, bool oblique) {
  int width = RoundHalfEven(height / 6.0);
  if (height < kThinObliqueBelow && oblique) width = RoundHalfEven(width * 0.75);
  return width == 0 ? 1 : width;
}

bool IsOblique(CanvasPoint a, CanvasPoint b) { return a.X != b.X && a.Y != b.Y; }

void DrawStroke(const Stroke& stroke, const Placement& at, Canvas& canvas) {
  const CanvasPoint a = MapToCanvas(at, stroke.X1, stroke.Y1);
  const CanvasPoint b = MapToCanvas(at, stroke.X2, stroke.Y2);
  canvas.SetLineWidth(StrokeWidth(at.Height, IsOblique(a, b)));
  canvas.DrawLine(a.X, a.Y, b.X, b.Y, canvas.ForeColour());
}

// Schematic texts sit 0.4 mm lower in their reading frame, at least 1 unit.
int SchematicTextOffset(double unitsPerMm) {
  return std::max(1, static_cast<int>(RoundHalfEven(0.4 * unitsPerMm)));
}

}  // namespace

StrokeFont::StrokeFont(FontVariant variant) : variant_(variant), glyphs_(BuildGlyphTable(variant)) {}

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
  const std::u32string characters = CharactersToDraw(text, mirror);
  if (characters.empty()) return;
  canvas.SetDrawMode(DrawMode::CopyPen);
  canvas.SetForeColour(colour);
  for (char32_t character : characters) DrawCharacter(character, height, angle, mirror, canvas);
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

void StrokeFont::DrawCharacter(char32_t character, int height, int angle, bool mirror,
                               Canvas& canvas) const {
  const char32_t upper = ToUpperAscii(character);
  if (const Glyph* glyph = FindGlyph(upper)) {
    DrawGlyph(*glyph, height, angle, mirror, canvas);
  } else if (upper == U' ') {
    AdvanceSpace(height, angle, canvas);
  }
  // Anything else is left out and takes no room.
}

void StrokeFont::DrawGlyph(const Glyph& glyph, int height, int angle, bool mirror,
                           Canvas& canvas) const {
  if (!IsQuarterTurn(angle)) {
    Report(kBadAngle);
    return;
  }
  const Placement at{CellOrigin(angle, canvas.CurrentX(), canvas.CurrentY(), height), height, angle,
                     mirror};
  for (const Stroke& stroke : glyph.Strokes) DrawStroke(stroke, at, canvas);
  MovePenPastCell(angle, at.Origin, height, canvas);
}

void StrokeFont::AdvanceSpace(int height, int angle, Canvas& canvas) const {
  if (!IsQuarterTurn(angle)) {
    Report(kBadAngle);
    return;
  }
  // Same advance as a glyph, but only the coordinate along the reading
  // direction is snapped to a whole unit (both at 270 degrees).
  const double px = canvas.CurrentX();
  const double py = canvas.CurrentY();
  const CanvasPoint origin = CellOrigin(angle, px, py, height);
  switch (angle) {
    case 0:
      canvas.SetCurrentPoint(origin.X + Tenths(kAdvanceTenths, height), py);
      break;
    case 90:
      canvas.SetCurrentPoint(px, origin.Y);
      break;
    case 180:
      canvas.SetCurrentPoint(origin.X, py);
      break;
    default:
      MovePenPastCell(angle, origin, height, canvas);
  }
}

int StrokeFont::TextLength(const std::string& text, int height) {
  const double characters = static_cast<double>(DecodeUtf8(text).size());
  return RoundHalfEven(characters * kAdvanceTenths * height / 10.0);
}

const Glyph* StrokeFont::FindGlyph(char32_t character) const {
  return common::FindGlyph(glyphs_, character);
}

}  // namespace common
