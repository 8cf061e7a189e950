// Our Gerber and drill files read back by gerbv, an independent reader: it
// must take them without a complaint, draw each Gerber layer where our
// screen draws it, and find the drill sizes and positions we meant.
#include "common/core/stroke_font.h"
#include "common/core/viewport.h"
#include "common/ui/qt_canvas.h"
#include "lyt/core/board.h"
#include "lyt/core/board_renderer.h"
#include "lyt/export/drill_writer.h"
#include "lyt/export/gerber_writer.h"
#include "support/board_test_support.h"
#include "support/gerbv_runner.h"
#include "support/test_files.h"

#include <QImage>
#include <QPointF>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <regex>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace lyt;
using board_tests::Element;
using testing_support::Gerbv;

// gerbv's window: 1.6 by 0.8 inches from the Gerber origin at 1000 dots per
// inch, that is board x 0 to 40.64 mm and y 175.26 to 195.58 mm, which our
// renderer puts at whole pixels too at the same scale.
constexpr int kWidth = 1600;
constexpr int kHeight = 800;
constexpr double kDotsPerMm = 1000.0 / 25.4;
const QPoint kWindowOrigin(0, 7700 - kHeight);  // drawing-area pixel of the window's corner

// A small board near the bottom-left corner of the sheet; three hole sizes.
std::vector<BoardElement> TestBoard() {
  const std::int32_t c = BoardLayer::Component, s = BoardLayer::Solder, k = BoardLayer::Silkscreen,
                     t = BoardLayer::Through;
  return {
      Element(0, ElementKind::Track, c, 0.8f, 5.08f, 180.34f, 20.32f, 180.34f),
      Element(0, ElementKind::Track, c, 0.3175f, 20.32f, 180.34f, 27.94f, 187.96f),
      Element(0, ElementKind::Track, s, 0.5f, 5.08f, 185.42f, 35.56f, 185.42f),
      Element(0, ElementKind::RoundPad, t, 0.79375f, 5.08f, 180.34f),
      Element(0, ElementKind::Hole, t, 0.4f, 5.08f, 180.34f),
      Element(0, ElementKind::RoundPad, t, 1.2f, 10.16f, 190.5f),
      Element(0, ElementKind::Hole, t, 0.5f, 10.16f, 190.5f),
      Element(0, ElementKind::SquarePad, t, 0.9525f, 20.32f, 180.34f),
      Element(0, ElementKind::Hole, t, 0.4f, 20.32f, 180.34f),
      Element(0, ElementKind::RectPad, t, 0.79375f, 27.94f, 187.96f, 0, 0, "", 90),
      Element(0, ElementKind::Hole, t, 0.3f, 27.94f, 187.96f),
      Element(0, ElementKind::RectPad, t, 0.79375f, 33.02f, 190.5f, 0, 0, "", 0),
      Element(0, ElementKind::Text, c, 2.54f, 2.54f, 176.5f, 0, 0, "R12 +", 0),
      Element(0, ElementKind::Text, c, 1.905f, 38.1f, 186.0f, 0, 0, "C3", 90),
      Element(0, ElementKind::Text, s, 2.54f, 12.7f, 191.5f, 0, 0, "SOUD 7", 0),
      Element(0, ElementKind::Circle, k, 2.54f, 15.24f, 188.0f),
      Element(0, ElementKind::Track, k, 0.25f, 2.0f, 193.0f, 25.0f, 193.0f),
      Element(0, ElementKind::Text, k, 1.27f, 24.0f, 189.5f, 0, 0, "LED", 270),
  };
}

// Which pixels of a picture of gerbv's window are inked.
using Ink = std::vector<bool>;

Ink InkOf(const QImage& image, const std::function<bool(QRgb)>& inked) {
  Ink ink(kWidth * kHeight);
  EXPECT_EQ(image.size(), QSize(kWidth, kHeight));
  if (image.size() != QSize(kWidth, kHeight)) return ink;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) ink[y * kWidth + x] = inked(image.pixel(x, y));
  return ink;
}

// Our own picture of one layer file: the board's layer drawers at gerbv's scale.
Ink RenderOurs(const Board& board, std::int32_t layer) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  common::StrokeFont font(common::FontVariant::Lyt);
  common::Viewport viewport(common::LytViewport);
  viewport.Scale = kDotsPerMm;
  LayerView layers;
  {
    common::QtCanvas canvas(image, kWindowOrigin, Qt::black, Qt::blue);
    canvas.Clear();
    if (layer == BoardLayer::Component) DrawComponentLayer(board, layers, viewport, font, canvas);
    if (layer == BoardLayer::Solder) DrawSolderLayer(board, layers, viewport, font, canvas);
    if (layer == BoardLayer::Silkscreen)
      DrawSilkscreenLayer(board, layers, viewport, font, canvas);
    else
      DrawPads(board, viewport, canvas);
  }
  return InkOf(image, [](QRgb pixel) { return (pixel & 0xFFFFFF) != 0; });
}

// Inked pixels of `a` with no inked pixel of `b` near them, outside `skip`.
// Our renderer centres a figure on a pixel, gerbv on the corner between
// pixels: gerbv's picture lies half a pixel up and left of ours. Within one
// pixel of that, in either direction, is near.
int Strays(const Ink& a, const Ink& b, bool aIsOurs, const std::function<bool(int, int)>& skip) {
  const int least = aIsOurs ? -2 : -1;
  auto near = [&](int x, int y) {
    for (int ny = std::max(0, y + least); ny <= std::min(kHeight - 1, y + least + 3); ++ny)
      for (int nx = std::max(0, x + least); nx <= std::min(kWidth - 1, x + least + 3); ++nx)
        if (b[ny * kWidth + nx]) return true;
    return false;
  };
  int strays = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (a[y * kWidth + x] && !skip(x, y) && !near(x, y)) ++strays;
  return strays;
}

