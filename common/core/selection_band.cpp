#include "common/core/selection_band.h"

namespace common {

void DrawSelectionBand(int x1, int y1, int x2, int y2, Colour previewColour, Canvas& canvas) {
  canvas.SetDrawMode(DrawMode::NotXorPen);
  canvas.SetLineWidth(1);
  canvas.SetFillStyle(FillStyle::Transparent);
  canvas.SetLineStyle(LineStyle::Dot);
  canvas.DrawBox(x1, y1, x2, y2, previewColour);
  canvas.SetLineStyle(LineStyle::Solid);
}

}  // namespace common
