#include "lyt/export/gerber_writer.h"

#include "common/core/glyph_geometry.h"
#include "lyt/core/board.h"
#include "lyt/export/export_format.h"

#include <algorithm>
#include <array>
#include <optional>

namespace lyt {
namespace {

constexpr char kBadAngle[] = "Angle incorrect !";
constexpr int kFirstApertureNumber = 10;

void Report(GerberProblems& problems, const char* message) {
  if (std::find(problems.begin(), problems.end(), message) == problems.end())
    problems.emplace_back(message);
}

void Line(std::string& out, const std::string& text) {
  out += text;
  out += "\r\n";
}

// Board millimetres to a Gerber point: y measured up from the bottom edge.
char* WritePoint(char* at, double x, double y) {
  *at++ = 'X';
  at = WriteGerberCoordinate(at, x);
  *at++ = 'Y';
  return WriteGerberCoordinate(at, static_cast<double>(BoardHeight) - y);
}

// The lines of the body are made in place, each appended whole: `before`,
// the point, then `after` and the line end. The longest line has room.
void PointLine(std::string& out, const char* before, double x, double y, const char* after) {
  char line[64];
  char* end = WriteText(WritePoint(WriteText(line, before), x, y), after);
  out.append(line, WriteText(end, "\r\n"));
}

bool IsOnLayer(std::int32_t elementLayer, std::int32_t fileLayer) {
  if (fileLayer == BoardLayer::Silkscreen) return elementLayer == BoardLayer::Silkscreen;
  return elementLayer == fileLayer || elementLayer == BoardLayer::Through;
}

struct Aperture {
  float Size;
  std::string Code;
  std::string SecondCode;  // oval and rectangular pads: the upright one
};

// Sizes in order of first appearance; equal means exactly equal.
class ApertureTable {
 public:
  void Add(float size) {
    if (!Find(size)) entries_.push_back({size, std::string(), std::string()});
  }
  const Aperture* Find(float size) const {
    for (const Aperture& entry : entries_)
      if (entry.Size == size) return &entry;
    return nullptr;
  }
  std::vector<Aperture>& Entries() { return entries_; }
  const std::vector<Aperture>& Entries() const { return entries_; }

 private:
  std::vector<Aperture> entries_;
};

enum Table { Tracks, RoundPads, SquarePads, OvalPads, RectPads, Texts, TableCount };

std::optional<Table> TableOf(std::int32_t kind) {
  switch (kind) {
    case ElementKind::Track:
      return Tracks;
    case ElementKind::RoundPad:
      return RoundPads;
    case ElementKind::SquarePad:
      return SquarePads;
    case ElementKind::OvalPad:
      return OvalPads;
    case ElementKind::RectPad:
      return RectPads;
    case ElementKind::Text:
      return Texts;
    default:
      return std::nullopt;
  }
}

// The apertures of one file, numbered in the order they are defined.
struct Apertures {
  std::array<ApertureTable, TableCount> Tables;
  bool HasCircle = false;
  std::string CircleCode;

  void Collect(const std::vector<BoardElement>& elements, std::int32_t layer) {
    for (const BoardElement& e : elements) {
      if (!IsOnLayer(e.Layer, layer)) continue;
      if (e.Kind == ElementKind::Circle) HasCircle = true;
      if (auto table = TableOf(e.Kind)) Tables[*table].Add(e.Size);
    }
  }

