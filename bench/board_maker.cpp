#include "bench/board_maker.h"

#include <array>
#include <string>

namespace bench {
namespace {

using namespace lyt;

// A small generator of our own: the same boards on every platform.
class Random {
 public:
  int Below(int n) {
    state_ = state_ * 6364136223846793005ULL + 1442695040888963407ULL;
    return static_cast<int>((state_ >> 33) % static_cast<std::uint64_t>(n));
  }
  template <class T, std::size_t N>
  T Pick(const std::array<T, N>& choices) {
    return choices[static_cast<std::size_t>(Below(static_cast<int>(N)))];
  }

 private:
  std::uint64_t state_ = 12345;
};

// Positions on the board's half grid of 0.635 mm, as drawn by hand.
constexpr float kPitch = 0.635f;
float OnGrid(int steps) { return static_cast<float>(steps * static_cast<double>(kPitch)); }

BoardElement Record(std::int32_t group, std::int32_t kind, std::int32_t layer, float size, float x1,
                    float y1, float x2 = 0.0f, float y2 = 0.0f, std::string text = std::string(),
                    std::int32_t angle = 0) {
  return {group, kind, layer, size, x1, y1, x2, y2, false, std::move(text), angle};
}

class Maker {
 public:
  explicit Maker(std::size_t count) : count_(count) { board_.Elements.reserve(count + 16); }

  Board Make() {
    AddDip20(kMovedGroup, OnGrid(200), OnGrid(150));
    board_.LastGroup = kMovedGroup;
    while (board_.Elements.size() < count_) AddSomething();
    board_.Elements.resize(count_);
    board_.LastGroup = NextGroup(board_.LastGroup);
    return std::move(board_);
  }

 private:
  void Add(BoardElement element) { board_.Elements.push_back(std::move(element)); }

  // Twenty round pads over their holes in two rows of ten, 2.54 mm apart.
  void AddDip20(std::int32_t group, float x, float y) {
    for (int i = 0; i < 20; ++i) {
      const float px = x + OnGrid(4 * (i % 10));
      const float py = y + (i < 10 ? 0.0f : OnGrid(12));
      Add(Record(group, ElementKind::RoundPad, BoardLayer::Through, 0.8f, px, py));
      Add(Record(group, ElementKind::Hole, BoardLayer::Through, 0.4f, px, py));
    }
  }

  float X() { return OnGrid(4 + random_.Below(410)); }
  float Y() { return OnGrid(4 + random_.Below(296)); }

  void AddSomething() {
    const int roll = random_.Below(100);
    if (roll < 40) return AddTrack();
    if (roll < 60) return AddPadWithHole(0);
    if (roll < 65) return AddCircle();
    if (roll < 75) return AddText(0, X(), Y());
    AddResistor();
  }

  void AddTrack() {
    const float x = X(), y = Y();
    const int length = 2 + random_.Below(30);
    const std::array<std::pair<int, int>, 4> directions{{{1, 0}, {0, 1}, {1, 1}, {1, -1}}};
    const auto [dx, dy] = random_.Pick(directions);
    const std::array<std::int32_t, 3> layers{BoardLayer::Component, BoardLayer::Solder,
                                             BoardLayer::Silkscreen};
    Add(Record(0, ElementKind::Track, random_.Pick(layers), random_.Pick(std::array<float, 4>{0.4f, 0.6f, 0.8f, 1.2f}),
               x, y, x + OnGrid(dx * length), y + OnGrid(dy * length)));
  }

  void AddPadWithHole(std::int32_t group) { AddPadWithHoleAt(group, X(), Y()); }

  void AddPadWithHoleAt(std::int32_t group, float x, float y) {
    const std::array<std::int32_t, 4> kinds{ElementKind::RoundPad, ElementKind::SquarePad,
                                            ElementKind::OvalPad, ElementKind::RectPad};
    const std::int32_t kind = random_.Pick(kinds);
    const std::int32_t angle = random_.Pick(std::array<std::int32_t, 2>{0, 90});
    Add(Record(group, kind, BoardLayer::Through, random_.Pick(std::array<float, 3>{0.6f, 0.8f, 1.0f}), x,
               y, 0.0f, 0.0f, std::string(), IsPad(kind) && kind >= ElementKind::OvalPad ? angle : 0));
    Add(Record(group, ElementKind::Hole, BoardLayer::Through, random_.Pick(std::array<float, 2>{0.4f, 0.5f}), x, y));
  }

  void AddCircle() {
    Add(Record(0, ElementKind::Circle, BoardLayer::Silkscreen, OnGrid(2 + random_.Below(8)), X(), Y()));
  }

  void AddText(std::int32_t group, float x, float y) {
    const std::array<const char*, 6> texts{"R12", "C3", "LED1", "+9V", "IC2 NE555", "Entrée 1"};
    const std::array<std::int32_t, 3> layers{BoardLayer::Silkscreen, BoardLayer::Component,
                                             BoardLayer::Solder};
    const float size = random_.Pick(std::array<float, 3>{1.5f, 2.0f, 2.5f});
    std::string text = random_.Pick(texts);
    const std::int32_t angle = random_.Pick(std::array<std::int32_t, 4>{0, 90, 180, 270});
    const float length = static_cast<float>(text.size()) * size * 1.1f;
    Add(Record(group, ElementKind::Text, random_.Pick(layers), size, x, y, x + length, y - size,
               std::move(text), angle));
  }

  // Two pads 10.16 mm apart, a silkscreen box between them and a name.
  void AddResistor() {
    const std::int32_t group = board_.LastGroup = NextGroup(board_.LastGroup);
    const float x = X(), y = Y();
    AddPadWithHoleAt(group, x, y);
    AddPadWithHoleAt(group, x + OnGrid(16), y);
    const float left = x + OnGrid(3), right = x + OnGrid(13), top = y - OnGrid(2), bottom = y + OnGrid(2);
    const std::array<std::array<float, 4>, 4> sides{{{left, top, right, top},
                                                     {right, top, right, bottom},
                                                     {right, bottom, left, bottom},
                                                     {left, bottom, left, top}}};
    for (const auto& s : sides)
      Add(Record(group, ElementKind::Track, BoardLayer::Silkscreen, 0.3f, s[0], s[1], s[2], s[3]));
    AddText(group, left, top - OnGrid(1));
  }

  std::size_t count_;
  Board board_;
  Random random_;
};

}  // namespace

Board MakeBoard(std::size_t count) { return Maker(count).Make(); }

}  // namespace bench
