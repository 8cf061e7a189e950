// The schematic's tools driven as the window drives them: keys and buttons,
// chains of wires, symbols dropped as free elements or new groups, numbered
// texts and library components.
#include "support/schematic_test_support.h"

#include "skt/core/schematic_file.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace schematic_tests {
namespace {

namespace Kind = skt::ElementKind;
using Tool = skt::SchematicEditor::Tool;

struct SymbolCase {
  const char* Control;
  char Key;  // 0: chosen by its button
  std::vector<std::int32_t> Kinds;
  bool Grouped;
};

class SymbolToolTest : public SchematicEditorTest, public ::testing::WithParamInterface<SymbolCase> {};

// Two clicks drop two copies, each with its handle on the clicked grid point.
TEST_P(SymbolToolTest, DropsACopyAtEachClick) {
  const SymbolCase& c = GetParam();
  ui.TextAnswers.push_back({true, "R", 1, true, "1"});  // for the text tool
  Move(10, 10);
  if (c.Key)
    editor.KeyPress(c.Key);
  else
    editor.ToolButton(c.Control);
  EXPECT_EQ(ui.Option, c.Control);
  EXPECT_EQ(ui.Pointer, common::PointerShape::Cross);
  Move(40, 50);
  Click(40, 50);
  Click(61, 50);
  const std::vector<skt::SchematicElement> live = Live();
  const std::size_t n = c.Kinds.size();
  ASSERT_EQ(live.size(), 2 * n);
  for (std::size_t drop = 0; drop < 2; ++drop) {
    const skt::SchematicElement& handle = live[drop * n];
    EXPECT_EQ(handle.X1, drop == 0 ? 40.0f : 61.0f);
    EXPECT_EQ(handle.Y1, 50.0f);
    for (std::size_t i = 0; i < n; ++i) {
      const skt::SchematicElement& e = live[drop * n + i];
      EXPECT_EQ(e.Kind, c.Kinds[i]);
      EXPECT_EQ(e.Group, c.Grouped ? static_cast<std::int32_t>(drop + 1) : 0);
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Symbols, SymbolToolTest,
    ::testing::Values(SymbolCase{"OptJonction", 'j', {Kind::Junction}, false},
                      SymbolCase{"OptEntreeBus", 'e', {Kind::BusEntry}, false},
                      SymbolCase{"OptRond", 0, {Kind::Circle}, false},
                      SymbolCase{"OptMasse", 'g', {Kind::Wire, Kind::Bus}, true},
                      SymbolCase{"OptTerre", 0, {Kind::Wire, Kind::Bus, Kind::Wire, Kind::Wire}, true},
                      SymbolCase{"OptPlus5V", 0, {Kind::Wire, Kind::Bus, Kind::Text}, true},
                      SymbolCase{"OptMoins5V", 0, {Kind::Wire, Kind::Bus, Kind::Text}, true},
                      SymbolCase{"OptFleche", 'f', {Kind::Wire, Kind::Wire, Kind::Wire}, true},
                      SymbolCase{"OptRenvoi", 's', std::vector<std::int32_t>(6, Kind::Wire), true},
                      SymbolCase{"OptTexte", 't', {Kind::Text}, false}));

// Each click ends the segment on the pointer and starts the next; the right
// button drops the one following the pointer, then leaves the tool.
TEST_F(SchematicEditorTest, ChainsOfWiresBusesAndDottedLines) {
  for (const auto& [key, kind] : {std::pair{'w', Kind::Wire}, {'b', Kind::Bus}, {'l', Kind::DottedLine}}) {
    Doc().Elements.clear();
    editor.KeyPress(key);
    Click(10, 10);
    Move(25, 10);
    Click(25, 10);
    Move(25, 30);
    Click(25, 30, false, skt::MouseButton::Right);
    ASSERT_EQ(Live().size(), 1u) << key;
    const skt::SchematicElement wire = Live()[0];
    EXPECT_EQ(std::make_tuple(wire.Kind, wire.Group, wire.X1, wire.Y1, wire.X2, wire.Y2),
              std::make_tuple(kind, 0, 10.0f, 10.0f, 25.0f, 10.0f));
    EXPECT_NE(editor.CurrentTool(), Tool::Select);
    Click(25, 30, false, skt::MouseButton::Right);
    EXPECT_EQ(editor.CurrentTool(), Tool::Select);
  }
  editor.KeyPress('W');  // upper case does nothing
  EXPECT_EQ(editor.CurrentTool(), Tool::Select);
}

// Every pin record of each group lies on an end of a wire of that group.
bool PinsOnLeadEnds(const std::vector<skt::SchematicElement>& elements) {
  for (const skt::SchematicElement& pin : elements) {
    if (pin.Kind != skt::ElementKind::Pin) continue;
    if (pin.X1 != pin.X2 || pin.Y1 != pin.Y2) return false;
    const bool onLead = std::any_of(elements.begin(), elements.end(), [&](const skt::SchematicElement& wire) {
      return wire.Kind == skt::ElementKind::Wire && wire.Group == pin.Group &&
             ((wire.X1 == pin.X1 && wire.Y1 == pin.Y1) || (wire.X2 == pin.X1 && wire.Y2 == pin.Y1));
    });
    if (!onLead) return false;
  }
  return true;
}

// The library is found in any letter case. Each copy of a component is a
// new group with its handle on the click; turned while it follows the
// pointer, about what is seen (the footprint record at the origin is no part
// of the centre), it stays under the pointer. The unseen pin and footprint
// records travel with their component through every edit, and are saved and
// read back. A missing component is told and the selection tool comes back.
TEST_F(SchematicEditorTest, ComponentToolPlacesCopiesThatKeepTheirPinRecords) {
  const std::filesystem::path family = folder.Path() / "composants" / "Semiconducteurs";
  std::filesystem::create_directories(family);
  WriteBytes((family / "diode.cmp").u8string(),
             "\"CMP 1\"\r\n0,1,0,100,100,103,100,\"\",0\r\n0,1,0,107,100,110,100,\"\",0\r\n"
             "0,10,2,104,97,108,99,\"D?\",0\r\n0,6,0,100,100,100,100,\"1\",0\r\n"
             "0,6,0,110,100,110,100,\"2\",0\r\n0,7,0,0,0,0,0,\"Empreinte=DO-35\",0\r\n");
  editor.MnuNouveau();  // the lists are filled on New and Open
  EXPECT_EQ(ui.ListText("ComboDossier") + "/" + ui.ListText("ComboEmp"), "Semiconducteurs/diode");
  Move(20, 20);
  editor.KeyPress('p');
  Click(50, 60);
  Click(80, 60);
  const std::vector<skt::SchematicElement> placed = Live();
  ASSERT_EQ(placed.size(), 12u);
  EXPECT_EQ(std::make_tuple(placed[6].X1, placed[6].Y1, placed[6].X2, placed[6].Group),
            std::make_tuple(80.0f, 60.0f, 83.0f, 2));
  EXPECT_EQ(std::make_tuple(placed[8].Text, placed[8].X1, placed[8].Group), std::make_tuple("D?", 84.0f, 2));
  editor.KeyPress('r');
  Move(40, 40);
  Click(40, 40);
  Escape();
  const std::vector<skt::SchematicElement> all = Live();
  for (std::size_t i = 12; i < all.size(); ++i)
    EXPECT_TRUE(all[i].Kind != skt::ElementKind::Wire || std::abs(all[i].X1 - 40) + std::abs(all[i].Y1 - 40) < 12) << i;
  Click(50, 60);  // a lead end takes the whole component
  ASSERT_EQ(Doc().Pending.size(), 6u);
  editor.MnuVertical();
  editor.MnuCopier();
  Click(150, 150);
  editor.MnuColler();
  Move(80, 100);
  Click(80, 100);
  const std::string path = (folder.Path() / "pins.Skt").u8string();
  Doc().FileName = path;
  editor.MnuEnreg();
  skt::Schematic reread;
  reread.FileName = path;
  ASSERT_FALSE(skt::ReadDocument(reread));
  ASSERT_EQ(reread.Elements.size(), 24u);
  EXPECT_EQ(std::count_if(reread.Elements.begin(), reread.Elements.end(),
                          [](const skt::SchematicElement& e) { return e.Kind == skt::ElementKind::Pin; }),
            8);
  EXPECT_TRUE(PinsOnLeadEnds(reread.Elements));
  const skt::SchematicElement& lead = reread.Elements[12];  // turned: now upright, still 3 mm long
  EXPECT_EQ(std::make_pair(lead.X1, std::abs(lead.Y2 - lead.Y1)), std::make_pair(lead.X2, 3.0f));

  std::filesystem::remove(family / "diode.cmp");
  editor.KeyPress('p');
  EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Fichier composant Introuvable!"});
  EXPECT_EQ(editor.CurrentTool(), Tool::Select);
}

}  // namespace
}  // namespace schematic_tests
