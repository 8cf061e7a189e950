// Selecting on a schematic and the edit commands: what a click catches,
// copy and paste across documents, turns and mirrors, saving a component
// and printing through the editor.
#include "support/schematic_test_support.h"

#include <algorithm>
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

}  // namespace
}  // namespace schematic_tests
