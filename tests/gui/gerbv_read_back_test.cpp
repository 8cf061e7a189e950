// Our Gerber and drill files read back by gerbv, an independent reader: it
// must take them without a complaint, draw each Gerber layer where our
// screen draws it, and find the drill sizes and positions we meant.
#include "common/core/stroke_font.h"
#include "common/core/viewport.h"
#include "common/ui/qt_canvas.h"
#include "lyt/core/board_renderer.h"
#include "lyt/export/drill_writer.h"
#include "lyt/export/gerber_writer.h"
#include "support/board_test_support.h"

#include <QImage>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <set>
#include <sstream>

namespace {

using namespace lyt;
using namespace lyt::ElementKind;

// gerbv's window: 1.6 by 0.8 inches from the Gerber origin at 1000 dots per
// inch, that is board x 0 to 40.64 mm and y 175.26 to 195.58 mm, which our
// renderer puts at whole pixels too at the same scale.
constexpr int kWidth = 1600, kHeight = 800;
constexpr double kDotsPerMm = 1000.0 / 25.4;
const QPoint kWindowOrigin(0, 7700 - kHeight);  // drawing-area pixel of the window's corner

// A small board near the bottom-left corner of the sheet; three hole sizes.
std::vector<BoardElement> TestBoard() {
  const std::int32_t c = BoardLayer::Component, s = BoardLayer::Solder, k = BoardLayer::Silkscreen,
                     t = BoardLayer::Through;
  auto e = [](auto... fields) { return board_tests::Element(0, fields...); };  // all but the angle as floats
  return {e(Track, c, 0.8f, 5.08f, 180.34f, 20.32f, 180.34f), e(Hole, t, 0.4f, 5.08f, 180.34f),
          e(Track, c, 0.3175f, 20.32f, 180.34f, 27.94f, 187.96f), e(Hole, t, 0.5f, 10.16f, 190.5f),
          e(Track, s, 0.5f, 5.08f, 185.42f, 35.56f, 185.42f), e(Hole, t, 0.4f, 20.32f, 180.34f),
          e(RoundPad, t, 0.79375f, 5.08f, 180.34f), e(RoundPad, t, 1.2f, 10.16f, 190.5f),
          e(SquarePad, t, 0.9525f, 20.32f, 180.34f), e(Hole, t, 0.3f, 27.94f, 187.96f),
          e(RectPad, t, 0.79375f, 27.94f, 187.96f, 0.0f, 0.0f, "", 90), e(RectPad, t, 0.79375f, 33.02f, 190.5f),
          e(Circle, k, 2.54f, 15.24f, 188.0f), e(Text, c, 2.54f, 2.54f, 176.5f, 0.0f, 0.0f, "R12 +"),
          e(Text, c, 1.905f, 38.1f, 186.0f, 0.0f, 0.0f, "C3", 90), e(Track, k, 0.25f, 2.0f, 193.0f, 25.0f, 193.0f),
          e(Text, s, 2.54f, 12.7f, 191.5f, 0.0f, 0.0f, "SOUD 7"),
          e(Text, k, 1.27f, 24.0f, 189.5f, 0.0f, 0.0f, "LED", 270)};
}

// Which pixels of a picture of gerbv's window are inked.
using Ink = std::vector<bool>;

Ink InkOf(const QImage& image, bool (*inked)(QRgb)) {
  Ink ink(kWidth * kHeight);
  EXPECT_EQ(image.size(), QSize(kWidth, kHeight));
  for (int i = 0; image.size() == QSize(kWidth, kHeight) && i < kWidth * kHeight; ++i)
    ink[i] = inked(image.pixel(i % kWidth, i / kWidth));
  return ink;
}

// Our own picture of one layer file: the board's layer drawers at gerbv's
// scale. Our screen has no drill in a pad; the Gerber pads keep a 0.2 mm
// centre clear, where a track may still pass.
Ink RenderOurs(const Board& board, std::int32_t layer) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  common::Viewport viewport(common::LytViewport);
  viewport.Scale = kDotsPerMm;
  {
    common::QtCanvas canvas(image, kWindowOrigin, Qt::black, Qt::blue);
    canvas.Clear();
    if (layer != BoardLayer::Silkscreen) DrawPads(board, viewport, canvas);
    canvas.SetFillStyle(common::FillStyle::Solid);
    canvas.SetFillColour(0);
    for (const BoardElement& e : board.Elements)
      if (IsPad(e.Kind))
        canvas.DrawCircle(viewport.MmToPixels(e.X1), viewport.MmToPixels(e.Y1), viewport.MmToPixels(0.1f), 0, 1.0);
    const common::StrokeFont font(common::FontVariant::Lyt);
    const auto drawLayer = layer == BoardLayer::Component ? DrawComponentLayer
                           : layer == BoardLayer::Solder  ? DrawSolderLayer
                                                          : DrawSilkscreenLayer;
    drawLayer(board, LayerView(), viewport, font, canvas);
  }
  return InkOf(image, [](QRgb pixel) { return (pixel & 0xFFFFFF) != 0; });
}

