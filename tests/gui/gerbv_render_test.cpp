#include "common/core/stroke_font.h"
#include "common/core/viewport.h"
#include "common/ui/qt_canvas.h"
#include "lyt/core/board.h"
#include "lyt/core/board_renderer.h"
#include "support/board_test_support.h"
#include "lyt/export/gerber_writer.h"
#include "lyt/export/gerbv_runner.h"
#include "support/scripted_ui.h"

#include <QImage>

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace {

using namespace lyt;
using board_tests::Element;
using export_tests::Gerbv;

// gerbv's window: 1.6 by 0.8 inches from the Gerber origin at 1000 dots per
// inch, that is board x 0 to 40.64 mm and y 175.26 to 195.58 mm, which our
// renderer puts at whole pixels too at the same scale.
constexpr int kWidth = 1600;
constexpr int kHeight = 800;
constexpr double kDotsPerMm = 1000.0 / 25.4;
const QPoint kWindowOrigin(0, 7700 - kHeight);  // drawing-area pixel of the window's corner

// A small board near the bottom-left corner of the sheet.
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
      Element(0, ElementKind::Hole, t, 0.4f, 10.16f, 190.5f),
      Element(0, ElementKind::SquarePad, t, 0.9525f, 20.32f, 180.34f),
      Element(0, ElementKind::RectPad, t, 0.79375f, 27.94f, 187.96f, 0, 0, "", 90),
      Element(0, ElementKind::RectPad, t, 0.79375f, 33.02f, 190.5f, 0, 0, "", 0),
      Element(0, ElementKind::Text, c, 2.54f, 2.54f, 176.5f, 0, 0, "R12 +", 0),
      Element(0, ElementKind::Text, c, 1.905f, 38.1f, 186.0f, 0, 0, "C3", 90),
      Element(0, ElementKind::Text, s, 2.54f, 12.7f, 191.5f, 0, 0, "SOUD 7", 0),
      Element(0, ElementKind::Circle, k, 2.54f, 15.24f, 188.0f),
      Element(0, ElementKind::Track, k, 0.25f, 2.0f, 193.0f, 25.0f, 193.0f),
      Element(0, ElementKind::Text, k, 1.27f, 24.0f, 189.5f, 0, 0, "LED", 270),
  };
}

using Ink = std::vector<bool>;

// Our own picture of one layer file: the board's layer drawers at gerbv's scale.
Ink RenderOurs(const Board& board, std::int32_t layer) {
  QImage image(kWidth, kHeight, QImage::Format_RGB32);
  testing_support::ScriptedUi ui;
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
  Ink ink(kWidth * kHeight);
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) ink[y * kWidth + x] = image.pixel(x, y) != QColor(Qt::black).rgb();
  return ink;
}

Ink ReadPng(const std::string& path) {
  QImage image(QString::fromStdString(path));
  EXPECT_EQ(image.size(), QSize(kWidth, kHeight)) << path;
  Ink ink(kWidth * kHeight);
  if (image.size() != QSize(kWidth, kHeight)) return ink;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x) ink[y * kWidth + x] = qGray(image.pixel(x, y)) >= 128;
  return ink;
}

// Our renderer centres a figure on a pixel, gerbv on the corner between
// pixels: gerbv's picture lies half a pixel up and left of ours. Within one
// pixel of that, in either direction, is a match.
enum class Shift { OursToTheirs, TheirsToOurs };

bool InkNear(const Ink& ink, int x, int y, Shift shift) {
  const int least = shift == Shift::OursToTheirs ? -2 : -1;
  for (int dy = least; dy <= least + 3; ++dy)
    for (int dx = least; dx <= least + 3; ++dx) {
      const int nx = x + dx, ny = y + dy;
      if (nx >= 0 && ny >= 0 && nx < kWidth && ny < kHeight && ink[ny * kWidth + nx]) return true;
    }
  return false;
}

// Pixels of `a` with no pixel of `b` near them, outside `skip`.
int Strays(const Ink& a, const Ink& b, Shift shift, const std::function<bool(int, int)>& skip) {
  int strays = 0;
  for (int y = 0; y < kHeight; ++y)
    for (int x = 0; x < kWidth; ++x)
      if (a[y * kWidth + x] && !skip(x, y) && !InkNear(b, x, y, shift)) ++strays;
  return strays;
}

