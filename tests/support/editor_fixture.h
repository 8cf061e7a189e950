#pragma once

#include "common/core/editor_input.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace testing_support {

// An editor of either program as its window drives it, on a program folder
// of its own, with pointer positions in millimetres turned into pixels at
// the current zoom.
template <class Editor, class Ui>
class EditorFixture : public ::testing::Test {
 protected:
  EditorFixture() : editor(ui, folder.Path().u8string()) {}

  auto& Doc() { return editor.Document(); }
  float Px(float mm) const { return static_cast<float>(editor.View().MmToPixels(mm)); }
  void Move(float x, float y, bool left = false) {
    ui.InDrawing = {editor.View().MmToPixels(x), editor.View().MmToPixels(y)};
    common::MouseButtons buttons;
    buttons.Left = left;
    editor.MouseMove(buttons, false, Px(x), Px(y));
  }
  void Click(float x, float y, bool shift = false, common::MouseButton button = common::MouseButton::Left) {
    Move(x, y);
    editor.MouseDown(button, shift, Px(x), Px(y));
    editor.MouseUp(button, shift, Px(x), Px(y));
  }
  void Drag(float fromX, float fromY, float toX, float toY) {
    Move(fromX, fromY);
    editor.MouseDown(common::MouseButton::Left, false, Px(fromX), Px(fromY));
    Move(toX, toY, true);
    editor.MouseUp(common::MouseButton::Left, false, Px(toX), Px(toY));
  }
  void Escape() { editor.KeyDown(common::Key::Escape, false, false, false); }
  // The elements not deleted, in table order.
  auto Live() const {
    auto live = editor.Document().Elements;
    live.erase(std::remove_if(live.begin(), live.end(), [](const auto& e) { return e.Kind == 0; }), live.end());
    return live;
  }

  TempFolder folder;
  Ui ui;
  Editor editor;
};

}  // namespace testing_support
