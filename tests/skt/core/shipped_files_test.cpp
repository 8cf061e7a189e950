// Every component shipped in the library and the example schematic read with
// the program's own reader, and hold what placing them relies on.
#include "skt/core/component_library.h"
#include "skt/core/schematic_file.h"

#include "support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

const std::string kSource = LYTSKT_SOURCE_DIR;

bool OnMillimetreGrid(float value) { return value == std::round(value); }

// Pin 1 is the handle: the first element is a wire starting on the 1 mm
// grid. A reference text lets the user rename each placed copy.
TEST(ShippedFiles, EveryLibraryComponentReadsAndPlaces) {
  const std::string root = kSource + "/library";
  const std::vector<std::string> families = skt::ListFamilies(root);
  ASSERT_GE(families.size(), 5u);
  std::size_t count = 0;
  for (const std::string& family : families) {
    for (const std::string& name : skt::ListComponents(root, family)) {
      SCOPED_TRACE(family + "/" + name);
      ++count;
      skt::Schematic schematic;
      schematic.LastGroup = 7;
      ASSERT_FALSE(skt::ReadComponent(schematic, root, family, name));
      const std::vector<skt::PendingItem>& items = schematic.Pending;
      ASSERT_FALSE(items.empty());
      EXPECT_EQ(items[0].Kind, skt::ElementKind::Wire);
      EXPECT_TRUE(OnMillimetreGrid(items[0].X1) && OnMillimetreGrid(items[0].Y1));
      EXPECT_TRUE(std::all_of(items.begin(), items.end(), [](const skt::PendingItem& item) {
        return item.Group == 7 && item.Active && item.MoveMode == skt::PendingMove::Whole;
      }));
      EXPECT_TRUE(std::any_of(items.begin(), items.end(), [](const skt::PendingItem& item) {
        return item.Kind == skt::ElementKind::Text && item.Text.find('?') != std::string::npos;
      }));
    }
  }
  EXPECT_GE(count, 40u);
}

TEST(ShippedFiles, ExampleSchematicReadsWhole) {
  skt::Schematic schematic;
  schematic.FileName = kSource + "/examples/clignotant.Skt";
  ASSERT_FALSE(skt::ReadDocument(schematic));
  EXPECT_GT(schematic.Elements.size(), 100u);
  EXPECT_GE(schematic.LastGroup, 9);
  // Written as the program writes it: saving it unchanged changes no byte.
  EXPECT_EQ(skt::WriteDocument(schematic), testing_support::ReadBytes(schematic.FileName));
}

}  // namespace
