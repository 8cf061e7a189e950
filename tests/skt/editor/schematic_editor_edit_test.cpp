// Selecting on a schematic and the edit commands: what a click or a band
// catches, delete and undo, copy and paste across documents, turns and
// mirrors, files and printing through the editor.
#include "support/schematic_test_support.h"

#include "skt/core/schematic_file.h"

#include <filesystem>

namespace schematic_tests {
namespace {

namespace Kind = skt::ElementKind;
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

TEST_F(SelectionTest, DraggingAnEndStretchesAndEscapePutsBack) {
  Drag(10, 10, 10, 20);
  EXPECT_EQ(Doc().Pending.at(0).Y1, 20.0f);
  Escape();
  EXPECT_EQ(Doc().Elements[0].Y1, 10.0f);
  Drag(10, 10, 10, 20);
  Click(100, 100);  // clicking elsewhere keeps the move
  EXPECT_EQ(std::make_tuple(Doc().Elements[0].Y1, Doc().Elements[0].Y2), std::make_tuple(20.0f, 10.0f));
}

// A deleted component comes back under a new group number, and a copied one
// can still be pasted after New.
TEST_F(SelectionTest, DeleteUndoCopyAndPasteAcrossDocuments) {
  Click(50, 20);
  editor.MnuCopier();
  EXPECT_TRUE(Doc().ClipboardFull);
  ASSERT_EQ(ui.ClipboardSizes.size(), 1u);
  EXPECT_EQ(ui.ClipboardSizes[0], std::make_pair(640, 480));  // a one-click box is narrow
  ASSERT_FALSE(ui.ClipboardPicture.Drawing.empty());
  for (const auto& drawn : ui.ClipboardPicture.Drawing) EXPECT_EQ(drawn.Colour, common::Rgb(0, 0, 0));
  Click(50, 20);
  editor.MnuSuppr();
  EXPECT_EQ(Live().size(), 2u);
  editor.MnuAnnuler();
  Click(120, 120);
  ASSERT_EQ(Live().size(), 4u);
  EXPECT_EQ(Live()[2].Group, 5);
  EXPECT_EQ(Live()[3].Group, 5);

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

// A turned component keeps its shape: the wire stays 10 mm long, now across.
TEST_F(SelectionTest, ComponentTurnsAsOnePiece) {
  Click(50, 10);
  editor.MnuRotation();
  Click(120, 120);
  const skt::SchematicElement& pin = Doc().Elements[1];
  EXPECT_EQ(std::abs(pin.X2 - pin.X1), 10.0f);
  EXPECT_EQ(pin.Y1, pin.Y2);
}

// A held, moved selection is saved and printed where it was moved to; the
// page is landscape and black.
TEST_F(SelectionTest, SaveAndPrintTakeAHeldMove) {
  const std::string path = (folder.Path() / "schema.Skt").u8string();
  Doc().FileName = path;
  Drag(70, 10, 80, 10);
  editor.MnuEnreg();
  skt::Schematic reread;
  reread.FileName = path;
  ASSERT_FALSE(skt::ReadDocument(reread));
  EXPECT_EQ(reread.Elements.at(3).X1, 80.0f);

  ui.PrintChoices.push_back("Fichier PDF");
  editor.MnuImpression();
  ASSERT_EQ(ui.PrintJobs.size(), 1u);
  EXPECT_TRUE(ui.PrintJobs[0].Landscape);
  EXPECT_FALSE(ui.PrintJobs[0].Colour);
  EXPECT_FALSE(ui.Printer.Drawing.empty());
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
  EXPECT_EQ(ReadBytes((family / "Lampe.Cmp").u8string()).substr(0, 9), "\"CMP 1\"\r\n");
  EXPECT_EQ(ui.Caption, " SKT : Lampe.Cmp");
}

}  // namespace
}  // namespace schematic_tests
