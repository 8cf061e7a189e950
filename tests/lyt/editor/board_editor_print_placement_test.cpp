// Where a board lands on the page when it is printed larger than life.
#include "support/board_test_support.h"

namespace {

using namespace lyt;
using board_tests::Element;

// A printer whose page is 6000 by 4000 dots (254 by 169 mm at 600 dpi), or
// of unknown size.
class PagedUi : public testing_support::ScriptedBoardUi {
 public:
  struct Page : testing_support::RecordingCanvas {
    common::PixelSize Size;
    common::PixelSize PageSize() const override { return Size; }
  } Sheet;

  common::PrintOutcome PrintPage(const common::PrintJob&, const common::PageDrawer& draw) override {
    Sheet.Clear();
    draw(Sheet, PrinterPixelMmX, PrinterPixelMmY);
    return common::PrintOutcome::Printed;
  }
};

constexpr char kLargerThanPage[] =
    "Le circuit est plus grand que la page à cette échelle :\r\nses bords ne sont pas imprimés.";

// Up to scale 1, and above while the board stays on the page, the sheet's
// corner is the page's; a board that would leave the page is centred on it,
// and the user is told when even so it does not fit.
TEST(BoardPrintPlacement, ABoardThatWouldLeaveThePageIsCentredOnIt) {
  struct Row {
    float X;           // the track runs from (X, 20) to (X + 10, 20) mm
    std::string Scale;
    bool Known;        // the page's size
    bool Centred, Told;
  };
  const Row rows[] = {{130, "1", true, false, false}, {20, "2", true, false, false},
                      {130, "2", true, true, false},  {130, "2", false, false, false},
                      {-300, "3", true, true, true}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.X + std::stof(row.Scale));
    testing_support::TempFolder folder;
    PagedUi ui;
    BoardEditor editor(ui, folder.Path().u8string());
    editor.Start("");
    editor.Document().Elements = {
        Element(0, ElementKind::Track, BoardLayer::Component, 0.2f, row.X, 20, row.X + 10, 20),
        Element(0, ElementKind::Track, BoardLayer::Component, 0.2f, row.X + 430, 20, row.X + 440, 20)};
    if (row.X > 0) editor.Document().Elements.pop_back();
    ui.Sheet.Size = row.Known ? common::PixelSize{6000, 4000} : common::PixelSize{};
    ASSERT_TRUE(editor.Print({"PDF", true, true, false, false, false, row.Scale}));
    const auto line = ui.Sheet.Lines().at(0);
    // Pinned, 1 mm of the board is scale x 600 / 25.4 dots from the corner.
    const double dots = std::stof(row.Scale) * 600 / 25.4;
    if (row.Centred && !row.Told) {
      EXPECT_NEAR((line.X1 + line.X2) / 2.0, 3000, 2);
      EXPECT_NEAR(line.Y1, 2000, 2);
    } else if (!row.Centred) {
      EXPECT_NEAR(line.X1, row.X * dots, 2);
      EXPECT_NEAR(line.Y1, 20 * dots, 2);
    }
    EXPECT_EQ(!ui.Messages.empty() && ui.Messages.back().Text == kLargerThanPage, row.Told);
  }
}

}  // namespace