  void Number() {
    int counter = kFirstApertureNumber;
    auto next = [&counter] { return "D" + std::to_string(counter++); };
    for (Table t : {Tracks, RoundPads, SquarePads})
      for (Aperture& a : Tables[t].Entries()) a.Code = next();
    for (Table t : {OvalPads, RectPads})
      for (Aperture& a : Tables[t].Entries()) {
        a.Code = next();
        a.SecondCode = next();
      }
    if (HasCircle) CircleCode = next();
    for (Aperture& a : Tables[Texts].Entries()) a.Code = next();
  }
};

void WriteHeader(std::string& out) {
  Line(out, "G04 format : xxx.xxx unité : millimètre *");
  Line(out, "%FSLAX33Y33*");
  Line(out, "MOMM*");
  Line(out, "OFA0B0*");
  Line(out, "SFA1B1*");
  Line(out, "IPPOS*%");
}

// Pads keep a 0.2 mm clear centre for the drill to find its place.
constexpr char kPadCentre[] = "X0.2";

std::string F(double mm) { return ApertureDimension(mm); }

std::string Definition(const std::string& code, const std::string& shape) {
  return "%AD" + code + shape + "*%";
}

// Each group, when not empty, under its comment, in numbering order. Pads
// are twice their Size across; long pads twice that along their length.
void WriteDefinitions(std::string& out, const Apertures& apertures) {
  const auto& tables = apertures.Tables;
  auto comment = [&out](const ApertureTable& table, const char* text) {
    if (!table.Entries().empty()) Line(out, text);
  };
  comment(tables[Tracks], "G04 définition des ouvertures pour les pistes *");
  for (const Aperture& a : tables[Tracks].Entries())
    Line(out, Definition(a.Code, "C," + F(a.Size)));

  comment(tables[RoundPads], "G04 définition des ouvertures pour les pastilles rondes *");
  for (const Aperture& a : tables[RoundPads].Entries())
    Line(out, Definition(a.Code, "C," + F(2.0 * a.Size) + kPadCentre));

  comment(tables[SquarePads], "G04 définition des ouvertures pour les pastilles carrées *");
  for (const Aperture& a : tables[SquarePads].Entries()) {
    const std::string side = F(2.0 * a.Size);
    Line(out, Definition(a.Code, "R," + side + "X" + side + kPadCentre));
  }

  for (Table table : {OvalPads, RectPads}) {
    comment(tables[table], table == OvalPads
                               ? "G04 définition des ouvertures pour les pastilles ovales *"
                               : "G04 définition des ouvertures pour les pastilles rectangulaires *");
    const std::string shape = table == OvalPads ? "O," : "R,";
    for (const Aperture& a : tables[table].Entries()) {
      const std::string width = F(2.0 * a.Size);
      const std::string length = F(4.0 * a.Size);
      Line(out, Definition(a.Code, shape + length + "X" + width + kPadCentre));
      Line(out, Definition(a.SecondCode, shape + width + "X" + length + kPadCentre));
    }
  }

  if (apertures.HasCircle) {
    Line(out, "G04 définition de l'ouverture pour les cercles *");
    Line(out, Definition(apertures.CircleCode, "C,0.150"));
  }

  comment(tables[Texts], "G04 définition des ouvertures pour le texte *");
  for (const Aperture& a : tables[Texts].Entries())
    Line(out, Definition(a.Code, "C," + F(a.Size / 6.0)));
}

// The file text in pieces, each handed to the sink once it is full, so that
// memory stays bounded whatever the board holds (a text of millions of
// characters makes a file of gigabytes).
class PiecedText {
 public:
  explicit PiecedText(const GerberSink& sink) : sink_(sink) {}
  std::string& Text() { return text_; }
  void FlushIfFull() {
    if (text_.size() >= kPieceSize) Flush();
  }
  bool Flush() {
    if (ok_ && !text_.empty()) ok_ = sink_(text_);
    text_.clear();
    return ok_;
  }
  bool Ok() const { return ok_; }

 private:
  static constexpr std::size_t kPieceSize = 1 << 16;
  const GerberSink& sink_;
  std::string text_;
  bool ok_ = true;
};

void GerberCharacter(std::string& out, char32_t character, float& x, float& y, float size,
                     int angle, bool mirror, GerberProblems& problems);

// Writes the body, selecting an aperture only when it changes.
class BodyWriter {
 public:
  BodyWriter(PiecedText& pieces, const Apertures& apertures, GerberProblems& problems)
      : pieces_(pieces), out_(pieces.Text()), apertures_(apertures), problems_(problems) {}

  void Write(const BoardElement& e) {
    const std::optional<Table> table = TableOf(e.Kind);
    const Aperture* aperture = table ? apertures_.Tables[*table].Find(e.Size) : nullptr;
    switch (e.Kind) {
      case ElementKind::Track:
        if (!aperture) return;
        Select(aperture->Code);
        PointLine(out_, "G01", e.X1, e.Y1, "D02*");
        PointLine(out_, "", e.X2, e.Y2, "D01*");
        break;
      case ElementKind::RoundPad:
      case ElementKind::SquarePad:
        if (!aperture) return;
        Select(aperture->Code);
        Flash(e);
        break;
      case ElementKind::OvalPad:
      case ElementKind::RectPad:
        // Any other angle has no figure, as on the screen.
        if (!aperture || !common::IsQuarterTurn(e.Angle)) return;
        Select(e.Angle == 0 || e.Angle == 180 ? aperture->Code : aperture->SecondCode);
        Flash(e);
        break;
      case ElementKind::Circle:
        WriteCircle(e);
        break;
      case ElementKind::Text: {
        if (!aperture) return;
        Select(aperture->Code);
        float x = e.X1;
        float y = e.Y1;
        const bool mirror = e.Layer == BoardLayer::Solder;
        for (char32_t character : common::CharactersToDraw(e.Text, mirror)) {
          GerberCharacter(out_, character, x, y, e.Size, e.Angle, mirror, problems_);
          pieces_.FlushIfFull();
          if (!pieces_.Ok()) return;
        }
        break;
      }
      default:
        break;  // holes go to the drill file; other kinds have no figure
    }
  }

 private:
  // The codes live in the aperture table as long as the writer.
  void Select(const std::string& code) {
    if (current_ && code == *current_) return;
    current_ = &code;
    Line(out_, "G54" + code + "*");
  }

  void Flash(const BoardElement& e) { PointLine(out_, "", e.X1, e.Y1, "D03*"); }