// Inked pixels of `a` with no inked pixel of `b` near them. Our renderer
// centres a figure on a pixel, gerbv on the corner between pixels: gerbv's
// picture lies half a pixel up and left of ours. Within one pixel of that,
// in either direction, is near.
int Strays(const Ink& a, const Ink& b, bool aIsOurs) {
  const int least = aIsOurs ? -2 : -1;
  int strays = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) {
      bool near = !a[y * kWidth + x];
      for (int ny = std::max(0, y + least); ny <= std::min(kHeight - 1, y + least + 3); ++ny)
        for (int nx = std::max(0, x + least); nx <= std::min(kWidth - 1, x + least + 3); ++nx)
          near = near || b[ny * kWidth + nx];
      strays += !near;
    }
  return strays;
}

int Count(const Ink& ink) { return static_cast<int>(std::count(ink.begin(), ink.end(), true)); }

// Each Gerber layer is drawn where our screen draws it, and the drill file
// keeps its tool sizes and positions: gerbv writes drill files back in
// inches, tools to the thousandth and positions to the ten-thousandth,
// grouped by tool. A misread number would drill the wrong holes.
TEST(GerbvReadsBack, EachLayerWhereOurScreenDrawsItAndTheDrillFileWithItsToolsAndHoles) {
  if (std::system("command -v gerbv >/dev/null 2>&1") != 0)
    GTEST_SKIP() << "gerbv is not installed";
  Board board;
  board.Elements = TestBoard();
  board_tests::TempFolder folder;
  // Runs gerbv with `arguments` on `text` written to `file`. gerbv exits 0
  // whatever it read: what it disliked is on stderr, marked CRITICAL or WARNING.
  auto run = [&](const std::string& file, const std::string& text, const std::string& arguments) {
    board_tests::WriteBytes(folder.File(file), text);
    const std::string errors = folder.File(file + ".err");
    const std::string command = "gerbv " + arguments + " '" + folder.File(file) + "' </dev/null >/dev/null 2>'";
    EXPECT_EQ(std::system((command + errors + "'").c_str()), 0);
    const std::string complaints = board_tests::ReadBytes(errors);
    EXPECT_TRUE(complaints.find("CRITICAL") == complaints.npos &&
                complaints.find("WARNING") == complaints.npos) << complaints;
  };

  for (std::int32_t layer : {BoardLayer::Component, BoardLayer::Solder, BoardLayer::Silkscreen}) {
    SCOPED_TRACE(layer);
    GerberProblems problems;
    run("couche.gbr", ExportGerberLayer(board.Elements, layer, problems),
        "-x png -D 1000 -B 0 -u mm -O 0x0 -W 1.6x0.8 -f '#FFFFFFFF' -b '#000000' -o '" +
            folder.File("couche.png") + "'");
    const Ink theirs = InkOf(QImage(folder.File("couche.png").c_str()), [](QRgb pixel) { return qGray(pixel) >= 128; });
    const Ink ours = RenderOurs(board, layer);
    ASSERT_GT(Count(ours), 1000);
    EXPECT_EQ(Strays(ours, theirs, true), 0) << "ours, missing from gerbv's";
    EXPECT_EQ(Strays(theirs, ours, false), 0) << "gerbv's, not ours";
    EXPECT_NEAR(Count(theirs), Count(ours), Count(ours) * 0.05);
  }

  run("trous.drl", *ExportDrill(board.Elements), "-x drill -o '" + folder.File("relu.drl") + "'");
  auto inches = [](double mm, double unit) { return std::lround(mm / 25.4 / unit); };
  std::set<long> tools, readTools;
  std::multiset<std::pair<long, long>> holes, readHoles;
  for (const BoardElement& e : board.Elements)
    if (e.Kind == Hole) {
      tools.insert(inches(2 * e.Size, 1e-3));
      holes.insert({inches(e.X1, 1e-4), inches(BoardHeight - e.Y1, 1e-4)});
    }
  std::stringstream lines(board_tests::ReadBytes(folder.File("relu.drl")));
  for (std::string line; std::getline(lines, line);) {
    long x = 0, y = 0;
    double diameter = 0;
    if (std::sscanf(line.c_str(), "T%*dC%lf", &diameter) == 1)
      readTools.insert(std::lround(diameter / 1e-3));
    if (std::sscanf(line.c_str(), "X%ldY%ld", &x, &y) == 2) readHoles.insert({x, y});
  }
  EXPECT_EQ(readTools, tools);
  EXPECT_EQ(readHoles, holes);
}

}  // namespace