int Count(const Ink& ink) { return static_cast<int>(std::count(ink.begin(), ink.end(), true)); }

class GerbvRendersOurGerber : public ::testing::Test {
 protected:
  void SetUp() override {
    gerbv = Gerbv::Find();
    if (!gerbv) GTEST_SKIP() << "gerbv is not installed";
    board.Elements = TestBoard();
  }

  Ink RenderWithGerbv(std::int32_t layer) {
    const std::string gerber = folder.File("couche.gbr");
    const std::string png = folder.File("couche.png");
    testing_support::ScriptedUi ui;
    board_tests::WriteBytes(gerber, ExportGerberLayer(board.Elements, layer, ui));
    const std::string errors = gerbv->Run({"-x", "png", "-D", "1000", "-B", "0", "-u", "mm", "-O",
                                           "0x0", "-W", "1.6x0.8", "-f", "#FFFFFFFF", "-b",
                                           "#000000", "-o", png, gerber},
                                          folder.File("gerbv.err"));
    EXPECT_EQ(Gerbv::Complaints(errors), std::vector<std::string>()) << errors;
    return ReadPng(png);
  }

  // Window pixel of a board point.
  static QPoint Pixel(float x, float y) {
    return QPoint(static_cast<int>(std::lround(x * kDotsPerMm)) - kWindowOrigin.x(),
                  static_cast<int>(std::lround(y * kDotsPerMm)) - kWindowOrigin.y());
  }

  std::optional<Gerbv> gerbv;
  Board board;
  board_tests::TempFolder folder;
};

class GerbvRendersEachLayer : public GerbvRendersOurGerber,
                              public ::testing::WithParamInterface<std::int32_t> {};

TEST_P(GerbvRendersEachLayer, CopperAndInkWhereTheBoardHasThem) {
  const std::int32_t layer = GetParam();
  const Ink theirs = RenderWithGerbv(layer);
  const Ink ours = RenderOurs(board, layer);
  ASSERT_GT(Count(ours), 1000);
  // Our screen has no drill in a pad: the Gerber pads keep a 0.2 mm centre
  // clear, which is checked apart.
  const double clearance = 0.1 * kDotsPerMm + 2;
  std::vector<QPoint> pads;
  for (const BoardElement& e : board.Elements)
    if (IsPad(e.Kind) && layer != BoardLayer::Silkscreen) pads.push_back(Pixel(e.X1, e.Y1));
  auto inPadCentre = [&](int x, int y) {
    for (const QPoint& p : pads)
      if (std::hypot(x - p.x(), y - p.y()) <= clearance) return true;
    return false;
  };
  EXPECT_EQ(Strays(ours, theirs, Shift::OursToTheirs, inPadCentre), 0) << "ours, missing from gerbv's";
  EXPECT_EQ(Strays(theirs, ours, Shift::TheirsToOurs, [](int, int) { return false; }), 0) << "gerbv's, not ours";
  EXPECT_NEAR(Count(theirs), Count(ours), Count(ours) * 0.05);
}

INSTANTIATE_TEST_SUITE_P(Layers, GerbvRendersEachLayer,
                         ::testing::Values(BoardLayer::Component, BoardLayer::Solder,
                                           BoardLayer::Silkscreen));

TEST_F(GerbvRendersOurGerber, PadsHaveTheirClearCentre) {
  const Ink theirs = RenderWithGerbv(BoardLayer::Component);
  // The pads no track ends on.
  for (QPoint centre : {Pixel(10.16f, 190.5f), Pixel(33.02f, 190.5f)}) {
    EXPECT_FALSE(theirs[centre.y() * kWidth + centre.x()]);
    const int ring = static_cast<int>(std::ceil(0.1 * kDotsPerMm)) + 2;
    EXPECT_TRUE(theirs[centre.y() * kWidth + centre.x() + ring]);
    EXPECT_TRUE(theirs[(centre.y() - ring) * kWidth + centre.x()]);
  }
}

}  // namespace
