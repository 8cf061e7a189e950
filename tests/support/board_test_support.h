#pragma once

#include "lyt/core/board.h"
#include "lyt/editor/board_editor.h"
#include "support/editor_fixture.h"
#include "support/scripted_board_ui.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

namespace board_tests {

namespace fs = std::filesystem;

using testing_support::ReadBytes;
using testing_support::TempFolder;
using testing_support::WriteBytes;

inline lyt::BoardElement Element(std::int32_t group, std::int32_t kind, std::int32_t layer, float size, float x1,
                                 float y1, float x2 = 0.0f, float y2 = 0.0f, std::string text = std::string(),
                                 std::int32_t angle = 0) {
  return {group, kind, layer, size, x1, y1, x2, y2, false, std::move(text), angle};
}

// An active item in hand, new (it copies no element).
inline lyt::PendingItem NewItem(std::int32_t kind, std::int32_t layer, float size, float x1, float y1, float x2 = 0.0f,
                                float y2 = 0.0f, std::int32_t moveMode = lyt::PendingMove::Whole) {
  return {0, 0, kind, layer, size, x1, y1, x2, y2, moveMode, true, std::string(), 0};
}

// Exactly one message was shown: `text` with `icon`, an OK button and `title`.
inline void ExpectOneMessage(const testing_support::ScriptedUi& ui, const std::string& text, common::MessageIcon icon,
                             const std::string& title = std::string()) {
  ASSERT_EQ(ui.Messages.size(), 1u);
  const testing_support::ScriptedUi::Message& m = ui.Messages[0];
  EXPECT_EQ(std::make_tuple(m.Text, m.Icon, m.Buttons, m.Title),
            std::make_tuple(text, icon, common::MessageButtons::Ok, title));
}

// The board editor as the window drives it (see EditorFixture), positions
// also in grid steps.
class EditorTest : public testing_support::EditorFixture<lyt::BoardEditor, testing_support::ScriptedBoardUi> {
 protected:
  // `steps` grid steps from the origin, snapped as the editor snaps.
  float G(int steps) const { return editor.View().SnapX(static_cast<float>(steps) * 1.27f); }
  // A band from an empty spot: it selects at the first move without a button.
  void Band(float x1, float y1, float x2, float y2) {
    Drag(x1, y1, x1, y1);
    Move(x2, y2, true);
    editor.MouseUp(lyt::MouseButton::Left, false, Px(x2), Px(y2));
    Move(x2, y2);
  }
  // A pad with its hole on a grid point; a track between two grid points.
  void AddPad(int x, int y, std::int32_t group = 0, std::int32_t kind = lyt::ElementKind::RoundPad) {
    Doc().Elements.push_back(Element(group, kind, lyt::BoardLayer::Through, 0.79375f, G(x), G(y)));
    Doc().Elements.push_back(Element(group, lyt::ElementKind::Hole, lyt::BoardLayer::Through, 0.4f, G(x), G(y)));
  }
  void AddTrack(int x1, int y1, int x2, int y2, std::int32_t layer = lyt::BoardLayer::Solder) {
    Doc().Elements.push_back(Element(0, lyt::ElementKind::Track, layer, 0.3175f, G(x1), G(y1), G(x2), G(y2)));
  }
};

}  // namespace board_tests
