// Every component shipped in the library and the example schematic, read
// with the program's own reader, hold what placing them and a later netlist
// rely on.
#include "common/core/library_folder.h"
#include "skt/core/component_library.h"
#include "skt/core/schematic_file.h"
#include "support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <set>
#include <string>

namespace {

const std::string kLibrary = LYTSKT_SOURCE_DIR "/library";
const std::string kFootprintPrefix = "Empreinte=";

bool OnMillimetreGrid(float value) { return value == std::round(value); }

// Pin 1 is the handle: the first element is a wire starting on the 1 mm
// grid. The first text is the reference the user renames ("R?"), the second
// the value. Each pin record is a point on the free end of a lead, numbered
// once; one record names a footprint the board library has.
void ExpectPlaceableComponent(const std::vector<skt::PendingItem>& items) {
  ASSERT_FALSE(items.empty());
  EXPECT_EQ(items[0].Kind, skt::ElementKind::Wire);
  EXPECT_TRUE(OnMillimetreGrid(items[0].X1) && OnMillimetreGrid(items[0].Y1));
  std::vector<std::string> texts, footprints;
  std::set<std::string> pins;
  for (const skt::PendingItem& item : items) {
    if (item.Kind == skt::ElementKind::Text) texts.push_back(item.Text);
    if (item.Kind == skt::ElementKind::Footprint) footprints.push_back(item.Text);
    if (item.Kind != skt::ElementKind::Pin) continue;
    EXPECT_TRUE(pins.insert(item.Text).second) << "pin " << item.Text << " twice";
    const bool onLeadEnd = item.X1 == item.X2 && item.Y1 == item.Y2 &&
                           std::any_of(items.begin(), items.end(), [&](const skt::PendingItem& wire) {
                             return wire.Kind == skt::ElementKind::Wire &&
                                    ((wire.X1 == item.X1 && wire.Y1 == item.Y1) ||
                                     (wire.X2 == item.X1 && wire.Y2 == item.Y1));
                           });
    EXPECT_TRUE(onLeadEnd) << "pin " << item.Text;
  }
  EXPECT_GE(pins.size(), 2u);
  EXPECT_EQ(pins.count("1"), 1u);
  ASSERT_GE(texts.size(), 2u);
  EXPECT_EQ(texts[0].back(), '?') << texts[0];
  EXPECT_EQ(texts[1].find('?'), std::string::npos) << texts[1];
  ASSERT_EQ(footprints.size(), 1u);
  ASSERT_EQ(footprints[0].rfind(kFootprintPrefix, 0), 0u);
  const std::string footprint = footprints[0].substr(kFootprintPrefix.size());
  EXPECT_TRUE(std::filesystem::exists(
      common::FindEntryIgnoringCase(kLibrary + "/empreintes", footprint, ".Emp")))
      << footprint;
}

// How the items come into Pending (group, active, moving whole) is checked
// on every component the fuzz corpus replay reads.
TEST(ShippedFiles, EveryLibraryComponentReadsAndPlaces) {
  const std::vector<std::string> families = skt::ListFamilies(kLibrary);
  EXPECT_GE(families.size(), 5u);
  std::size_t count = 0;
  for (const std::string& family : families) {
    for (const std::string& name : skt::ListComponents(kLibrary, family)) {
      SCOPED_TRACE(family + "/" + name);
      ++count;
      skt::Schematic schematic;
      ASSERT_FALSE(skt::ReadComponent(schematic, kLibrary, family, name));
      ExpectPlaceableComponent(schematic.Pending);
    }
  }
  EXPECT_GE(count, 40u);
}

TEST(ShippedFiles, ExampleSchematicReadsWholeAndSavesUnchanged) {
  skt::Schematic schematic;
  schematic.FileName = LYTSKT_SOURCE_DIR "/examples/clignotant.Skt";
  ASSERT_FALSE(skt::ReadDocument(schematic));
  EXPECT_GT(schematic.Elements.size(), 100u);
  EXPECT_EQ(skt::WriteDocument(schematic), testing_support::ReadBytes(schematic.FileName));
}

}  // namespace
