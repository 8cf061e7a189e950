#include "bench/redraw_cases.h"

#include "bench/bare_painter.h"
#include "bench/interleaved_timer.h"
#include "common/core/stroke_font.h"
#include "common/core/viewport.h"
#include "common/ui/qt_canvas.h"
#include "lyt/core/board_renderer.h"

#include <QImage>

namespace bench {
namespace {

using namespace lyt;

// The drawing area of a maximised window on a 1280 x 800 screen.
constexpr int kAreaWidth = 1214;
constexpr int kAreaHeight = 738;

// The view centred on the sheet, as a window opens.
struct View {
  common::Viewport Viewport{common::LytViewport};
  QPoint Origin;  // drawing pixel of the image's top-left corner
  common::VisibleArea Visible;
};

View CentredView(std::int32_t zoom) {
  View view;
  view.Viewport.Zoom = zoom;
  view.Viewport.Scale = view.Viewport.ScaleForZoom();
  const int sheetWidth = view.Viewport.MmToPixels(BoardWidth);
  const int sheetHeight = view.Viewport.MmToPixels(BoardHeight);
  view.Origin = QPoint((sheetWidth - kAreaWidth) / 2, (sheetHeight - kAreaHeight) / 2);
  view.Visible = {-view.Origin.x(), -view.Origin.y(), kAreaWidth, kAreaHeight};
  return view;
}

BenchResult RedrawCase(const char* what, const Board& board, std::int32_t zoom, double goal,
                       int rounds) {
  const View view = CentredView(zoom);
  const LayerView layers;
  const common::StrokeFont font(common::FontVariant::Lyt);
  QImage image(kAreaWidth, kAreaHeight, QImage::Format_RGB32);
  BarePainter bare;
  RedrawBoard(board, layers, view.Visible, view.Viewport, font, bare);
  const PairTiming timing = TimePair(
      [&] {
        common::QtCanvas canvas(image, view.Origin, Qt::black, QColor(0, 0, 128));
        RedrawBoard(board, layers, view.Visible, view.Viewport, font, canvas);
      },
      [&] { bare.PaintOn(image, view.Origin); }, rounds);
  return {what, board.Elements.size(), timing.CaseSeconds * 1e3, timing.BaselineSeconds * 1e3,
          timing.Ratio, goal};
}

}  // namespace

std::vector<BenchResult> RunRedrawCases(const Board& board, int rounds) {
  // Zoom 3 shows the whole sheet in the area; 24 is where a window opens.
  return {RedrawCase("full redraw, whole board visible", board, 3, 1.3, rounds),
          RedrawCase("full redraw, default zoom", board, common::LytViewport.Zoom, 1.15, rounds)};
}

}  // namespace bench
