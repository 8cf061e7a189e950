#pragma once

#include "common/core/canvas.h"

#include <map>
#include <string>
#include <utility>
#include <vector>

namespace testing_support {

// A canvas that records every drawing call with the state it was drawn in,
// and keeps the pixels set by SetPixel.
class RecordingCanvas : public common::Canvas {
 public:
  enum class Shape { Line, Box, Circle };
  struct Drawn {
    Shape What;
    int X1, Y1, X2, Y2;  // circle: centre in X1,Y1 and radius in X2
    common::Colour Colour;
    int Width;
    common::DrawMode Mode;
    common::LineStyle Style;
    double Aspect;
  };

  std::vector<Drawn> Drawing;
  std::vector<std::pair<common::FillStyle, common::Colour>> Fills;  // one per figure drawn
  std::map<std::pair<int, int>, common::Colour> Pixels;
  int Clears = 0;
  int Width = 1;
  common::DrawMode Mode = common::DrawMode::CopyPen;
  common::LineStyle Style = common::LineStyle::Solid;
  common::FillStyle Fill = common::FillStyle::Transparent;
  common::Colour FillColour = 0;
  common::Colour Highlight = common::Rgb(0, 0, 128);

  void Clear() override {
    ++Clears;
    Drawing.clear();
    Fills.clear();
    Pixels.clear();
  }
  void SetPixel(int x, int y, common::Colour colour) override { Pixels[{x, y}] = colour; }
  void DrawLine(int x1, int y1, int x2, int y2, common::Colour colour) override {
    Drawing.push_back({Shape::Line, x1, y1, x2, y2, colour, Width, Mode, Style, 1.0});
    Fills.emplace_back(Fill, FillColour);
  }
  void DrawBox(int x1, int y1, int x2, int y2, common::Colour colour) override {
    Drawing.push_back({Shape::Box, x1, y1, x2, y2, colour, Width, Mode, Style, 1.0});
    Fills.emplace_back(Fill, FillColour);
  }
  void DrawCircle(int cx, int cy, int radius, common::Colour colour, double aspect) override {
    Drawing.push_back({Shape::Circle, cx, cy, radius, 0, colour, Width, Mode, Style, aspect});
    Fills.emplace_back(Fill, FillColour);
  }
  void SetDrawMode(common::DrawMode mode) override { Mode = mode; }
  void SetLineWidth(int width) override { Width = width; }
  void SetLineStyle(common::LineStyle style) override { Style = style; }
  void SetFillStyle(common::FillStyle style) override { Fill = style; }
  void SetFillColour(common::Colour colour) override { FillColour = colour; }
  common::Colour HighlightColour() const override { return Highlight; }

  // The figures drawn from the `from`th, one per line: shape, coordinates (a
  // circle's radius third), the pen and fill when not the plain ones, and
  // with `name` the pen's colour too; colours are numbers unless named.
  std::string Describe(std::size_t from = 0, std::string (*name)(common::Colour) = nullptr) const {
    static const char* const modes[] = {"", " notxor", " black", " white"};
    std::string text;
    for (std::size_t i = from; i < Drawing.size(); ++i) {
      const Drawn& d = Drawing[i];
      text += d.What == Shape::Line ? "line" : d.What == Shape::Box ? "box" : "circle";
      for (int v : {d.X1, d.Y1, d.X2, d.Y2}) text += " " + std::to_string(v);
      if (d.Width != 1) text += " width " + std::to_string(d.Width);
      if (d.Aspect != 1.0) text += " aspect " + std::to_string(d.Aspect).substr(0, 3);
      if (d.Style != common::LineStyle::Solid) text += d.Style == common::LineStyle::Dash ? " dashed" : " dotted";
      text += modes[static_cast<int>(d.Mode)];
      const auto [fill, fillColour] = Fills[i];
      if (fill == common::FillStyle::Solid) text += " filled " + (name ? name(fillColour) : std::to_string(fillColour));
      text += (name ? " " + name(d.Colour) : std::string()) + "\n";
    }
    return text;
  }
  std::vector<Drawn> Lines() const {
    std::vector<Drawn> lines;
    for (const Drawn& d : Drawing)
      if (d.What == Shape::Line) lines.push_back(d);
    return lines;
  }
};

}  // namespace testing_support
