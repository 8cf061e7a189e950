// The view through the editor: scroll bars, their focus and the C key.
#include "support/board_test_support.h"

namespace {

class BoardEditorView : public board_tests::EditorTest {
 protected:
  BoardEditorView() { editor.Start(""); }
};

TEST_F(BoardEditorView, ScrollBarsMoveTheViewAndTheirFocusIsKept) {
  editor.Scrolled(true, 123);
  editor.Scrolled(false, 45);
  EXPECT_EQ(std::make_pair(ui.Layouts.back().HScroll1.Value, ui.Layouts.back().VScroll1.Value),
            std::make_pair(123, 45));
  EXPECT_EQ(editor.Layout().HScroll1.Value, 123);
  editor.ScrollFocusChanged(true);
  EXPECT_TRUE(editor.View().ScrollFocus);
  editor.ScrollFocusChanged(false);
  EXPECT_FALSE(editor.View().ScrollFocus);
}

// C held centres the view on the pointer: the bars move by the pointer's
// distance from the middle of the view, and the pointer goes to the middle.
TEST_F(BoardEditorView, TheCKeyCentresTheViewOnThePointer) {
  const common::WindowLayout before = editor.Layout();
  ui.Screen = {ui.Picture1Screen.Left + 400, ui.Picture1Screen.Top + 500};
  editor.KeyDown(lyt::Key::C, false, true, false);  // with Ctrl: nothing
  EXPECT_TRUE(ui.Warps.empty());
  editor.KeyDown(lyt::Key::C, false, false, false);
  EXPECT_TRUE(editor.View().CentringKey);
  ASSERT_EQ(ui.Warps.size(), 1u);
  const common::PixelPoint middle = ui.Warps[0];
  EXPECT_EQ(editor.Layout().HScroll1.Value - before.HScroll1.Value, ui.Screen.X - middle.X);
  EXPECT_EQ(editor.Layout().VScroll1.Value - before.VScroll1.Value, ui.Screen.Y - middle.Y);
  EXPECT_NEAR(middle.X, ui.Picture1Screen.Left + ui.Picture1Screen.Width / 2, 1);
  editor.KeyUp(lyt::Key::C, false, false, false);
  EXPECT_FALSE(editor.View().CentringKey);
}

}  // namespace
