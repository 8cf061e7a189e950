// Every component shipped in the library and the example schematic read with
// the program's own reader, and hold what placing them relies on.
#include "common/core/csv_fields.h"
#include "skt/core/component_library.h"
#include "skt/core/schematic_file.h"

#include "support/test_files.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <cmath>
#include <filesystem>
#include <functional>
#include <map>
#include <optional>
#include <set>
#include <sstream>
#include <string>

namespace {

const std::string kSource = LYTSKT_SOURCE_DIR;

bool OnMillimetreGrid(float value) { return value == std::round(value); }

// The records a netlist is read from: never drawn, kept with the component.
constexpr std::int32_t PinRecord = 6;
constexpr std::int32_t FootprintRecord = 7;
const std::string kFootprintPrefix = "Empreinte=";

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

// The number of pads of the board editor's footprint `name` in
// library/empreintes, the file found in any letter case; none without it.
std::optional<int> FootprintPads(const std::string& name) {
  for (const auto& entry : std::filesystem::directory_iterator(kSource + "/library/empreintes")) {
    const std::filesystem::path path = entry.path();
    if (Lower(path.extension().string()) != ".emp" || Lower(path.stem().string()) != Lower(name)) continue;
    std::istringstream lines(testing_support::ReadBytes(path.string()));
    int pads = 0;
    for (std::string line; std::getline(lines, line);) {
      std::vector<common::CsvField> fields;
      if (common::ParseCsvLine(line, fields) && fields.size() == 10 && fields[1].Text >= "4" &&
          fields[1].Text <= "7")
        ++pads;
    }
    return pads;
  }
  return std::nullopt;
}

struct Point {
  float X, Y;
  bool operator<(const Point& o) const { return X < o.X || (X == o.X && Y < o.Y); }
  bool operator==(const Point& o) const { return X == o.X && Y == o.Y; }
};

// What the records of one component say.
struct Netlist {
  std::map<int, Point> Pins;  // number on the package -> connection point
  std::vector<std::string> Footprints;
  std::vector<std::string> Problems;
};

// Reads the records of the elements of one component. A pin record is a
// point (both its points equal) at the end of one of the component's wires,
// its text a whole number given once.
template <class Item>
Netlist NetlistOf(const std::vector<Item>& items) {
  Netlist netlist;
  std::set<Point> wireEnds;
  for (const Item& item : items) {
    if (item.Kind != skt::ElementKind::Wire) continue;
    wireEnds.insert({item.X1, item.Y1});
    wireEnds.insert({item.X2, item.Y2});
  }
  for (const Item& item : items) {
    if (item.Kind == FootprintRecord) netlist.Footprints.push_back(item.Text);
    if (item.Kind != PinRecord) continue;
    const Point at{item.X1, item.Y1};
    const std::string where = "pin " + item.Text;
    if (!(at == Point{item.X2, item.Y2})) netlist.Problems.push_back(where + " is not a point");
    if (!wireEnds.count(at)) netlist.Problems.push_back(where + " is off the ends of the wires");
    const int number = std::atoi(item.Text.c_str());
    if (std::to_string(number) != item.Text || netlist.Pins.count(number))
      netlist.Problems.push_back(where + " is not a new whole number");
    netlist.Pins[number] = at;
  }
  return netlist;
}

// Pins of each component; every symbol shows all the pins of its package,
// but for the numbers given here (one amplifier of a dual package).
const std::map<std::string, int> kPinCounts = {
    {"Ampli-op", 5}, {"Barrette-2", 2}, {"Barrette-3", 3}, {"Barrette-4", 4}, {"Barrette-5", 5},
    {"Barrette-6", 6}, {"Bornier-2", 2}, {"Bornier-3", 3}, {"Bornier-4", 4}, {"Bouton-poussoir", 2},
    {"Buzzer", 2}, {"Commutateur", 3}, {"Condensateur", 2}, {"Condensateur-polarise", 2},
    {"DIL-14", 14}, {"DIL-16", 16}, {"DIL-8", 8}, {"Diode", 2}, {"Diode-Schottky", 2},
    {"Fusible", 2}, {"Haut-parleur", 2}, {"Inductance", 2}, {"Interrupteur", 2}, {"Inverseur", 2},
    {"Lampe", 2}, {"LED", 2}, {"MOSFET-N", 3}, {"MOSFET-P", 3}, {"Moteur", 2}, {"NE555", 8},
    {"NPN", 3}, {"Photoresistance", 2}, {"Pile", 2}, {"PNP", 3}, {"Pont-redresseur", 4},
    {"Porte-ET", 3}, {"Porte-NON-ET", 3}, {"Porte-NON-OU", 3}, {"Porte-OU", 3},
    {"Porte-OU-exclusif", 3}, {"Potentiometre", 3}, {"Quartz", 2}, {"Regulateur-7805", 3},
    {"Relais", 5}, {"Resistance", 2}, {"Resistance-variable", 2}, {"Transformateur", 4},
    {"Zener", 2}};
const std::map<std::string, std::set<int>> kPartOfAPackage = {{"Ampli-op", {1, 2, 3, 4, 8}}};

std::set<int> NumbersOf(const Netlist& netlist) {
  std::set<int> numbers;
  for (const auto& [number, at] : netlist.Pins) numbers.insert(number);
  return numbers;
}

std::set<int> OneTo(int count) {
  std::set<int> numbers;
  for (int n = 1; n <= count; ++n) numbers.insert(n);
  return numbers;
}

// Pin 1 is the handle: the first element is a wire starting on the 1 mm
// grid. The first text is the reference, which the user renames in each
// placed copy, the second its value.
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
      // The reference ("R?") is the first text, the value the second.
      std::vector<std::string> texts;
      for (const skt::PendingItem& item : items)
        if (item.Kind == skt::ElementKind::Text) texts.push_back(item.Text);
      ASSERT_GE(texts.size(), 2u);
      EXPECT_EQ(texts[0].back(), '?') << texts[0];
      EXPECT_EQ(texts[1].find('?'), std::string::npos) << texts[1];
    }
  }
  EXPECT_GE(count, 40u);
}

