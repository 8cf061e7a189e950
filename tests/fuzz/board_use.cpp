#include "board_use.h"

#include "common/core/null_canvas.h"
#include "common/core/stroke_font.h"
#include "lyt/core/board_renderer.h"
#include "lyt/export/drill_writer.h"
#include "lyt/export/gerber_writer.h"
#include "lyt/print/core/board_print.h"
#include "support/test_files.h"

#include <filesystem>

namespace fuzz {

const std::string& ScratchFolder() {
  static const testing_support::TempFolder folder;
  static const std::string text = [] {
    std::filesystem::create_directories(folder.Path() / "empreintes");
    return folder.Path().u8string();
  }();
  return text;
}

void WriteFile(const std::string& path, std::string_view bytes) {
  testing_support::WriteBytes(path, std::string(bytes));
  FUZZ_CHECK(testing_support::ReadBytes(path) == bytes);
}

void UseBoard(const lyt::Board& board, const common::Viewport& viewport) {
  static const common::StrokeFont font(common::FontVariant::Lyt);
  common::NullCanvas canvas;
  lyt::GerberProblems problems;
  // At the file's grid and zoom, then zoomed in as far as the window goes.
  common::Viewport zoomedIn = viewport;
  while (zoomedIn.StepZoom(common::ZoomDirection::In)) {
  }
  zoomedIn.Scale = zoomedIn.ScaleForZoom();
  for (const common::Viewport& view : {viewport, zoomedIn})
    lyt::RedrawBoard(board, lyt::LayerView{}, lyt::VisibleArea{0, 0, 800, 600}, view, font,
                     canvas);
  for (std::int32_t layer = lyt::BoardLayer::Component; layer <= lyt::BoardLayer::Silkscreen;
       ++layer)
    lyt::ExportGerberLayer(board.Elements, layer, problems);
  lyt::ExportDrill(board.Elements);
  lyt::PrintChoice everything;
  everything.Component = everything.Solder = everything.Silkscreen = everything.Drill = true;
  // 600 dpi, at the largest scale the print dialog takes.
  const double printerPixelMm = 25.4 / 600;
  const common::PrintConversion conversion(viewport, printerPixelMm, printerPixelMm, 3.0f);
  lyt::PrintBoardPage(board, everything, conversion, font, canvas);
  font.TakeProblems();
}

}  // namespace fuzz
