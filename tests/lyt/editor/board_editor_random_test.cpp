#include "support/board_test_support.h"
#include "lyt/core/board_file.h"

#include <cmath>
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
  // Pads with their holes, holes, tracks, texts and circles on a small area so
  // that clicks often hit, the last twelve as three compact footprints.
  BoardEditorRandom() : random(20240611u) {
    editor.Start("");
    editor.MnuGrille();  // the grid only costs time here
    for (int i = 0; i < 36; ++i) {
      const std::int32_t group = i < 24 ? 0 : (i - 24) / 4 + 1;
      const int corner = group == 0 ? Uniform(4, 30) : 8 * group, spread = group == 0 ? 0 : 3;
      const float x = G(corner + Uniform(0, spread)), y = G(corner + Uniform(0, spread));
      const int layer = Uniform(0, 2), kind = i % 5;
      if (kind == 0)
        Doc().Elements.push_back(Element(group, Uniform(4, 7), 3, 0.79375f, x, y, 0, 0, "", 90 * Uniform(0, 3)));
      if (kind == 0 || kind == 4) Doc().Elements.push_back(Element(group, 8, 3, kind == 4 ? 0.5f : 0.4f, x, y));
      if (kind == 1) Doc().Elements.push_back(Element(group, 1, layer, 0.3175f, x, y, G(Uniform(4, 30)), y));
      if (kind == 2) Doc().Elements.push_back(Element(group, 10, layer, 2.0f, x, y, x + 3.0f, y - 2.0f, "R1"));
      if (kind == 3) Doc().Elements.push_back(Element(group, 9, 2, 1.27f, x, y));
    }
    Doc().LastGroup = 3;
    expectedLive = Live().size();
  }

  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random); }
  // The fields an element takes from an item, Group and Kind aside.
  template <class Record>
  static auto ContentOf(const Record& r) { return std::tie(r.Size, r.Layer, r.X1, r.Y1, r.X2, r.Y2, r.Text, r.Angle); }
  // What a step did to the table, against the table and the hand before it:
  // an element neither held before nor after is unchanged; an element added
  // is a copy of an item that was in hand; a held selection written back by a
  // tool change or a shift-click holds exactly its items; all stays finite.
  std::string Shadow(const std::vector<BoardElement>& before, const std::vector<PendingItem>& hand,
                     bool handWasNew, bool writesBack) const {
    const Board& board = editor.Document();
    std::ostringstream out;
    std::set<std::int32_t> held;
    for (const auto* items : {&hand, &board.Pending})
      for (const PendingItem& item : *items) held.insert(item.Index);
    for (std::size_t i = 0; i < before.size(); ++i) {
      const BoardElement& was = before[i];
      const BoardElement& is = board.Elements[i];
      if (!was.Selected && !is.Selected && !held.count(static_cast<std::int32_t>(i)) &&
          std::make_tuple(was.Group, was.Kind, ContentOf(was)) != std::make_tuple(is.Group, is.Kind, ContentOf(is)))
        out << "element " << i << " changed while not in hand; ";
    }
    const std::size_t added = board.Elements.size() - before.size();
    if (added > 0 && (!handWasNew || added % hand.size() != 0)) out << added << " elements appeared; ";
    for (std::size_t i = 0; i < added && handWasNew && !hand.empty(); ++i)
      if (ContentOf(board.Elements[before.size() + i]) != ContentOf(hand[i % hand.size()]))
        out << "element " << before.size() + i << " is not the item dropped; ";
    for (const PendingItem& item : hand)
      if (writesBack && !handWasNew && board.Elements[static_cast<std::size_t>(item.Index)].Kind != 0 &&
          ContentOf(board.Elements[static_cast<std::size_t>(item.Index)]) != ContentOf(item))
        out << "element " << item.Index << " did not take its moved item; ";
    for (const BoardElement& e : board.Elements)
      for (float v : {e.Size, e.X1, e.Y1, e.X2, e.Y2})
        if (!std::isfinite(v)) out << "a value is not finite; ";
    return out.str();
  }
  // The live elements survive a save and a read unchanged: the file read
  // writes back the very bytes saved.
  std::string RoundTrip() {
    const std::string path = folder.File("walk.Lyt"), saved = WriteDocument(editor.Document(), 1.27f, 1.27f);
    board_tests::WriteBytes(path, saved);
    Board read;
    read.FileName = path;
    common::Viewport view(common::LytViewport);
    const bool same = ReadDocument(read, view).Complete() && WriteDocument(read, 1.27f, 1.27f) == saved;
    return same ? "" : "the walk does not read back as it was saved; ";
  }
  bool Coin() { return Uniform(0, 1) == 1; }
  // What must hold between any two events; empty when it does.
  std::string Violation() const {
    const Board& board = editor.Document();
    std::ostringstream out;
    std::set<std::int32_t> held;
    for (const PendingItem& item : board.Pending) {
      if (board.PendingIsNew) break;
      const bool slot = item.Index >= 0 && static_cast<std::size_t>(item.Index) < board.Elements.size();
      if (!slot || board.Elements[static_cast<std::size_t>(item.Index)].Kind == 0)
        out << "item for a dead or missing element " << item.Index << "; ";
      else if (board.Elements[static_cast<std::size_t>(item.Index)].Selected != item.Active)
        out << "mark of element " << item.Index << " differs from its item; ";
      if (!held.insert(item.Index).second) out << "element " << item.Index << " held twice; ";
    }
    for (std::size_t i = 0; i < board.Elements.size(); ++i) {
      const BoardElement& e = board.Elements[i];
      if (e.Selected && (board.PendingIsNew || !held.count(static_cast<std::int32_t>(i))))
        out << "element " << i << " marked but not held; ";
      if (e.Group > board.LastGroup) out << "group " << e.Group << " above the counter; ";
    }
    if (board.PendingActive != !board.Pending.empty()) out << "PendingActive disagrees with Pending; ";
    if (Live().size() != expectedLive) out << "live " << Live().size() << " expected " << expectedLive << "; ";
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
    const bool aim = Coin(), second = Coin() && target.Kind == ElementKind::Track;
    const float x = (aim ? (second ? target.X2 : target.X1) : G(Uniform(2, 32))) + static_cast<float>(Uniform(-6, 6)) / 10;
    const float y = (aim ? (second ? target.Y2 : target.Y1) : G(Uniform(2, 32))) + static_cast<float>(Uniform(-6, 6)) / 10;
    ui.InDrawing = {editor.View().MmToPixels(x), editor.View().MmToPixels(y)};
    const bool shift = Uniform(0, 3) == 0;
    std::ostringstream what;
    const int choice = Uniform(0, 99);
    if (choice < 22) {
      const bool left = Uniform(0, 4) != 0;
      editor.MouseDown(left ? MouseButton::Left : MouseButton::Right, shift, Px(x), Px(y));
      what << (left ? "down" : "right down");
      if (left) allowed.insert(expectedLive + inHand);  // a drop or the commit of a new block
    } else if (choice < 40) {
      writesBack = shift && editor.CurrentTool() == BoardEditor::Tool::Select;
      editor.MouseUp(MouseButton::Left, shift, Px(x), Px(y));
      what << "up";
    } else if (choice < 62) {
      MouseButtons buttons;
      buttons.Left = Coin();
      editor.MouseMove(buttons, shift, Px(x), Px(y));
      what << (buttons.Left ? "drag" : "move");
    } else if (choice < 70) {
      static const char keys[] = {'r', 'g', 'i', 'o', 0};
      const char key = keys[Uniform(0, 4)];
      key ? editor.KeyPress(key) : Escape();
      what << "key " << (key ? key : '^');
    } else {
      // Option buttons, clicked only when enabled, the selection tool as often as all the
      // others; menu commands, called whether or not their entries are enabled.
      static const std::pair<const char*, void (BoardEditor::*)()> actions[] = {
          {"OptSelect", &BoardEditor::OptSelect},         {"OptPiste", &BoardEditor::OptPiste},
          {"OptPastilleR", &BoardEditor::OptPastilleR},   {"OptPastilleC", &BoardEditor::OptPastilleC},
          {"OptPastilleOH", &BoardEditor::OptPastilleOH}, {"OptPastilleRect", &BoardEditor::OptPastilleRect},
          {"OptTrou", &BoardEditor::OptTrou},             {"OptRond", &BoardEditor::OptRond},
          {"OptComposant", &BoardEditor::OptComposant},   {"OptSoudure", &BoardEditor::OptSoudure},
          {"OptSerig", &BoardEditor::OptSerig},           {"copy", &BoardEditor::MnuCopier},
          {"cut", &BoardEditor::MnuCouper},               {"delete", &BoardEditor::MnuSuppr},
          {"paste", &BoardEditor::MnuColler},             {"undo", &BoardEditor::MnuAnnuler},
          {"rotation", &BoardEditor::MnuRotation},        {"layer change", &BoardEditor::MnuChanger},
          {"information", &BoardEditor::MnuInfo}};
      const bool button = choice < 82;
      const auto& [name, action] = actions[button ? (Coin() ? 0 : Uniform(1, 10)) : Uniform(11, 18)];
      const std::string command = name;
      // Deleting takes the active items of a selection whose elements are still on the board.
      std::size_t held = 0;
      for (const PendingItem& item : board.Pending)
        held += !board.PendingIsNew && item.Active && board.Elements[static_cast<std::size_t>(item.Index)].Kind != 0;
      const bool deletes = editor.CurrentTool() == BoardEditor::Tool::Select && board.PendingActive;
      if (command == "cut" || command == "delete") allowed = {expectedLive - (deletes ? held : 0)};
      if (command == "paste" && !board.ClipBuffer.empty()) allowed = {expectedLive + inHand};
      const bool enabled = !ui.Enabled.count(command) || ui.Enabled[command];
      writesBack = button && enabled && command.rfind("Opt", 0) == 0 && command != "OptSelect" &&
                   command != "OptComposant" && command != "OptSoudure" && command != "OptSerig";
      if (!button || enabled) (editor.*action)();
      what << command;
    }
    what << (shift ? " shift " : " ") << x << "," << y;
    if (allowed.count(Live().size())) expectedLive = Live().size();
    return what.str();
  }

  std::mt19937 random;
  std::size_t expectedLive = 0;
  bool writesBack = false;  // the last step wrote a held selection back
};

TEST_F(BoardEditorRandom, InvariantsHoldAfterEveryStep) {
  ASSERT_EQ(Violation(), "");
  std::deque<std::string> recent;
  std::size_t dropped = 0, deleted = 0;
  for (int step = 0; step < 4000; ++step) {
    const std::size_t before = Live().size();
    const std::vector<BoardElement> table = Doc().Elements;
    const std::vector<PendingItem> hand = Doc().Pending;
    const bool handWasNew = Doc().PendingIsNew;
    writesBack = false;
    recent.push_back(Step());
    if (recent.size() > 12) recent.pop_front();
    dropped += Live().size() > before;
    deleted += Live().size() < before;
    std::string trail;
    for (const std::string& line : recent) trail += "\n  " + line;
    ASSERT_EQ(Violation() + Shadow(table, hand, handWasNew, writesBack) +
                  (step % 400 == 399 ? RoundTrip() : ""),
              "")
        << "at step " << step << ", after:" << trail;
  }
  // The walk must have done real work, not wandered in empty space.
  EXPECT_GT(dropped, 50u);
  EXPECT_GT(deleted, 10u);
}

}  // namespace
