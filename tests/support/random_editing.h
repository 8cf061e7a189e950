#pragma once

// A random walk of gestures and commands through an editor, with the
// document's invariants checked after every step. Both editors' tests run
// it: each gives its drawing, its buttons, commands and keys, and its file
// round trip.

#include "common/core/editor_input.h"

#include <gtest/gtest.h>

#include <cmath>
#include <deque>
#include <random>
#include <set>
#include <sstream>
#include <string>
#include <tuple>
#include <type_traits>
#include <utility>
#include <vector>

namespace testing_support {

template <class Fixture, class Editor>
class RandomEditingTest : public Fixture {
 protected:
  using Document = std::decay_t<decltype(std::declval<Editor&>().Document())>;
  using Element = typename Document::ElementType;
  using Item = typename Document::ItemType;
  // A button or menu command; a button without its own method is a tool
  // button of the palette.
  struct Command {
    const char* Name;
    void (Editor::*Run)() = nullptr;
  };

  // ---- what each program gives ----
  // The tool buttons, the selection tool first, and the menu commands.
  virtual std::vector<Command> Buttons() const = 0;
  virtual std::vector<Command> Menus() const = 0;
  // Characters typed in the drawing area; 0 stands for Escape.
  virtual std::vector<char> Keys() const = 0;
  // Whether clicking this enabled button writes a held selection back.
  virtual bool CommitsSelection(const std::string& button) const = 0;
  // A random point of the area the drawing lies in, in mm.
  virtual float Anywhere() = 0;
  // The document saved, read back and saved again: equal texts expected.
  virtual std::pair<std::string, std::string> SavedAndReread() = 0;
  // A field only one program's records have (a board's layer).
  virtual std::int32_t OwnField(const Element&) const { return 0; }
  virtual std::int32_t OwnField(const Item&) const { return 0; }

  int Uniform(int low, int high) { return std::uniform_int_distribution<int>(low, high)(random_); }
  bool Coin() { return Uniform(0, 1) == 1; }

  // Walks `steps` random steps from the drawing in place, checking after
  // each; the walk must have dropped and deleted things, not wandered.
  void Walk(int steps, std::size_t minimumDrops, std::size_t minimumDeletes) {
    expectedLive_ = this->Live().size();
    ASSERT_EQ(Violation(), "");
    std::deque<std::string> recent;
    std::size_t dropped = 0, deleted = 0;
    for (int step = 0; step < steps; ++step) {
      const std::size_t before = this->Live().size();
      const std::vector<Element> table = this->Doc().Elements;
      const std::vector<Item> hand = this->Doc().Pending;
      const bool handWasNew = this->Doc().PendingIsNew;
      writesBack_ = false;
      recent.push_back(Step());
      if (recent.size() > 12) recent.pop_front();
      dropped += this->Live().size() > before;
      deleted += this->Live().size() < before;
      std::string trail;
      for (const std::string& line : recent) trail += "\n  " + line;
      ASSERT_EQ(Violation() + Shadow(table, hand, handWasNew) + (step % 400 == 399 ? RoundTrip() : ""), "")
          << "at step " << step << ", after:" << trail;
    }
    EXPECT_GT(dropped, minimumDrops);
    EXPECT_GT(deleted, minimumDeletes);
  }

 private:
  // The fields an element takes from an item, Group and Kind aside.
  template <class Record>
  auto ContentOf(const Record& r) const {
    return std::make_tuple(r.Size, OwnField(r), r.X1, r.Y1, r.X2, r.Y2, r.Text, r.Angle);
  }

  const Element& At(std::int32_t index) const {
    return this->editor.Document().Elements[static_cast<std::size_t>(index)];
  }

  // What must hold between any two events; empty when it does.
  std::string Violation() {
    const Document& doc = this->Doc();
    std::ostringstream out;
    std::set<std::int32_t> held;
    for (const Item& item : doc.Pending) {
      if (doc.PendingIsNew) break;
      const bool slot = item.Index >= 0 && static_cast<std::size_t>(item.Index) < doc.Elements.size();
      if (!slot || At(item.Index).Kind == 0)
        out << "item for a dead or missing element " << item.Index << "; ";
      else if (At(item.Index).Selected != item.Active)
        out << "mark of element " << item.Index << " differs from its item; ";
      else if (!item.Active && ContentOf(At(item.Index)) != ContentOf(item))
        out << "element " << item.Index << " let go in the hand but changed there; ";
      if (!held.insert(item.Index).second) out << "element " << item.Index << " held twice; ";
    }
    for (std::size_t i = 0; i < doc.Elements.size(); ++i) {
      const Element& e = doc.Elements[i];
      if (e.Selected && (doc.PendingIsNew || !held.count(static_cast<std::int32_t>(i))))
        out << "element " << i << " marked but not held; ";
      if (e.Group > doc.LastGroup) out << "group " << e.Group << " above the counter; ";
    }
    if (doc.PendingActive != !doc.Pending.empty()) out << "PendingActive disagrees with Pending; ";
    if (this->Live().size() != expectedLive_)
      out << "live " << this->Live().size() << " expected " << expectedLive_ << "; ";
    return out.str();
  }