  // A full counter-clockwise turn from and back to the rightmost point.
  void WriteCircle(const BoardElement& e) {
    Select(apertures_.CircleCode);
    const float r = e.Size;
    const float right = e.X1 + r;
    PointLine(out_, "G01", right, e.Y1, "D02*");
    Line(out_, "G75*");
    char arc[64];
    char* end = WriteText(WritePoint(WriteText(arc, "G03"), right, e.Y1), "I");
    end = WriteGerberCoordinate(end, -static_cast<double>(r));
    out_.append(arc, WriteText(end, "J0D01*\r\n"));
    Line(out_, "G01*");
  }

  PiecedText& pieces_;
  std::string& out_;
  const Apertures& apertures_;
  GerberProblems& problems_;
  const std::string* current_ = nullptr;
};

const std::vector<common::Glyph>& BoardGlyphs() {
  static const std::vector<common::Glyph> glyphs = common::BuildGlyphTable(common::FontVariant::Lyt);
  return glyphs;
}

// Tenths of the height in millimetres, single precision like the pen.
float Tenths(int tenths, float size) {
  return static_cast<float>(tenths * static_cast<double>(size) / 10.0);
}

MmPoint CellOrigin(int angle, float x, float y, float size) {
  const common::TenthsOffset offset = common::CellOriginFromPen(angle);
  return {x + Tenths(offset.X, size), y + Tenths(offset.Y, size)};
}

}  // namespace

std::string GerberFileName(const std::string& boardFileName, std::int32_t layer) {
  const char* suffix = layer == BoardLayer::Component ? "-Composant.gbr"
                       : layer == BoardLayer::Solder  ? "-Soudure.gbr"
                                                      : "-Serig.gbr";
  return PathWithoutExtension(boardFileName) + suffix;
}

bool WriteGerberLayer(const std::vector<BoardElement>& elements, std::int32_t layer,
                      GerberProblems& problems, const GerberSink& sink) {
  Apertures apertures;
  apertures.Collect(elements, layer);
  apertures.Number();

  PiecedText pieces(sink);
  std::string& out = pieces.Text();
  WriteHeader(out);
  WriteDefinitions(out, apertures);
  Line(out, "G04 tracé du CI *");
  BodyWriter body(pieces, apertures, problems);
  for (const BoardElement& e : elements) {
    if (IsOnLayer(e.Layer, layer)) body.Write(e);
    pieces.FlushIfFull();
    if (!pieces.Ok()) return false;
  }
  Line(out, "M02*");
  return pieces.Flush();
}

std::string ExportGerberLayer(const std::vector<BoardElement>& elements, std::int32_t layer,
                              GerberProblems& problems) {
  std::string text;
  WriteGerberLayer(elements, layer, problems, [&text](std::string_view piece) {
    text += piece;
    return true;
  });
  return text;
}

namespace {

void GerberCharacter(std::string& out, char32_t character, float& x, float& y, float size,
                     int angle, bool mirror, GerberProblems& problems) {
  const char32_t upper = common::ToUpperAscii(character);
  if (const common::Glyph* glyph = common::FindGlyph(BoardGlyphs(), upper)) {
    GerberGlyph(out, *glyph, x, y, size, angle, mirror, problems);
  } else if (upper == U' ') {
    GerberSpace(x, y, size, angle, problems);
  }
  // Anything else is left out and takes no room.
}

}  // namespace

void GerberText(std::string& out, const std::string& text, float& x, float& y, float size,
                int angle, bool mirror, GerberProblems& problems) {
  for (char32_t character : common::CharactersToDraw(text, mirror))
    GerberCharacter(out, character, x, y, size, angle, mirror, problems);
}

void GerberGlyph(std::string& out, const common::Glyph& glyph, float& x, float& y, float size,
                 int angle, bool mirror, GerberProblems& problems) {
  if (!common::IsQuarterTurn(angle)) {
    Report(problems, kBadAngle);
    return;
  }
  const MmPoint origin = CellOrigin(angle, x, y, size);
  auto line = [&](const char* before, int gx, int gy, const char* after) {
    const common::TenthsOffset offset = common::OffsetInCell(angle, mirror, gx, gy);
    PointLine(out, before, origin.X + Tenths(offset.X, size), origin.Y + Tenths(offset.Y, size), after);
  };
  for (const common::Stroke& stroke : glyph.Strokes) {
    line("G01", stroke.X1, stroke.Y1, "D02*");
    line("", stroke.X2, stroke.Y2, "D01*");
  }
  const common::TenthsOffset after = common::PenAfterCell(angle);
  x = origin.X + Tenths(after.X, size);
  y = origin.Y + Tenths(after.Y, size);
}

void GerberSpace(float& x, float& y, float size, int angle, GerberProblems& problems) {
  if (!common::IsQuarterTurn(angle)) {
    Report(problems, kBadAngle);
    return;
  }
  const MmPoint origin = CellOrigin(angle, x, y, size);
  const common::TenthsOffset after = common::PenAfterCell(angle);
  x = origin.X + Tenths(after.X, size);
  y = origin.Y + Tenths(after.Y, size);
}

}  // namespace lyt
