// The footprint library shipped with the program, read with the program's own
// reader: every footprint is placed by pin 1, drilled where it has pads, and
// the pins of a dual-in-line package lie on its pitch and row spacing.
#include "lyt/core/board_file.h"
#include "lyt/core/footprint_library.h"

#include "support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace lyt;
using Items = std::vector<PendingItem>;

const std::string kProgramFolder = LYTSKT_SOURCE_DIR "/library";

Items Footprint(const std::string& name) {
  Board board;
  const auto problem = ReadFootprint(board, kProgramFolder, name);
  EXPECT_FALSE(problem) << name << ": " << problem->Text;
  return board.Pending;
}

Items PadsOf(const Items& items) {
  Items pads;
  std::copy_if(items.begin(), items.end(), std::back_inserter(pads),
               [](const PendingItem& item) { return IsPad(item.Kind); });
  return pads;
}

float Distance(const PendingItem& a, const PendingItem& b) { return std::hypot(a.X1 - b.X1, a.Y1 - b.Y1); }

// Pin 1 comes first as the only square pad, so it is the handle; every pad
// is followed by a smaller hole at its centre, as the pad tool builds it;
// pads and holes go through the board, the outline is silkscreen. Each file
// is as the editor would save it.
TEST(ShippedFootprints, PinOneFirstAndEveryPadDrilled) {
  const std::vector<std::string> names = ListFootprintNames(kProgramFolder);
  EXPECT_GE(names.size(), 60u);
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    const Items items = Footprint(name);
    ASSERT_FALSE(items.empty());
    Board saved;
    saved.FileName = kProgramFolder + "/empreintes/" + name + ".Emp";
    saved.Pending = items;
    saved.PendingActive = saved.PendingIsNew = true;
    CommitPending(saved);
    EXPECT_EQ(WriteDocument(saved, 1.27f, 1.27f), testing_support::ReadBytes(saved.FileName));
    EXPECT_EQ(items.front().Kind, ElementKind::SquarePad);
    EXPECT_EQ(std::count_if(items.begin(), items.end(),
                            [](const PendingItem& item) { return item.Kind == ElementKind::SquarePad; }),
              1);
    for (std::size_t i = 0; i < items.size(); ++i) {
      const bool through = IsPad(items[i].Kind) || items[i].Kind == ElementKind::Hole;
      EXPECT_EQ(items[i].Layer, through ? BoardLayer::Through : BoardLayer::Silkscreen) << "item " << i;
      if (!IsPad(items[i].Kind)) continue;
      ASSERT_LT(i + 1, items.size());
      const PendingItem& hole = items[i + 1];
      EXPECT_TRUE(hole.Kind == ElementKind::Hole && hole.X1 == items[i].X1 && hole.Y1 == items[i].Y1 &&
                  hole.Size < items[i].Size)
          << "pad " << i;
    }
  }
}

// Pins 1..n/2 down one row 2.54 mm apart, n/2+1..n back up the other row.
TEST(ShippedFootprints, DualInLinePinsOnTheirPitchAndRowSpacing) {
  const std::map<std::string, std::pair<std::size_t, float>> packages = {
      {"DIL-8", {8, 7.62f}},   {"DIP-8", {8, 7.62f}},   {"DIL-14", {14, 7.62f}}, {"DIL-16", {16, 7.62f}},
      {"DIL-18", {18, 7.62f}}, {"DIL-20", {20, 7.62f}}, {"DIL-24", {24, 15.24f}}, {"DIL-28", {28, 15.24f}},
      {"DIL-40", {40, 15.24f}}};
  for (const auto& [name, package] : packages) {
    SCOPED_TRACE(name);
    const Items pads = PadsOf(Footprint(name));
    const auto [count, rows] = package;
    ASSERT_EQ(pads.size(), count);
    for (std::size_t i = 0; i + 1 < count / 2; ++i) {
      EXPECT_NEAR(Distance(pads[i], pads[i + 1]), 2.54f, 2e-3f) << "pin " << i + 1;
      EXPECT_NEAR(Distance(pads[count / 2 + i], pads[count / 2 + i + 1]), 2.54f, 2e-3f) << "pin " << count / 2 + i + 1;
    }
    // Pin 1 faces the last pin across the rows.
    EXPECT_NEAR(Distance(pads.front(), pads.back()), rows, 2e-3f);
  }
}

}  // namespace