// Every component names its footprint once, and numbers its pins 1..n as on
// its package, each pin on the free end of its lead and on a pad of that
// footprint.
TEST(ShippedFiles, EveryLibraryComponentCarriesItsPinsAndFootprint) {
  const std::string root = kSource + "/library";
  std::size_t count = 0;
  for (const std::string& family : skt::ListFamilies(root)) {
    for (const std::string& name : skt::ListComponents(root, family)) {
      SCOPED_TRACE(family + "/" + name);
      ++count;
      skt::Schematic schematic;
      ASSERT_FALSE(skt::ReadComponent(schematic, root, family, name));
      const Netlist netlist = NetlistOf(schematic.Pending);
      EXPECT_TRUE(netlist.Problems.empty()) << netlist.Problems.front();
      ASSERT_EQ(kPinCounts.count(name), 1u) << "a new component: how many pins has it?";
      const auto part = kPartOfAPackage.find(name);
      EXPECT_EQ(NumbersOf(netlist), part != kPartOfAPackage.end() ? part->second : OneTo(kPinCounts.at(name)));
      ASSERT_EQ(netlist.Footprints.size(), 1u);
      const std::string& footprint = netlist.Footprints.front();
      ASSERT_EQ(footprint.rfind(kFootprintPrefix, 0), 0u) << footprint;
      const std::optional<int> pads = FootprintPads(footprint.substr(kFootprintPrefix.size()));
      ASSERT_TRUE(pads) << footprint << " is not in library/empreintes";
      EXPECT_GE(*pads, *NumbersOf(netlist).rbegin()) << footprint;
    }
  }
  EXPECT_EQ(count, kPinCounts.size());
}

// The example's components kept their records, moved and turned with them:
// the wires join exactly the pins of the blinker's nets, by package number.
TEST(ShippedFiles, ExampleSchematicNetsFromItsRecords) {
  skt::Schematic schematic;
  schematic.FileName = kSource + "/examples/clignotant.Skt";
  ASSERT_FALSE(skt::ReadDocument(schematic));
  std::map<std::int32_t, std::vector<skt::SchematicElement>> groups;
  for (const skt::SchematicElement& element : schematic.Elements) groups[element.Group].push_back(element);
  // Wires of no component (free ones, supply symbols) join their two ends.
  std::map<Point, Point> parent;
  std::function<Point(Point)> find = [&](Point p) {
    auto it = parent.emplace(p, p).first;
    return it->second == p ? p : it->second = find(it->second);
  };
  std::map<std::string, Point> pins;
  for (const auto& [group, elements] : groups) {
    const Netlist netlist = NetlistOf(elements);
    if (netlist.Footprints.empty()) {
      for (const skt::SchematicElement& e : elements)
        if (e.Kind == skt::ElementKind::Wire) parent[find({e.X1, e.Y1})] = find({e.X2, e.Y2});
      continue;
    }
    EXPECT_TRUE(netlist.Problems.empty()) << "group " << group << ": " << netlist.Problems.front();
    const auto reference = std::find_if(elements.begin(), elements.end(), [](const skt::SchematicElement& e) {
      return e.Kind == skt::ElementKind::Text;
    });
    ASSERT_NE(reference, elements.end());
    for (const auto& [number, at] : netlist.Pins) pins[reference->Text + "." + std::to_string(number)] = at;
  }
  std::map<std::pair<float, float>, std::set<std::string>> nets;
  for (const auto& [pin, at] : pins) {
    const Point root = find(at);
    nets[{root.X, root.Y}].insert(pin);
  }
  std::set<std::set<std::string>> found;
  for (const auto& [root, net] : nets) found.insert(net);
  const std::set<std::set<std::string>> expected = {
      {"J1.1", "R2.2", "U1.4", "U1.8"},         {"C1.2", "C2.1", "D1.2", "J1.2", "U1.1"},
      {"R2.1", "R3.2", "U1.7"},                 {"C1.1", "R3.1", "U1.2", "U1.6"},
      {"C2.2", "U1.5"},                         {"R1.1", "U1.3"},
      {"D1.1", "R1.2"}};
  EXPECT_EQ(found, expected);
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
