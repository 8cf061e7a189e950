// The footprint library shipped with the program, read with the program's own
// reader: every footprint is placed by pin 1, drilled where it has pads, and
// the pins of a dual-in-line package lie on its pitch and row spacing.
#include "lyt/core/board_file.h"
#include "lyt/core/footprint_library.h"

#include "support/test_files.h"

#include <gtest/gtest.h>

#include <cmath>
#include <map>
#include <string>
#include <vector>

namespace {

using namespace lyt;

const std::string kProgramFolder = LYTSKT_SOURCE_DIR "/library";

float Distance(const PendingItem& a, const PendingItem& b) { return std::hypot(a.X1 - b.X1, a.Y1 - b.Y1); }

// Pin 1 comes first as the only square pad, so it is the handle; every pad
// is followed by a smaller hole at its centre, as the pad tool builds it;
// pads and holes go through the board, the outline is silkscreen. Each file
// is as the editor would save it. A dual-in-line package has its pins
// 1..n/2 down one row 2.54 mm apart, n/2+1..n back up the other row.
TEST(ShippedFootprints, PinOneFirstEveryPadDrilledAndDualInLinePinsOnTheirPitch) {
  // The pins and the row spacing of each dual-in-line package.
  std::map<std::string, std::pair<std::size_t, float>> packages = {
      {"DIL-8", {8, 7.62f}},   {"DIP-8", {8, 7.62f}},   {"DIL-14", {14, 7.62f}}, {"DIL-16", {16, 7.62f}},
      {"DIL-18", {18, 7.62f}}, {"DIL-20", {20, 7.62f}}, {"DIL-24", {24, 15.24f}}, {"DIL-28", {28, 15.24f}},
      {"DIL-40", {40, 15.24f}}};
  const std::vector<std::string> names = ListFootprintNames(kProgramFolder);
  EXPECT_GE(names.size(), 60u);
  for (const std::string& name : names) {
    SCOPED_TRACE(name);
    Board saved;
    const auto problem = ReadFootprint(saved, kProgramFolder, name);
    EXPECT_FALSE(problem) << problem->Text;
    const std::vector<PendingItem> items = saved.Pending;
    ASSERT_FALSE(items.empty());
    saved.FileName = kProgramFolder + "/empreintes/" + name + ".Emp";
    saved.PendingActive = saved.PendingIsNew = true;
    CommitPending(saved);
    EXPECT_EQ(WriteDocument(saved, 1.27f, 1.27f), testing_support::ReadBytes(saved.FileName));
    EXPECT_EQ(items.front().Kind, ElementKind::SquarePad);
    std::vector<PendingItem> pads;
    for (std::size_t i = 0; i < items.size(); ++i) {
      const bool through = IsPad(items[i].Kind) || items[i].Kind == ElementKind::Hole;
      EXPECT_EQ(items[i].Layer, through ? BoardLayer::Through : BoardLayer::Silkscreen) << "item " << i;
      if (!IsPad(items[i].Kind)) continue;
      pads.push_back(items[i]);
      EXPECT_EQ(items[i].Kind == ElementKind::SquarePad, i == 0) << "pad " << i;
      ASSERT_LT(i + 1, items.size());
      const PendingItem& hole = items[i + 1];
      EXPECT_TRUE(hole.Kind == ElementKind::Hole && hole.X1 == items[i].X1 && hole.Y1 == items[i].Y1 &&
                  hole.Size < items[i].Size)
          << "pad " << i;
    }
    const auto package = packages.find(name);
    if (package == packages.end()) continue;
    const auto [count, rows] = package->second;
    packages.erase(package);
    ASSERT_EQ(pads.size(), count);
    // Pin n/2 faces pin n/2+1 across the rows, and pin 1 the last pin.
    for (std::size_t i = 0; i + 1 < count; ++i)
      EXPECT_NEAR(Distance(pads[i], pads[i + 1]), i + 1 == count / 2 ? rows : 2.54f, 2e-3f) << "pin " << i + 1;
    EXPECT_NEAR(Distance(pads.front(), pads.back()), rows, 2e-3f);
  }
  EXPECT_TRUE(packages.empty()) << "a dual-in-line package is missing";
}

}  // namespace
