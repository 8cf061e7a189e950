// The schematic editor driven as the window drives it: what a click
// catches, copy and paste across documents, turns and mirrors, saving a
// component and printing; the tools by key and button, chains of wires,
// symbols dropped as free elements or new groups, and library components.
#include "support/schematic_test_support.h"

#include "skt/core/schematic_file.h"

#include <algorithm>
#include <cmath>
#include <filesystem>

namespace schematic_tests {
namespace {

namespace Kind = skt::ElementKind;
using Tool = skt::SchematicEditor::Tool;
using skt::PendingMove::FirstPoint;
using skt::PendingMove::SecondPoint;
using skt::PendingMove::Whole;

// A free wire, a component (group 3: a pin wire and its reference text) and
// a free junction.
class SelectionTest : public SchematicEditorTest {
 protected:
  SelectionTest() {
    Add(Element(0, Kind::Wire, 10, 10, 30, 10));
    Add(Element(3, Kind::Wire, 50, 10, 50, 20));
    Add(Element(3, Kind::Text, 52, 12, 56, 14, 2, "R1"));
    Add(Element(0, Kind::Junction, 70, 10));
    Doc().LastGroup = 4;
  }
  // (index, move mode) of each item in hand.
  std::vector<std::pair<std::int32_t, std::int32_t>> InHand() const {
    std::vector<std::pair<std::int32_t, std::int32_t>> items;
    for (const skt::PendingItem& item : editor.Document().Pending) items.emplace_back(item.Index, item.MoveMode);
    return items;
  }
};

struct PickCase {
  float X, Y;
  bool Shift;
  std::vector<std::pair<std::int32_t, std::int32_t>> Picked;
};

class PickTest : public SelectionTest, public ::testing::WithParamInterface<PickCase> {};

TEST_P(PickTest, ClickCatches) {
  const PickCase& c = GetParam();
  Click(c.X, c.Y, c.Shift);
  EXPECT_EQ(InHand(), c.Picked);
}

INSTANTIATE_TEST_SUITE_P(
    Picks, PickTest,
    ::testing::Values(PickCase{10, 10, false, {{0, FirstPoint}}},    // one end stretches the wire
                      PickCase{30, 10, false, {{0, SecondPoint}}},   // the other end
                      PickCase{20, 10, false, {}},                   // the middle catches nothing
                      PickCase{50, 20, false, {{1, Whole}, {2, Whole}}},  // any end takes the group
                      PickCase{53, 13, false, {{1, Whole}, {2, Whole}}},  // so does its text
                      PickCase{53, 13, true, {{2, Whole}}},               // Shift: the text alone
                      PickCase{70, 10, false, {{3, Whole}}}));

// The clipboard gets a black picture of the selection, and a copied
// component can still be pasted after New.
TEST_F(SelectionTest, CopyMakesAPictureAndPastesAcrossDocuments) {
  Click(50, 20);
  editor.MnuCopier();
  EXPECT_TRUE(Doc().ClipboardFull);
  ASSERT_EQ(ui.ClipboardSizes.size(), 1u);
  EXPECT_EQ(ui.ClipboardSizes[0], std::make_pair(640, 480));  // a one-click box is narrow
  ASSERT_FALSE(ui.ClipboardPicture.Drawing.empty());
  for (const auto& drawn : ui.ClipboardPicture.Drawing) EXPECT_EQ(drawn.Colour, common::Rgb(0, 0, 0));
  ui.Answers.push_back(common::MessageAnswer::No);
  editor.MnuNouveau();
  EXPECT_TRUE(ui.Enabled["MnuColler"]);
  Move(30, 30);
  editor.MnuColler();
  Move(40, 40);
  Click(40, 40);
  ASSERT_EQ(Live().size(), 2u);
  EXPECT_EQ(std::make_tuple(Live()[0].X1, Live()[0].Y1, Live()[1].Text), std::make_tuple(40.0f, 40.0f, "R1"));
  EXPECT_TRUE(Doc().Pending.empty());  // the paste is let go at its drop
}

TEST_F(SelectionTest, TurnsAndMirrorsOfAText) {
  Click(53, 13, true);
  std::vector<std::int32_t> angles;
  for (int i = 0; i < 4; ++i) {
    editor.KeyPress('r');
    angles.push_back(Doc().Pending[0].Angle);
  }
  EXPECT_EQ(angles, (std::vector<std::int32_t>{90, 180, 270, 0}));
  editor.KeyPress('h');
  editor.KeyPress('v');
  const skt::PendingItem& text = Doc().Pending[0];
  EXPECT_LT(text.X1, text.X2);
  EXPECT_LT(text.Y1, text.Y2);
  EXPECT_EQ(text.Angle, 0);
}

// A held, moved selection is printed where it was moved to (its saving is
// the board's, seen in its shell tests); the page is landscape and black.
TEST_F(SelectionTest, PrintTakesAHeldMove) {
  Drag(70, 10, 80, 10);
  ui.PrintChoices.push_back("Fichier PDF");
  editor.MnuImpression();
  ASSERT_EQ(ui.PrintJobs.size(), 1u);
  EXPECT_TRUE(ui.PrintJobs[0].Landscape);
  EXPECT_FALSE(ui.PrintJobs[0].Colour);
  using Shape = testing_support::RecordingCanvas::Shape;
  const auto junction = std::find_if(ui.Printer.Drawing.begin(), ui.Printer.Drawing.end(),
                                     [](const auto& d) { return d.What == Shape::Box; });
  ASSERT_NE(junction, ui.Printer.Drawing.end());
  EXPECT_NEAR((junction->X1 + junction->X2) / 2 * 25.4 / 600, 80.0, 0.1);  // 600 dots per inch
}

// A component saved into the family shown is listed at once.
TEST_F(SchematicEditorTest, SavingAComponentRefreshesTheList) {
  const std::filesystem::path family = folder.Path() / "composants" / "Divers";
  std::filesystem::create_directories(family);
  editor.MnuNouveau();
  EXPECT_TRUE(ui.Lists["ComboEmp"].first.empty());
  Add(Element(0, Kind::Wire, 0, 0, 5, 0));
  ui.FileAnswers.push_back(common::FileChoice{(family / "Lampe.Cmp").u8string(), "Lampe.Cmp"});
  editor.MnuEnregSous();
  EXPECT_EQ(ui.Lists["ComboEmp"].first, std::vector<std::string>{"Lampe"});
  EXPECT_EQ(ui.Caption, " SKT : Lampe.Cmp");
}


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
