#include "support/board_test_support.h"

#include <deque>
#include <random>
#include <set>
#include <sstream>

namespace {

using namespace lyt;
using board_tests::Element;

// Thousands of random gestures and commands on a small board, with the
// document's invariants checked after every one of them.
class BoardEditorRandom : public board_tests::EditorTest {
 protected:
  BoardEditorRandom() : random(20240611u) {
    editor.Start("");
    editor.MnuGrille();  // the grid only costs time here
    BuildBoard();
  }

  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
  bool Coin() { return Uniform(0, 1) == 1; }

  // Pads with their holes, holes, tracks, texts and circles on a small area so
  // that clicks often hit, the last twelve as three compact footprints.
  void BuildBoard() {
    auto& elements = editor.Document().Elements;
    for (int i = 0; i < 36; ++i) {
      const std::int32_t group = i < 24 ? 0 : (i - 24) / 4 + 1;
      const int corner = group == 0 ? Uniform(4, 30) : 8 * group;
      const int spread = group == 0 ? 0 : 3;
      const float x = G(corner + Uniform(0, spread)), y = G(corner + Uniform(0, spread));
      const int layer = Uniform(0, 2);
      switch (i % 5) {
        case 0:
          elements.push_back(Element(group, Uniform(4, 7), 3, 0.79375f, x, y, 0, 0, "", 90 * Uniform(0, 3)));
          elements.push_back(Element(group, 8, 3, 0.4f, x, y));
          break;
        case 1: elements.push_back(Element(group, 1, layer, 0.3175f, x, y, G(Uniform(4, 30)), y)); break;
        case 2: elements.push_back(Element(group, 10, layer, 2.0f, x, y, x + 3.0f, y - 2.0f, "R1")); break;
        case 3: elements.push_back(Element(group, 9, 2, 1.27f, x, y)); break;
        default: elements.push_back(Element(group, 8, 3, 0.5f, x, y)); break;
      }
    }
    editor.Document().LastGroup = 3;
    expectedLive = LiveCount();
  }

  std::size_t LiveCount() const { return Live().size(); }
  // Active items of a selection whose elements are still on the board.
  std::size_t HeldLive() const {
    const Board& board = editor.Document();
    if (board.PendingIsNew) return 0;
    std::size_t count = 0;
    for (const PendingItem& item : board.Pending)
      count += item.Active && board.Elements[static_cast<std::size_t>(item.Index)].Kind != 0;
    return count;
  }
  bool Allowed(const std::string& control) const {
    auto found = ui.Enabled.find(control);
    return found == ui.Enabled.end() || found->second;
  }

  // What must hold between any two events; empty when it does.
  std::string Violation() const {
    const Board& board = editor.Document();
    std::ostringstream out;
    std::set<std::int32_t> held;
    if (!board.PendingIsNew) {
      for (const PendingItem& item : board.Pending) {
        const bool slot = item.Index >= 0 && static_cast<std::size_t>(item.Index) < board.Elements.size();
        if (!slot || board.Elements[static_cast<std::size_t>(item.Index)].Kind == 0)
          out << "item for a dead or missing element " << item.Index << "; ";
        else if (board.Elements[static_cast<std::size_t>(item.Index)].Selected != item.Active)
          out << "mark of element " << item.Index << " differs from its item; ";
        if (!held.insert(item.Index).second) out << "element " << item.Index << " held twice; ";
      }
    }
    for (std::size_t i = 0; i < board.Elements.size(); ++i) {
      const BoardElement& e = board.Elements[i];
      if (e.Selected && (board.PendingIsNew || !held.count(static_cast<std::int32_t>(i))))
        out << "element " << i << " marked but not held; ";
      if (e.Group > board.LastGroup) out << "group " << e.Group << " above the counter; ";
    }
    if (board.PendingActive != !board.Pending.empty()) out << "PendingActive disagrees with Pending; ";
    if (LiveCount() != expectedLive) out << "live " << LiveCount() << " expected " << expectedLive << "; ";
    return out.str();
  }

