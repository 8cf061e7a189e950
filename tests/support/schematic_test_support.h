#pragma once

#include "skt/core/schematic.h"
#include "skt/editor/schematic_editor.h"
#include "skt/editor/schematic_ui.h"
#include "support/scripted_ui.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <deque>
#include <string>
#include <vector>

namespace schematic_tests {

using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

// The schematic editor's window: the shared part and its print dialog, which
// clicks "Imprimer" once per queued printer until a page goes out.
class ScriptedSchematicUi : public testing_support::ScriptedUi, public skt::SchematicUi {
 public:
  int PrintDialogShown = 0;
  std::deque<std::string> PrintChoices;
  void ShowPrintDialog(const skt::PrintDialogHandlers& handlers) override {
    ++PrintDialogShown;
    while (!PrintChoices.empty()) {
      skt::PrintChoice choice{PrintChoices.front()};
      PrintChoices.pop_front();
      if (handlers.Print(choice)) return;
    }
  }
};

inline skt::SchematicElement Element(std::int32_t group, std::int32_t kind, float x1, float y1,
                                     float x2 = 0.0f, float y2 = 0.0f, float size = 0.0f,
                                     std::string text = std::string()) {
  skt::SchematicElement element;
  element.Group = group;
  element.Kind = kind;
  element.Size = size;
  element.X1 = x1;
  element.Y1 = y1;
  element.X2 = x2;
  element.Y2 = y2;
  element.Text = std::move(text);
  return element;
}

// The schematic editor as the window drives it, on a program folder of its
// own, with pointer positions in millimetres turned into pixels.
class SchematicEditorTest : public ::testing::Test {
 protected:
  SchematicEditorTest() : editor(ui, folder.Path().u8string()) { editor.Start(""); }

  skt::Schematic& Doc() { return editor.Document(); }
  float Px(float mm) const { return static_cast<float>(editor.View().MmToPixels(mm)); }
  void Move(float x, float y, bool left = false) {
    ui.InDrawing = {editor.View().MmToPixels(x), editor.View().MmToPixels(y)};
    skt::MouseButtons buttons;
    buttons.Left = left;
    editor.MouseMove(buttons, false, Px(x), Px(y));
  }
  void Click(float x, float y, bool shift = false, skt::MouseButton button = skt::MouseButton::Left) {
    Move(x, y);
    editor.MouseDown(button, shift, Px(x), Px(y));
    editor.MouseUp(button, shift, Px(x), Px(y));
  }
  void Drag(float fromX, float fromY, float toX, float toY) {
    Move(fromX, fromY);
    editor.MouseDown(skt::MouseButton::Left, false, Px(fromX), Px(fromY));
    Move(toX, toY, true);
    editor.MouseUp(skt::MouseButton::Left, false, Px(toX), Px(toY));
  }
  void Escape() { editor.KeyDown(skt::Key::Escape, false, false, false); }
  void Add(const skt::SchematicElement& element) { Doc().Elements.push_back(element); }
  // The elements not deleted, in table order.
  std::vector<skt::SchematicElement> Live() const {
    std::vector<skt::SchematicElement> live;
    std::copy_if(editor.Document().Elements.begin(), editor.Document().Elements.end(),
                 std::back_inserter(live), [](const skt::SchematicElement& e) { return e.Kind != 0; });
    return live;
  }

  TempFolder folder;
  ScriptedSchematicUi ui;
  skt::SchematicEditor editor;
};

}  // namespace schematic_tests
