// The footprint library shipped with the program, read with the program's own
// reader: every footprint is placed by pin 1, drilled, sized from the lists,
// etchable at home, and its pins lie where its package puts them.
#include "lyt/core/board_file.h"
#include "lyt/core/footprint_library.h"
#include "lyt/core/size_presets.h"

#include "support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <iterator>
#include <map>
#include <string>
#include <tuple>
#include <vector>

namespace {

using namespace lyt;
using Items = std::vector<PendingItem>;

const std::string kProgramFolder = LYTSKT_SOURCE_DIR "/library";

// Every shipped footprint by name, read into Pending.
const std::map<std::string, Items>& Library() {
  static const std::map<std::string, Items> library = [] {
    std::map<std::string, Items> read;
    for (const std::string& name : ListFootprintNames(kProgramFolder)) {
      Board board;
      const auto problem = ReadFootprint(board, kProgramFolder, name);
      EXPECT_FALSE(problem) << name << ": " << problem->Text;
      read[name] = board.Pending;
    }
    return read;
  }();
  return library;
}

Items PadsOf(const Items& items) {
  Items pads;
  std::copy_if(items.begin(), items.end(), std::back_inserter(pads),
               [](const PendingItem& item) { return IsPad(item.Kind); });
  return pads;
}

bool InList(const SizePresets& presets, float size) {
  return std::find(presets.Sizes.begin(), presets.Sizes.end(), size) != presets.Sizes.end();
}

// A pad as a rectangle of half sides HX, HY grown by a radius R, the way the
// renderer draws it.
struct PadShape {
  float X, Y, HX, HY, R;
};

PadShape ShapeOf(const PendingItem& pad) {
  const float s = pad.Size;
  const bool upright = pad.Angle == 90 || pad.Angle == 270;
  switch (pad.Kind) {
    case ElementKind::SquarePad: return {pad.X1, pad.Y1, s, s, 0};
    case ElementKind::OvalPad: return {pad.X1, pad.Y1, upright ? 0 : s, upright ? s : 0, s};
    case ElementKind::RectPad: return {pad.X1, pad.Y1, upright ? s : 2 * s, upright ? 2 * s : s, 0};
    default: return {pad.X1, pad.Y1, 0, 0, s};
  }
}

// Copper between two pads, edge to edge.
float Gap(const PadShape& a, const PadShape& b) {
  const float dx = std::max(std::fabs(a.X - b.X) - a.HX - b.HX, 0.0f);
  const float dy = std::max(std::fabs(a.Y - b.Y) - a.HY - b.HY, 0.0f);
  return std::hypot(dx, dy) - a.R - b.R;
}

float Gap(float x, float y, const PadShape& pad) { return Gap({x, y, 0, 0, 0}, pad); }

// The narrowest copper left around the hole of a pad.
float Ring(const PendingItem& pad, float holeRadius) {
  const PadShape shape = ShapeOf(pad);
  return std::min(shape.HX, shape.HY) + shape.R - holeRadius;
}

float Distance(const PendingItem& a, const PendingItem& b) { return std::hypot(a.X1 - b.X1, a.Y1 - b.Y1); }

TEST(ShippedFootprints, EnoughToBuildRealBoardsWithPlainNames) {
  EXPECT_GE(Library().size(), 60u);
  for (const auto& [name, items] : Library()) {
    EXPECT_TRUE(std::all_of(name.begin(), name.end(), [](char c) {
      return c > ' ' && c < 127 && std::string("\\/:*?\"<>|").find(c) == std::string::npos;
    })) << name;
    EXPECT_FALSE(items.empty()) << name;
  }
  // The names the library started with still exist for boards that used them.
  for (const char* old : {"DIP-8", "Resistance-10.16", "TO-92"}) EXPECT_EQ(Library().count(old), 1u) << old;
}

// Pin 1 comes first as a square pad, so it is the handle; every pad is
// followed by its hole at the same centre, as the pad tool builds it; pads
// and holes are on the through layer, everything else is silkscreen.
TEST(ShippedFootprints, PinOneSquareFirstAndEveryPadDrilledAtItsCentre) {
  for (const auto& [name, items] : Library()) {
    SCOPED_TRACE(name);
    ASSERT_FALSE(items.empty());
    EXPECT_EQ(items.front().Kind, ElementKind::SquarePad);
    EXPECT_EQ(std::count_if(items.begin(), items.end(),
                            [](const PendingItem& item) { return item.Kind == ElementKind::SquarePad; }),
              1);
    bool outline = false;
    for (std::size_t i = 0; i < items.size(); ++i) {
      const PendingItem& item = items[i];
      const bool through = IsPad(item.Kind) || item.Kind == ElementKind::Hole;
      EXPECT_EQ(item.Layer, through ? BoardLayer::Through : BoardLayer::Silkscreen) << "item " << i;
      outline = outline || item.Layer == BoardLayer::Silkscreen;
      if (!IsPad(item.Kind)) continue;
      ASSERT_LT(i + 1, items.size());
      const PendingItem& hole = items[i + 1];
      EXPECT_EQ(std::make_tuple(hole.Kind, hole.X1, hole.Y1),
                std::make_tuple(ElementKind::Hole, item.X1, item.Y1))
          << "pad at " << item.X1 << "," << item.Y1;
    }
    EXPECT_TRUE(outline);
  }
}

// Sizes are the exact values of the lists; a hole keeps at least 0.25 mm of
// copper around it and a round pad on a 0.8 mm hole is at least 1.8 mm
// across, so that it survives etching and drilling by hand.
TEST(ShippedFootprints, SizesFromTheListsAndPadsForHomeEtching) {
  for (const auto& [name, items] : Library()) {
    SCOPED_TRACE(name);
    for (std::size_t i = 0; i < items.size(); ++i) {
      const PendingItem& item = items[i];
      if (item.Kind == ElementKind::Track) {
        EXPECT_TRUE(InList(TrackSizes(), item.Size)) << item.Size;
      }
      if (item.Kind == ElementKind::Hole) {
        EXPECT_TRUE(InList(HoleSizes(), item.Size)) << item.Size;
      }
      if (!IsPad(item.Kind) || i + 1 == items.size()) continue;
      const float hole = items[i + 1].Size;
      EXPECT_TRUE(InList(PadSizes(), item.Size)) << item.Size;
      EXPECT_GE(Ring(item, hole), 0.25f) << "pad at " << item.X1 << "," << item.Y1;
      if (item.Kind == ElementKind::RoundPad && hole <= 0.4f) {
        EXPECT_GE(2 * item.Size, 1.8f);
      }
    }
  }
}

// At least 0.4 mm of bare board between any two pads, and the silkscreen
// lines stay off the pads.
TEST(ShippedFootprints, PadsApartAndSilkscreenOffThePads) {
  for (const auto& [name, items] : Library()) {
    SCOPED_TRACE(name);
    const Items pads = PadsOf(items);
    for (std::size_t i = 0; i < pads.size(); ++i)
      for (std::size_t j = i + 1; j < pads.size(); ++j)
        EXPECT_GE(Gap(ShapeOf(pads[i]), ShapeOf(pads[j])), 0.4f) << "pads " << i + 1 << " and " << j + 1;
    for (const PendingItem& line : items) {
      if (line.Kind != ElementKind::Track) continue;
      const int steps = 1 + static_cast<int>(std::hypot(line.X2 - line.X1, line.Y2 - line.Y1) / 0.05f);
      float nearest = 1e9f;
      for (int k = 0; k <= steps; ++k) {
        const float t = static_cast<float>(k) / steps;
        for (const PendingItem& pad : pads)
          nearest = std::min(nearest, Gap(line.X1 + t * (line.X2 - line.X1), line.Y1 + t * (line.Y2 - line.Y1),
                                          ShapeOf(pad)) - line.Size / 2);
      }
      EXPECT_GE(nearest, 0.15f) << "line from " << line.X1 << "," << line.Y1;
    }
  }
}

// Dual-in-line packages: pins 1..n/2 in a row 2.54 mm apart, the others
// coming back along the other row, pin n facing pin 1 at the row spacing.
TEST(ShippedFootprints, DualInLinePinsOnTheirPitchAndRowSpacing) {
  const std::map<std::string, std::pair<int, float>> packages = {
      {"DIL-4", {4, 7.62f}},   {"DIL-6", {6, 7.62f}},   {"DIL-8", {8, 7.62f}},
      {"DIP-8", {8, 7.62f}},   {"DIL-14", {14, 7.62f}}, {"DIL-16", {16, 7.62f}},
      {"DIL-18", {18, 7.62f}}, {"DIL-20", {20, 7.62f}}, {"DIL-24", {24, 15.24f}},
      {"DIL-28", {28, 15.24f}}, {"DIL-28-7.62", {28, 7.62f}}, {"DIL-40", {40, 15.24f}}};
  for (const auto& [name, items] : Library())
    if (name.rfind("DIL-", 0) == 0 || name.rfind("DIP-", 0) == 0) {
      EXPECT_EQ(packages.count(name), 1u) << name;
    }
  for (const auto& [name, package] : packages) {
    SCOPED_TRACE(name);
    ASSERT_EQ(Library().count(name), 1u);
    const auto [pins, row] = package;
    const Items pads = PadsOf(Library().at(name));
    ASSERT_EQ(pads.size(), static_cast<std::size_t>(pins));
    const float x0 = pads[0].X1;
    const float y0 = pads[0].Y1;
    for (int k = 0; k < pins / 2; ++k) {
      const PendingItem& near = pads[k];
      const PendingItem& far = pads[pins - 1 - k];
      EXPECT_NEAR(near.X1, x0 + 2.54f * k, 1e-3f) << "pin " << k + 1;
      EXPECT_NEAR(near.Y1, y0, 1e-3f) << "pin " << k + 1;
      EXPECT_NEAR(far.X1, near.X1, 1e-3f) << "pin " << pins - k;
      EXPECT_NEAR(std::fabs(far.Y1 - y0), row, 1e-3f) << "pin " << pins - k;
    }
  }
}

// Names end in the distance between pins 1 and 2 ("Resistance-7.62",
// "Barrette-2x5-2.54", "Condensateur-radial-2.5"), except where the number
// names the package (DIL-14, TO-126).
TEST(ShippedFootprints, TrailingNumberOfTheNameIsThePitch) {
  int checked = 0;
  for (const auto& [name, items] : Library()) {
    const std::string last = name.substr(name.rfind('-') + 1);
    char* end = nullptr;
    const float pitch = std::strtof(last.c_str(), &end);
    if (last.empty() || *end != '\0') continue;
    if (name.rfind("DIL-", 0) == 0 || name.rfind("DIP-", 0) == 0 || name.rfind("TO-", 0) == 0) continue;
    SCOPED_TRACE(name);
    const Items pads = PadsOf(items);
    ASSERT_GE(pads.size(), 2u);
    EXPECT_NEAR(Distance(pads[0], pads[1]), pitch, 2e-3f);
    ++checked;
  }
  EXPECT_GE(checked, 40);
}

// The example board is made of the shipped footprints, each dropped as its
// own group by its square pin 1, and is written as the program writes it.
TEST(ShippedFootprints, ExampleBoardOfPlacedFootprints) {
  Board board;
  common::Viewport viewport(common::LytViewport);
  board.FileName = LYTSKT_SOURCE_DIR "/examples/clignotant.Lyt";
  ASSERT_TRUE(ReadDocument(board, viewport).Complete());
  std::map<std::int32_t, Items> groups;
  for (const BoardElement& element : board.Elements) {
    if (element.Group == 0) continue;
    PendingItem item;
    item.Kind = element.Kind;
    item.Size = element.Size;
    groups[element.Group].push_back(item);
  }
  EXPECT_EQ(groups.size(), 8u);
  for (const auto& [group, items] : groups) {
    // The same pads and holes, in the same order, as one of the library's.
    const auto same = [&items = items](const auto& entry) {
      const Items& footprint = entry.second;
      return std::equal(items.begin(), items.end(), footprint.begin(), footprint.end(),
                        [](const PendingItem& a, const PendingItem& b) {
                          return a.Kind == b.Kind && a.Size == b.Size;
                        });
    };
    EXPECT_TRUE(std::any_of(Library().begin(), Library().end(), same)) << "group " << group;
    EXPECT_EQ(items.front().Kind, ElementKind::SquarePad) << "group " << group;
  }
  EXPECT_EQ(WriteDocument(board, viewport.GridStepX, viewport.GridStepY),
            testing_support::ReadBytes(board.FileName));
}

}  // namespace