int Count(const Ink& ink) { return static_cast<int>(std::count(ink.begin(), ink.end(), true)); }

// Window pixel of a board point.
QPoint Pixel(float x, float y) {
  return QPoint(static_cast<int>(std::lround(x * kDotsPerMm)) - kWindowOrigin.x(),
                static_cast<int>(std::lround(y * kDotsPerMm)) - kWindowOrigin.y());
}

class GerbvReadsBack : public ::testing::Test {
 protected:
  void SetUp() override {
    gerbv = Gerbv::Find();
    if (!gerbv) GTEST_SKIP() << "gerbv is not installed";
    board.Elements = TestBoard();
  }

  // Runs gerbv on `text` written to `file`, expecting no complaint.
  void Run(const std::string& file, const std::string& text, std::vector<std::string> arguments) {
    testing_support::WriteBytes(folder.File(file), text);
    arguments.push_back(folder.File(file));
    const std::string errors = gerbv->Run(arguments, folder.File(file + ".err"));
    EXPECT_EQ(Gerbv::Complaints(errors), std::vector<std::string>()) << errors;
  }

  std::optional<Gerbv> gerbv;
  Board board;
  testing_support::TempFolder folder;
};

class GerbvDrawsEachLayer : public GerbvReadsBack,
                            public ::testing::WithParamInterface<std::int32_t> {};

TEST_P(GerbvDrawsEachLayer, CopperAndInkWhereTheBoardHasThem) {
  const std::int32_t layer = GetParam();
  GerberProblems problems;
  Run("couche.gbr", ExportGerberLayer(board.Elements, layer, problems),
      {"-x", "png", "-D", "1000", "-B", "0", "-u", "mm", "-O", "0x0", "-W", "1.6x0.8", "-f",
       "#FFFFFFFF", "-b", "#000000", "-o", folder.File("couche.png")});
  const Ink theirs = InkOf(QImage(QString::fromStdString(folder.File("couche.png"))),
                          [](QRgb pixel) { return qGray(pixel) >= 128; });
  const Ink ours = RenderOurs(board, layer);
  ASSERT_GT(Count(ours), 1000);
  // Our screen has no drill in a pad: the Gerber pads keep a 0.2 mm centre
  // clear, which is checked apart.
  const double clearance = 0.1 * kDotsPerMm + 2;
  std::vector<QPoint> pads;
  for (const BoardElement& e : board.Elements)
    if (IsPad(e.Kind) && layer != BoardLayer::Silkscreen) pads.push_back(Pixel(e.X1, e.Y1));
  auto inPadCentre = [&](int x, int y) {
    return std::any_of(pads.begin(), pads.end(), [&](const QPoint& p) {
      return std::hypot(x - p.x(), y - p.y()) <= clearance;
    });
  };
  EXPECT_EQ(Strays(ours, theirs, true, inPadCentre), 0) << "ours, missing from gerbv's";
  EXPECT_EQ(Strays(theirs, ours, false, [](int, int) { return false; }), 0) << "gerbv's, not ours";
  EXPECT_NEAR(Count(theirs), Count(ours), Count(ours) * 0.05);
  // The pads gerbv drew (no stray above) have a clear centre where no track covers it.
  for (QPoint centre : {Pixel(10.16f, 190.5f), Pixel(33.02f, 190.5f)})
    EXPECT_FALSE(theirs[centre.y() * kWidth + centre.x()]);
}

INSTANTIATE_TEST_SUITE_P(Layers, GerbvDrawsEachLayer,
                         ::testing::Values(BoardLayer::Component, BoardLayer::Solder,
                                           BoardLayer::Silkscreen));

// gerbv writes drill files back in inches with four decimals and no point,
// grouped by tool. A misread number would drill the wrong holes.
TEST_F(GerbvReadsBack, DrillFileKeepsItsToolSizesAndPositions) {
  Run("trous.drl", *ExportDrill(board.Elements),
      {"-x", "drill", "-o", folder.File("relu.drl")});
  const std::string text = testing_support::ReadBytes(folder.File("relu.drl"));
  ASSERT_NE(text.find("INCH"), std::string::npos) << text;
  std::vector<double> tools;
  std::vector<QPointF> holes;
  const std::regex tool("T\\d+C([0-9.]+)"), hole("X(\\d+)Y(\\d+)");
  std::stringstream lines(text);
  std::smatch match;
  for (std::string line; std::getline(lines, line);) {
    if (std::regex_search(line, match, tool)) tools.push_back(std::stod(match[1]) * 25.4);
    if (std::regex_search(line, match, hole))
      holes.emplace_back(std::stod(match[1]) * 25.4e-4, std::stod(match[2]) * 25.4e-4);
  }
  // 0.001 inch is gerbv's own resolution.
  ASSERT_EQ(tools.size(), 3u);
  for (double diameter : {0.8, 1.0, 0.6})
    EXPECT_TRUE(std::any_of(tools.begin(), tools.end(),
                            [&](double t) { return std::abs(t - diameter) < 0.0127; }))
        << diameter;
  std::vector<QPointF> expected;
  for (const BoardElement& e : board.Elements)
    if (e.Kind == ElementKind::Hole) expected.emplace_back(e.X1, BoardHeight - e.Y1);
  ASSERT_EQ(holes.size(), expected.size());
  for (const QPointF& p : expected)
    EXPECT_TRUE(std::any_of(holes.begin(), holes.end(), [&](const QPointF& h) {
      return std::abs(h.x() - p.x()) < 0.003 && std::abs(h.y() - p.y()) < 0.003;
    })) << "hole at " << p.x() << ", " << p.y();
}

}  // namespace
