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
                      SymbolCase{"OptRenvoi", 's', std::vector<std::int32_t>(6, Kind::Wire), true}));

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

TEST_F(SchematicEditorTest, TextToolNumbersEachDrop) {
  common::TextDialogAnswer answer;
  answer.Accepted = true;
  answer.Text = "R";
  answer.SizeIndex = 1;  // 2 mm
  answer.Numbering = true;
  answer.NumberingStart = "1";
  ui.TextAnswers.push_back(answer);
  editor.KeyPress('t');
  Click(30, 30);
  Click(30, 40);
  ASSERT_EQ(Live().size(), 2u);
  EXPECT_EQ(Live()[0].Text, "R1");
  EXPECT_EQ(Live()[1].Text, "R2");
  EXPECT_EQ(Live()[1].Size, 2.0f);
  EXPECT_EQ(Live()[1].Group, 0);
  EXPECT_GT(Live()[1].X2, Live()[1].X1);
}

// The library is found in any letter case; a missing component is told and
// the selection tool comes back.
TEST_F(SchematicEditorTest, ComponentToolPlacesFromTheLibrary) {
  const std::filesystem::path family = folder.Path() / "composants" / "Passifs";
  std::filesystem::create_directories(family);
  WriteBytes((family / "resistance.cmp").u8string(),
             "\"CMP 1\"\r\n0,1,0,100,100,103,100,\"\",0\r\n0,10,2,104,98,108,100,\"R?\",0\r\n");
  editor.MnuNouveau();  // the lists are filled on New and Open
  EXPECT_EQ(ui.ListText("ComboDossier"), "Passifs");
  EXPECT_EQ(ui.ListText("ComboEmp"), "resistance");
  Move(20, 20);
  editor.KeyPress('p');
  Click(50, 60);
  Click(80, 60);
  const std::vector<skt::SchematicElement> live = Live();
  ASSERT_EQ(live.size(), 4u);
  EXPECT_EQ(std::make_tuple(live[2].X1, live[2].Y1, live[2].X2, live[2].Group),
            std::make_tuple(80.0f, 60.0f, 83.0f, 2));
  EXPECT_EQ(std::make_tuple(live[3].Text, live[3].X1, live[3].Group), std::make_tuple("R?", 84.0f, 2));

  std::filesystem::remove(family / "resistance.cmp");
  Escape();
  editor.KeyPress('p');
  ASSERT_EQ(ui.Messages.size(), 1u);
  EXPECT_EQ(ui.Messages[0].Text, "Fichier composant Introuvable!");
  EXPECT_EQ(editor.CurrentTool(), Tool::Select);
}

}  // namespace
}  // namespace schematic_tests

namespace schematic_tests {
namespace {

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

// The unseen pin and footprint records travel with their component through
// every edit, and are saved and read back.
TEST_F(SchematicEditorTest, PinRecordsFollowTheirComponent) {
  const std::filesystem::path family = folder.Path() / "composants" / "Semiconducteurs";
  std::filesystem::create_directories(family);
  WriteBytes((family / "Diode.Cmp").u8string(),
             "\"CMP 1\"\r\n0,1,0,100,100,103,100,\"\",0\r\n0,1,0,107,100,110,100,\"\",0\r\n"
             "0,10,2,104,97,108,99,\"D?\",0\r\n0,6,0,100,100,100,100,\"1\",0\r\n"
             "0,6,0,110,100,110,100,\"2\",0\r\n0,7,0,0,0,0,0,\"Empreinte=DO-35\",0\r\n");
  editor.MnuNouveau();
  Move(40, 40);
  editor.KeyPress('p');
  editor.KeyPress('r');  // turned while it follows the pointer
  Click(40, 40);
  Escape();
  // Turned about what is seen: the footprint record at the origin is no
  // part of the centre, so the part stays under the pointer.
  for (const skt::SchematicElement& e : Live())
    if (e.Kind == skt::ElementKind::Wire) {
      EXPECT_LT(std::abs(e.X1 - 40) + std::abs(e.Y1 - 40), 12.0f);
    }
  const skt::SchematicElement handle = Live().at(0);
  Click(handle.X1, handle.Y1);  // a lead end takes the whole component
  ASSERT_EQ(Doc().Pending.size(), 6u);
  editor.MnuVertical();
  editor.MnuCopier();
  Click(150, 150);
  editor.MnuColler();
  Move(80, 60);
  Click(80, 60);
  const std::string path = (folder.Path() / "pins.Skt").u8string();
  Doc().FileName = path;
  editor.MnuEnreg();
  skt::Schematic reread;
  reread.FileName = path;
  ASSERT_FALSE(skt::ReadDocument(reread));
  ASSERT_EQ(reread.Elements.size(), 12u);
  EXPECT_EQ(std::count_if(reread.Elements.begin(), reread.Elements.end(),
                          [](const skt::SchematicElement& e) { return e.Kind == skt::ElementKind::Pin; }),
            4);
  EXPECT_TRUE(PinsOnLeadEnds(reread.Elements));
  const skt::SchematicElement& lead = reread.Elements[0];  // turned: now upright
  EXPECT_TRUE(lead.X1 == lead.X2 && lead.Y1 != lead.Y2);
}

}  // namespace
}  // namespace schematic_tests
