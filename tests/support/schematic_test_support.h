#pragma once

#include "skt/core/schematic.h"
#include "skt/editor/schematic_editor.h"
#include "skt/editor/schematic_ui.h"
#include "support/editor_fixture.h"
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
  std::deque<std::string> PrintChoices;
  void ShowPrintDialog(const skt::PrintDialogHandlers& handlers) override {
    while (!PrintChoices.empty())
      if (handlers.Print(skt::PrintChoice{testing_support::Next(PrintChoices)})) return;
  }
};

inline skt::SchematicElement Element(std::int32_t group, std::int32_t kind, float x1, float y1,
                                     float x2 = 0.0f, float y2 = 0.0f, float size = 0.0f,
                                     std::string text = std::string(), std::int32_t angle = 0) {
  return {group, kind, size, x1, y1, x2, y2, false, std::move(text), angle};
}

// The number of pin records among elements or items in hand, or -1 when one
// is not a point on an end of a wire of its group.
template <class Item>
int PinsOnLeadEnds(const std::vector<Item>& items) {
  int pins = 0;
  for (const Item& pin : items) {
    if (pin.Kind != skt::ElementKind::Pin) continue;
    auto endsOnPin = [&](const Item& wire) {
      return wire.Kind == skt::ElementKind::Wire && wire.Group == pin.Group &&
             ((wire.X1 == pin.X1 && wire.Y1 == pin.Y1) ||
              (wire.X2 == pin.X1 && wire.Y2 == pin.Y1));
    };
    const bool isPoint = pin.X1 == pin.X2 && pin.Y1 == pin.Y2;
    if (!isPoint || std::none_of(items.begin(), items.end(), endsOnPin)) return -1;
    ++pins;
  }
  return pins;
}

// The schematic editor as the window drives it (see EditorFixture), started.
class SchematicEditorTest : public testing_support::EditorFixture<skt::SchematicEditor, ScriptedSchematicUi> {
 protected:
  SchematicEditorTest() { editor.Start(""); }
  void Add(const skt::SchematicElement& element) { Doc().Elements.push_back(element); }
};

}  // namespace schematic_tests
