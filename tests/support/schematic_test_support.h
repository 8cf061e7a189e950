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
                                     std::string text = std::string()) {
  return {group, kind, size, x1, y1, x2, y2, false, std::move(text), 0};
}

// The schematic editor as the window drives it (see EditorFixture), started.
class SchematicEditorTest : public testing_support::EditorFixture<skt::SchematicEditor, ScriptedSchematicUi> {
 protected:
  SchematicEditorTest() { editor.Start(""); }
  void Add(const skt::SchematicElement& element) { Doc().Elements.push_back(element); }
};

}  // namespace schematic_tests
