#include "skt/core/schematic_renderer.h"
#include "support/recording_canvas.h"

#include <gtest/gtest.h>

#include <string>

// The drawing calls of the schematic renderer; the pixels, and the preview
// drawn twice, are checked in tests/gui.
namespace {

using namespace skt;
using namespace skt::ElementKind;
using common::DrawMode;
using testing_support::RecordingCanvas;

// The test colours are the numbers 1 to 8, in the order of SchematicColours.
const char* const kColourNames[] = {"",       "wire",   "bus",  "dotted", "junction",
                                    "symbol", "circle", "text", "preview"};

std::string Name(common::Colour colour) { return colour < 9 ? kColourNames[colour] : "highlight"; }

// At 48 pixels per mm the pens differ: wire 5, bus 24, junction half 19.
class SchematicRenderTest : public ::testing::Test {
 protected:
  SchematicRenderTest() {
    schematic.Colours = {1, 2, 3, 4, 5, 6, 7, 8};
    viewport.Zoom = 48;
    viewport.Scale = viewport.ScaleForZoom();
  }

  Schematic schematic;
  common::Viewport viewport{common::SktViewport};
  common::StrokeFont font{common::FontVariant::Skt};
  RecordingCanvas canvas;
};

// Each kind as a free element, as one of a group (turned a quarter, which
// only a text shows) and in hand.
struct KindCase {
  std::int32_t Kind;
  const char *Free, *Grouped, *InHand;
};

const KindCase kKinds[] = {
    {Wire, "line 48 96 240 192 width 5 wire\n", "line 48 96 240 192 width 5 symbol\n",
     "line 48 96 240 192 width 5 notxor preview\n"},
    {Bus, "line 48 96 240 192 width 24 bus\n", "line 48 96 240 192 width 24 symbol\n",
     "line 48 96 240 192 width 24 notxor preview\n"},
    // One pixel in the redraw so that the dashes show at every zoom.
    {DottedLine, "line 48 96 240 192 dashed dotted\n", "line 48 96 240 192 dashed symbol\n",
     "line 48 96 240 192 width 5 dashed notxor preview\n"},
    {Junction, "box 29 77 67 115 filled junction junction\n",
     "box 29 77 67 115 filled symbol symbol\n", "box 29 77 67 115 notxor filled preview preview\n"},
    {Circle, "circle 48 96 96 0 circle\n", "circle 48 96 96 0 circle\n",
     "circle 48 96 96 0 notxor preview\n"},
    // "L" 96 pixels high, 0.4 mm below its point (along the turned reading
    // frame too), strokes 16 wide; in hand only its box.
    {Text, "line 48 115 48 201 width 16 text\nline 48 201 125 201 width 16 text\n",
     "line 67 67 153 67 width 16 text\nline 153 67 153 -10 width 16 text\n",
     "box 48 96 240 192 notxor preview\n"},
    {Deleted, "", "", ""}, {6, "", "", ""}, {7, "", "", ""}, {8, "", "", ""}};

SchematicElement ElementOf(std::int32_t kind, std::int32_t group) {
  return {group, kind, 2.0f, 1, 2, 5, 4, false, "L", group == 0 ? 0 : 90};
}

// The free element, then the grouped one, then the free one in hand. Every
// figure leaves the line solid and the fill transparent; an inactive item is
// not drawn.
TEST_F(SchematicRenderTest, EachKindFreeGroupedAndInHand) {
  const auto plainPen = std::make_pair(common::LineStyle::Solid, common::FillStyle::Transparent);
  for (const KindCase& k : kKinds) {
    SCOPED_TRACE("kind " + std::to_string(k.Kind));
    schematic.Elements = {ElementOf(k.Kind, 0), ElementOf(k.Kind, 3)};
    schematic.Pending = {ItemFromElement(schematic.Elements[0], 0, PendingMove::Whole),
                         ItemFromElement(ElementOf(Wire, 0), 0, PendingMove::Whole)};
    schematic.Pending[1].Active = false;
    canvas.Clear();
    DrawElements(schematic, viewport, font, canvas);
    EXPECT_EQ(std::make_pair(canvas.Style, canvas.Fill), plainPen);
    DrawPending(schematic, viewport, canvas);
    EXPECT_EQ(canvas.Describe(0, Name), std::string(k.Free) + k.Grouped + k.InHand);
    EXPECT_EQ(std::make_pair(canvas.Style, canvas.Fill), plainPen);
  }
}

// The redraw sets the copy pen before the centre mark; selected elements
// show only as their copy in hand, drawn last, where it was moved to.
TEST_F(SchematicRenderTest, RedrawShowsSelectedElementsOnlyAsTheirCopyInHand) {
  schematic.Elements = {ElementOf(Bus, 0), ElementOf(Wire, 2), ElementOf(Junction, 0)};
  AddToPending(schematic, 0, PendingMove::Whole);
  AddToPending(schematic, 2, PendingMove::Whole);
  schematic.Pending[1].X1 = 2;
  std::tie(canvas.Mode, canvas.Style) = std::make_pair(DrawMode::NotXorPen, common::LineStyle::Dot);
  RedrawSchematic(schematic, VisibleArea{0, 0, 100, 100}, viewport, font, canvas);
  EXPECT_EQ(canvas.Clears, 1);
  EXPECT_EQ(canvas.Describe(0, Name),
            "line 6768 4704 6960 4704 highlight\n"  // centre mark: 2 mm arms at (143, 98)
            "line 6864 4608 6864 4800 highlight\n"
            "line 48 96 240 192 width 5 symbol\n"
            "line 48 96 240 192 width 24 notxor preview\n"
            "box 77 77 115 115 notxor filled preview preview\n");
}

}  // namespace
