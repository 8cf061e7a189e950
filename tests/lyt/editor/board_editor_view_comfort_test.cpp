// Moving about the board: the wheel, Zoom Tout and a file opened away from
// the middle of the sheet.
#include "lyt/core/board_extent.h"
#include "support/board_test_support.h"
#include "support/view_checks.h"

namespace {

using namespace lyt;
using board_tests::Element;

class BoardViewComfort : public board_tests::EditorTest {
 protected:
  const common::WindowLayout& Layout() const { return editor.Layout(); }
  void ExpectFramed(const common::MmBox& box) const { testing_support::ExpectFramed(Layout(), editor.View(), box); }
};

// A notch scrolls a tenth of the view, as an arrow of the bars does (a click
// beside the thumb: the whole view); Shift turns it sideways; Ctrl zooms one
// step per whole notch, in or out. C held centres the view on the pointer:
// the bars move by the pointer's distance from the middle of the view, and
// the pointer goes to the middle (the key held and released, and Ctrl, are
// seen through the window's real key events).
TEST_F(BoardViewComfort, WheelScrollsATenthOfTheViewZoomsByNotchesWithCtrlAndCCentres) {
  // The wheel's turns, Shift, Ctrl, the scroll across and down in arrow
  // steps, and the zoom. Part of a notch waits for the rest, turning back
  // starts afresh.
  const std::tuple<std::vector<int>, bool, bool, int, int, std::int32_t> rows[] = {
      {{120}, false, false, 0, -1, 24}, {{-240}, false, false, 0, 2, 24}, {{-120}, true, false, 1, 0, 24},
      {{60, 60}, false, true, 0, 0, 48}, {{60, -60, -120}, false, true, 0, 0, 12}, {{60}, false, true, 0, 0, 24}};
  for (const auto& [deltas, shift, ctrl, across, down, zoom] : rows) {
    SCOPED_TRACE(deltas.size() * 10 + ctrl);
    editor.Start("");
    const common::WindowLayout before = Layout();
    EXPECT_EQ(before.VScroll1.LargeChange, before.Picture1.Height);
    EXPECT_EQ(before.VScroll1.SmallChange, before.Picture1.Height / 10);
    for (int delta : deltas) editor.MouseWheel(delta, shift, ctrl);
    EXPECT_EQ(editor.View().Zoom, zoom);
    if (ctrl) continue;
    EXPECT_EQ(Layout().HScroll1.Value - before.HScroll1.Value, across * before.HScroll1.SmallChange);
    EXPECT_EQ(Layout().VScroll1.Value - before.VScroll1.Value, down * before.VScroll1.SmallChange);
    EXPECT_EQ(ui.Layouts.back().VScroll1.Value, Layout().VScroll1.Value) << "the window follows";
  }

  const common::WindowLayout before = Layout();
  ui.Screen = {ui.Picture1Screen.Left + 400, ui.Picture1Screen.Top + 500};
  editor.KeyDown(common::Key::C, false, false, false);
  ASSERT_EQ(ui.Warps.size(), 1u);
  const common::PixelPoint middle = ui.Warps[0];
  EXPECT_EQ(Layout().HScroll1.Value - before.HScroll1.Value, ui.Screen.X - middle.X);
  EXPECT_EQ(Layout().VScroll1.Value - before.VScroll1.Value, ui.Screen.Y - middle.Y);
  EXPECT_NEAR(middle.X, ui.Picture1Screen.Left + ui.Picture1Screen.Width / 2, 1);
}

// A board in view opens at the first zoom; one away from the middle of the
// sheet opens framed, and stays framed when the window is resized just after
// (a window manager maximising it), until the user moves the view. 'z'
// frames every live element, a deleted one far away left out; an empty
// board shows the whole sheet.
TEST_F(BoardViewComfort, OpeningAndZoomToutFrameTheLiveElements) {
  const std::string corner = folder.File("coin.Lyt"), middle = folder.File("milieu.Lyt");
  board_tests::WriteBytes(corner, "\"LYT 3\"\r\n1.27,1.27\r\n0,1,1,0.8,5.08,5.08,30.48,20.32,\"\",0\r\n");
  board_tests::WriteBytes(middle, "\"LYT 3\"\r\n1.27,1.27\r\n0,1,1,0.8,127,96.52,139.7,96.52,\"\",0\r\n");
  editor.Start(middle);
  EXPECT_EQ(editor.View().Zoom, 24);
  editor.Start(corner);
  const common::MmBox board = *LiveExtent(Doc());
  ExpectFramed(board);
  ui.WindowMetrics.InnerHeight += 200;
  editor.Resized();
  ExpectFramed(board);
  editor.MouseWheel(-120, false, false);
  editor.Resized();
  EXPECT_FALSE(common::ShowsWhole(Layout(), editor.View(), board)) << "centred on the sheet again";

  Doc().Elements = {Element(0, ElementKind::Track, BoardLayer::Solder, 0.8f, 12.7f, 10.16f, 38.1f, 10.16f),
                    Element(0, ElementKind::OvalPad, BoardLayer::Through, 1.2f, 20.32f, 30.48f, 0, 0, "", 90),
                    Element(0, ElementKind::Text, BoardLayer::Silkscreen, 2.54f, 25.4f, 25.4f, 33.0f, 22.86f, "R1"),
                    Element(0, ElementKind::Deleted, BoardLayer::Solder, 1, 250, 180)};
  editor.KeyPress('z');
  for (const BoardElement& element : Doc().Elements) {
    if (element.Kind == ElementKind::Deleted) continue;
    EXPECT_TRUE(common::ShowsWhole(Layout(), editor.View(), *ElementBox(element)));
  }
  ExpectFramed(*LiveExtent(Doc()));
  Doc().Elements.clear();
  editor.MnuZoomTout();
  ExpectFramed({0, 0, BoardWidth, BoardHeight});
}

}  // namespace
