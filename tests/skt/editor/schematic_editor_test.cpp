// The schematic editor driven as the window drives it: what a click
// catches, copy and paste across documents, turns and mirrors, saving a
// component and printing; the tools by key and button, chains of wires,
// symbols dropped as free elements or new groups, library components, and
// Zoom Tout.
#include "support/schematic_test_support.h"
#include "support/view_checks.h"

#include "skt/core/schematic_file.h"

#include <cmath>
#include <filesystem>

namespace schematic_tests {
namespace {

namespace Kind = skt::ElementKind;
using Tool = skt::SchematicEditor::Tool;
using skt::PendingMove::FirstPoint;
using skt::PendingMove::SecondPoint;
using skt::PendingMove::Whole;
using Picked = std::vector<std::pair<std::int32_t, std::int32_t>>;

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
  Picked InHand() const {
    Picked items;
    for (const skt::PendingItem& item : editor.Document().Pending)
      items.emplace_back(item.Index, item.MoveMode);
    return items;
  }
};

// An end of a free wire stretches it, its middle catches nothing; any end
// of a group, or its text, takes the whole group; Shift takes the text alone.
TEST_F(SelectionTest, ClickCatches) {
  const std::tuple<float, float, bool, Picked> cases[] = {
      {10, 10, false, {{0, FirstPoint}}},        {30, 10, false, {{0, SecondPoint}}},
      {20, 10, false, {}},                       {50, 20, false, {{1, Whole}, {2, Whole}}},
      {53, 13, false, {{1, Whole}, {2, Whole}}}, {53, 13, true, {{2, Whole}}},
      {70, 10, false, {{3, Whole}}}};
  for (const auto& [x, y, shift, picked] : cases) {
    Click(x, y, shift);
    EXPECT_EQ(InHand(), picked) << x << ", " << y << (shift ? " with Shift" : "");
    Escape();
  }
}

// The clipboard gets a black picture of the selection, and a copied
// component can still be pasted after New.
TEST_F(SelectionTest, CopyMakesAPictureAndPastesAcrossDocuments) {
  Click(50, 20);
  editor.MnuCopier();
  ASSERT_EQ(ui.ClipboardSizes.size(), 1u);
  ASSERT_FALSE(ui.ClipboardPicture.Drawing.empty());
  for (const auto& drawn : ui.ClipboardPicture.Drawing) EXPECT_EQ(drawn.Colour, common::Rgb(0, 0, 0));
  ui.Answers.push_back(common::MessageAnswer::No);
  editor.MnuNouveau();
  EXPECT_TRUE(ui.Enabled["MnuColler"]);
  Move(30, 30);
  editor.MnuColler();
  Click(40, 40);
  ASSERT_EQ(Live().size(), 2u);
  EXPECT_EQ(std::make_tuple(Live()[0].X1, Live()[0].Y1, Live()[1].Text), std::make_tuple(40.0f, 40.0f, "R1"));
  EXPECT_TRUE(Doc().Pending.empty());  // the paste is let go at its drop
}

// A text turns by quarters and mirrors within its own box. Printing writes
// a held selection back first (the print routine prints what the table
// holds; that the page is landscape and black is seen in the PDF files of
// the command line and of the window).
TEST_F(SelectionTest, TurnsAndMirrorsOfATextThenPrintsItAsHeld) {
  Click(53, 13, true);
  for (std::int32_t angle : {90, 180, 270, 0}) {
    editor.KeyPress('r');
    EXPECT_EQ(Doc().Pending[0].Angle, angle);
  }
  editor.KeyPress('h');
  editor.KeyPress('v');
  const skt::PendingItem& text = Doc().Pending[0];
  EXPECT_EQ(std::make_tuple(text.X1 < text.X2, text.Y1 < text.Y2, text.Angle),
            std::make_tuple(true, true, 0));
  editor.KeyPress('r');
  ui.PrintChoices.push_back("Fichier PDF");
  editor.MnuImpression();
  EXPECT_EQ(std::make_pair(ui.PrintJobs.size(), Doc().Elements[2].Angle),
            std::make_pair(std::size_t{1}, 90));
}

struct ToolCase {
  const char* Control;
  char Key;  // 0: chosen by its button
  std::vector<std::int32_t> Kinds;  // of one copy
  bool Grouped;
  std::size_t Copies = 2;  // 1 for a chain, whose second click ends its first segment
};

class DrawingToolTest : public SchematicEditorTest, public ::testing::WithParamInterface<ToolCase> {};

// Two clicks drop two copies, each with its handle on the clicked grid point,
// or draw a segment from one to the other (how the right button ends a chain
// is the editors' shared behaviour, seen in the board's track chains).
TEST_P(DrawingToolTest, EachClickDropsACopyOrEndsASegment) {
  const ToolCase& c = GetParam();
  ui.TextAnswers.push_back({true, "R", 1, true, "1"});  // for the text tool
  Move(10, 10);
  if (c.Key)
    editor.KeyPress(c.Key);
  else
    editor.ToolButton(c.Control);
  Click(40, 50);
  Click(61, 50);
  const std::vector<skt::SchematicElement> live = Live();
  const std::size_t n = c.Kinds.size();
  ASSERT_EQ(live.size(), c.Copies * n);
  const auto second = c.Copies == 2 ? std::make_pair(live[n].X1, live[n].Y1)
                                    : std::make_pair(live[0].X2, live[0].Y2);
  EXPECT_EQ(std::make_tuple(live[0].X1, live[0].Y1, second.first, second.second),
            std::make_tuple(40.0f, 50.0f, 61.0f, 50.0f));
  for (std::size_t i = 0; i < live.size(); ++i) {
    EXPECT_EQ(live[i].Kind, c.Kinds[i % n]) << i;
    EXPECT_EQ(live[i].Group, c.Grouped ? static_cast<std::int32_t>(i / n + 1) : 0) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(
    Tools, DrawingToolTest,
    ::testing::Values(ToolCase{"OptJonction", 'j', {Kind::Junction}, false},
                      ToolCase{"OptRond", 0, {Kind::Circle}, false},
                      ToolCase{"OptMasse", 'g', {Kind::Wire, Kind::Bus}, true},
                      ToolCase{"OptTerre", 0, {Kind::Wire, Kind::Bus, Kind::Wire, Kind::Wire}, true},
                      ToolCase{"OptRenvoi", 's', std::vector<std::int32_t>(6, Kind::Wire), true},
                      ToolCase{"OptTexte", 't', {Kind::Text}, false},
                      ToolCase{"OptFil", 'w', {Kind::Wire}, false, 1},
                      ToolCase{"Optbus", 'b', {Kind::Bus}, false, 1},
                      ToolCase{"OptPoint", 'l', {Kind::DottedLine}, false, 1}));

// A component saved into the family shown is listed at once, whatever the
// letter case of its extension. Each copy of it is a new group dropped as
// the symbols are (seen above); turned while it follows the pointer, about
// what is seen (the footprint record at the origin is no part of the
// centre), it stays under the pointer. The unseen pin and footprint records
// travel with their component through every edit, and are saved and read
// back. A missing component is told and the selection tool comes back.
TEST_F(SchematicEditorTest, ComponentSavedInTheLibraryIsPlacedWithItsPinRecords) {
  const std::filesystem::path family = folder.Path() / "composants" / "Semiconducteurs";
  std::filesystem::create_directories(family);
  editor.MnuNouveau();  // the lists are filled on New and Open
  EXPECT_TRUE(ui.Lists["ComboEmp"].first.empty());
  Doc().Elements = {Element(0, Kind::Wire, 100, 100, 103, 100),
                    Element(0, Kind::Wire, 107, 100, 110, 100),
                    Element(0, Kind::Text, 104, 97, 108, 99, 2, "D?"),
                    Element(0, Kind::Pin, 100, 100, 100, 100, 0, "1"),
                    Element(0, Kind::Pin, 110, 100, 110, 100, 0, "2"),
                    Element(0, Kind::Footprint, 0, 0, 0, 0, 0, "Empreinte=DO-35")};
  ui.FileAnswers.push_back(common::FileChoice{(family / "diode.cmp").u8string(), "diode.cmp"});
  editor.MnuEnregSous();
  EXPECT_EQ(ui.ListText("ComboDossier") + "/" + ui.ListText("ComboEmp"), "Semiconducteurs/diode");
  editor.MnuNouveau();
  Move(20, 20);
  editor.KeyPress('p');
  Click(50, 60);
  Click(80, 60);
  editor.KeyPress('r');
  Click(40, 40);
  Escape();
  Click(50, 60);  // a lead end takes the whole component
  ASSERT_EQ(Doc().Pending.size(), 6u);
  editor.MnuVertical();
  editor.MnuCopier();
  Click(150, 150);
  editor.MnuColler();
  Click(80, 100);
  Doc().FileName = folder.File("pins.Skt");
  editor.MnuEnreg();
  skt::Schematic reread;
  reread.FileName = Doc().FileName;
  ASSERT_FALSE(skt::ReadDocument(reread));
  ASSERT_EQ(reread.Elements.size(), 24u);
  EXPECT_EQ(PinsOnLeadEnds(reread.Elements), 8);
  const skt::SchematicElement& lead = reread.Elements[12];  // turned: now upright, still 3 mm long
  EXPECT_EQ(std::make_pair(lead.X1, std::abs(lead.Y2 - lead.Y1)), std::make_pair(lead.X2, 3.0f));
  EXPECT_LT(std::abs(lead.X1 - 40) + std::abs(lead.Y1 - 40), 12) << "under the pointer";

  std::filesystem::remove(family / "diode.cmp");
  editor.KeyPress('p');
  EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{"Fichier composant Introuvable!"});
  EXPECT_EQ(editor.CurrentTool(), Tool::Select);
}

// What shows is framed: the unseen pin of a component far away is not (how
// a document opened out of view comes framed is the editors' shared
// behaviour, seen with a board).
TEST_F(SchematicEditorTest, ZoomToutFramesWhatShows) {
  Add(Element(0, Kind::Wire, 10, 10, 60, 10));
  Add(Element(0, Kind::Circle, 30, 40, 0, 0, 5));
  Add(Element(1, Kind::Pin, 280, 190, 280, 190, 0, "1"));
  editor.MnuZoomTout();
  testing_support::ExpectFramed(editor.Layout(), editor.View(), {9.95f, 9.95f, 60.05f, 45});
}

}  // namespace
}  // namespace schematic_tests