  // What a step did to the table, against the table and the hand before it:
  // an element neither held before nor after is unchanged; an element added
  // is a copy of an item that was in hand; a held selection written back by a
  // tool change or a shift-click holds exactly its items; all stays finite.
  std::string Shadow(const std::vector<Element>& before, const std::vector<Item>& hand, bool handWasNew) {
    const Document& doc = this->Doc();
    std::ostringstream out;
    std::set<std::int32_t> held;
    for (const auto* items : {&hand, &doc.Pending})
      for (const Item& item : *items) held.insert(item.Index);
    for (std::size_t i = 0; i < before.size(); ++i) {
      const Element& was = before[i];
      const Element& is = doc.Elements[i];
      if (!was.Selected && !is.Selected && !held.count(static_cast<std::int32_t>(i)) &&
          std::make_tuple(was.Group, was.Kind, ContentOf(was)) != std::make_tuple(is.Group, is.Kind, ContentOf(is)))
        out << "element " << i << " changed while not in hand; ";
    }
    const std::size_t added = doc.Elements.size() - before.size();
    if (added > 0 && (!handWasNew || added % hand.size() != 0)) out << added << " elements appeared; ";
    for (std::size_t i = 0; i < added && handWasNew && !hand.empty(); ++i)
      if (ContentOf(doc.Elements[before.size() + i]) != ContentOf(hand[i % hand.size()]))
        out << "element " << before.size() + i << " is not the item dropped; ";
    for (const Item& item : hand)
      if (writesBack_ && !handWasNew && At(item.Index).Kind != 0 && ContentOf(At(item.Index)) != ContentOf(item))
        out << "element " << item.Index << " did not take its moved item; ";
    for (const Element& e : doc.Elements)
      for (float v : {e.Size, e.X1, e.Y1, e.X2, e.Y2})
        if (!std::isfinite(v)) out << "a value is not finite; ";
    return out.str();
  }

  // The live elements survive a save and a read unchanged.
  std::string RoundTrip() {
    const auto [saved, reread] = SavedAndReread();
    return saved == reread ? "" : "the walk does not read back as it was saved; ";
  }

  // One random step; returns what it did, and sets what the live count may become.
  std::string Step() {
    const Document& doc = this->Doc();
    Editor& editor = this->editor;
    const std::size_t inHand = doc.PendingActive && doc.PendingIsNew ? doc.Pending.size() : 0;
    std::set<std::size_t> allowed{expectedLive_};
    // Half of the points aim at an element, the others anywhere around them.
    const Element& target = doc.Elements[static_cast<std::size_t>(Uniform(0, static_cast<int>(doc.Elements.size()) - 1))];
    const bool aim = Coin(), second = Coin() && (target.X2 != 0.0f || target.Y2 != 0.0f);
    const float x = (aim ? (second ? target.X2 : target.X1) : Anywhere()) + static_cast<float>(Uniform(-6, 6)) / 10;
    const float y = (aim ? (second ? target.Y2 : target.Y1) : Anywhere()) + static_cast<float>(Uniform(-6, 6)) / 10;
    this->ui.InDrawing = {editor.View().MmToPixels(x), editor.View().MmToPixels(y)};
    const bool shift = Uniform(0, 3) == 0;
    std::ostringstream what;
    const int choice = Uniform(0, 99);
    if (choice < 22) {
      const bool left = Uniform(0, 4) != 0;
      editor.MouseDown(left ? common::MouseButton::Left : common::MouseButton::Right, shift, this->Px(x), this->Px(y));
      what << (left ? "down" : "right down");
      if (left) allowed.insert(expectedLive_ + inHand);  // a drop or the commit of a new block
    } else if (choice < 40) {
      writesBack_ = shift && editor.CurrentToolId() == 0;
      editor.MouseUp(common::MouseButton::Left, shift, this->Px(x), this->Px(y));
      what << "up";
    } else if (choice < 62) {
      common::MouseButtons buttons;
      buttons.Left = Coin();
      editor.MouseMove(buttons, shift, this->Px(x), this->Px(y));
      what << (buttons.Left ? "drag" : "move");
    } else if (choice < 70) {
      const std::vector<char> keys = Keys();
      const char key = keys[static_cast<std::size_t>(Uniform(0, static_cast<int>(keys.size()) - 1))];
      key ? editor.KeyPress(key) : editor.KeyDown(common::Key::Escape, false, false, false);
      what << "key " << (key ? key : '^');
    } else {
      // Buttons are clicked only when enabled, the selection tool as often as
      // all the others; menu commands are called whether or not enabled.
      const bool button = choice < 82;
      const std::vector<Command> buttons = Buttons(), menus = Menus();
      const Command& command = button ? buttons[static_cast<std::size_t>(Coin() ? 0 : Uniform(1, static_cast<int>(buttons.size()) - 1))]
                                      : menus[static_cast<std::size_t>(Uniform(0, static_cast<int>(menus.size()) - 1))];
      const std::string name = command.Name;
      // Deleting takes the active items of a selection whose elements are still there.
      std::size_t held = 0;
      for (const Item& item : doc.Pending) held += !doc.PendingIsNew && item.Active && At(item.Index).Kind != 0;
      const bool deletes = editor.CurrentToolId() == 0 && doc.PendingActive;
      if (name == "MnuCouper" || name == "MnuSuppr") allowed = {expectedLive_ - (deletes ? held : 0)};
      if (name == "MnuColler" && !doc.ClipBuffer.empty()) allowed = {expectedLive_ + inHand};
      const bool enabled = !this->ui.Enabled.count(name) || this->ui.Enabled[name];
      writesBack_ = button && enabled && CommitsSelection(name);
      if (button && enabled && !command.Run) editor.ToolButton(name);
      if ((!button || enabled) && command.Run) (editor.*command.Run)();
      what << name;
    }
    what << (shift ? " shift " : " ") << x << "," << y;
    if (allowed.count(this->Live().size())) expectedLive_ = this->Live().size();
    return what.str();
  }

  std::mt19937 random_{20240611u};
  std::size_t expectedLive_ = 0;
  bool writesBack_ = false;  // the last step wrote a held selection back
};

}  // namespace testing_support