  // One random step; returns what it did, and sets what the live count may become.
  std::string Step() {
    const Board& board = editor.Document();
    const std::size_t inHand = board.PendingActive && board.PendingIsNew ? board.Pending.size() : 0;
    std::set<std::size_t> allowed{expectedLive};
    // Half of the points aim at an element, the others anywhere around them.
    const BoardElement& target =
        board.Elements[static_cast<std::size_t>(Uniform(0, static_cast<int>(board.Elements.size()) - 1))];
    const bool aim = Coin();
    const bool second = Coin() && target.Kind == ElementKind::Track;
    const float x = (aim ? (second ? target.X2 : target.X1) : G(Uniform(2, 32))) +
                    static_cast<float>(Uniform(-6, 6)) / 10.0f;
    const float y = (aim ? (second ? target.Y2 : target.Y1) : G(Uniform(2, 32))) +
                    static_cast<float>(Uniform(-6, 6)) / 10.0f;
    const float px = Px(x), py = Px(y);
    ui.InDrawing = {editor.View().MmToPixels(x), editor.View().MmToPixels(y)};
    const bool shift = Uniform(0, 3) == 0;
    std::ostringstream what;
    const int choice = Uniform(0, 99);
    if (choice < 22) {
      const bool left = Uniform(0, 4) != 0;
      editor.MouseDown(left ? MouseButton::Left : MouseButton::Right, shift, px, py);
      what << (left ? "down" : "right down");
      if (left) allowed.insert(expectedLive + inHand);  // a drop or the commit of a new block
    } else if (choice < 40) {
      editor.MouseUp(MouseButton::Left, shift, px, py);
      what << "up";
    } else if (choice < 62) {
      MouseButtons buttons;
      buttons.Left = Coin();
      editor.MouseMove(buttons, shift, px, py);
      what << (buttons.Left ? "drag" : "move");
    } else if (choice < 70) {
      static const char keys[] = {'r', 'g', 'i', 'o'};
      const char key = keys[Uniform(0, 3)];
      if (Uniform(0, 4) == 0) {
        editor.KeyDown(Key::Escape, false, false, false);
        what << "Escape";
      } else {
        editor.KeyPress(key);
        what << "key " << key;
      }
    } else if (choice < 82) {
      static const std::pair<const char*, void (BoardEditor::*)()> buttons[] = {
          {"OptSelect", &BoardEditor::OptSelect},         {"OptPiste", &BoardEditor::OptPiste},
          {"OptPastilleR", &BoardEditor::OptPastilleR},   {"OptPastilleC", &BoardEditor::OptPastilleC},
          {"OptPastilleOH", &BoardEditor::OptPastilleOH}, {"OptPastilleRect", &BoardEditor::OptPastilleRect},
          {"OptTrou", &BoardEditor::OptTrou},             {"OptRond", &BoardEditor::OptRond},
          {"OptComposant", &BoardEditor::OptComposant},   {"OptSoudure", &BoardEditor::OptSoudure},
          {"OptSerig", &BoardEditor::OptSerig}};
      const auto& button = buttons[Coin() ? 0 : Uniform(1, 10)];
      if (Allowed(button.first)) (editor.*button.second)();
      what << button.first;
    } else {
      // Menu commands, called whether or not their entries are enabled.
      static const std::pair<const char*, void (BoardEditor::*)()> commands[] = {
          {"copy", &BoardEditor::MnuCopier},          {"cut", &BoardEditor::MnuCouper},
          {"delete", &BoardEditor::MnuSuppr},         {"paste", &BoardEditor::MnuColler},
          {"undo", &BoardEditor::MnuAnnuler},         {"rotation", &BoardEditor::MnuRotation},
          {"layer change", &BoardEditor::MnuChanger}, {"information", &BoardEditor::MnuInfo}};
      const auto& command = commands[Uniform(0, 7)];
      const std::string name = command.first;
      if (name == "cut" || name == "delete") {
        const bool deletes = editor.CurrentTool() == BoardEditor::Tool::Select && board.PendingActive;
        allowed = {expectedLive - (deletes ? HeldLive() : 0)};
      }
      if (name == "paste" && !board.ClipBuffer.empty()) allowed = {expectedLive + inHand};
      (editor.*command.second)();
      what << name;
    }
    what << (shift ? " shift " : " ") << x << "," << y;
    const std::size_t live = LiveCount();
    if (allowed.count(live)) expectedLive = live;
    return what.str();
  }

  std::mt19937 random;
  std::size_t expectedLive = 0;
};

TEST_F(BoardEditorRandom, InvariantsHoldAfterEveryStep) {
  ASSERT_EQ(Violation(), "");
  std::deque<std::string> recent;
  std::size_t dropped = 0, deleted = 0;
  for (int step = 0; step < 4000; ++step) {
    const std::size_t before = LiveCount();
    recent.push_back(Step());
    if (recent.size() > 12) recent.pop_front();
    dropped += LiveCount() > before;
    deleted += LiveCount() < before;
    std::string trail;
    for (const std::string& line : recent) trail += "\n  " + line;
    ASSERT_EQ(Violation(), "") << "at step " << step << ", after:" << trail;
  }
  // The walk must have done real work, not wandered in empty space.
  EXPECT_GT(dropped, 50u);
  EXPECT_GT(deleted, 10u);
}

}  // namespace
