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

class BoardPrintPlacement : public testing_support::EditorFixture<BoardEditor, PagedUi> {};

// Up to scale 1, and above while the board stays on the page, the sheet's
// corner is the page's; a board that would leave the page is centred on it,
// and the user is told when even so it does not fit.
TEST_F(BoardPrintPlacement, ABoardThatWouldLeaveThePageIsCentredOnIt) {
  // The track runs from (X, 20) to (X + 10, 20) mm; the scale, whether the
  // page's size is known, whether the board is centred and the user told.
  const std::tuple<float, std::string, bool, bool, bool> rows[] = {
      {130, "1", true, false, false}, {20, "2", true, false, false}, {130, "2", true, true, false},
      {130, "2", false, false, false}, {-300, "3", true, true, true}};
  editor.Start("");
  for (const auto& [x, scale, known, centred, told] : rows) {
    SCOPED_TRACE(x + std::stof(scale));
    ui.Messages.clear();
    Doc().Elements = {Element(0, ElementKind::Track, BoardLayer::Component, 0.2f, x, 20, x + 10, 20),
                      Element(0, ElementKind::Track, BoardLayer::Component, 0.2f, x + 430, 20, x + 440, 20)};
    if (x > 0) Doc().Elements.pop_back();
    ui.Sheet.Size = known ? common::PixelSize{6000, 4000} : common::PixelSize{};
    ASSERT_TRUE(editor.Print({"PDF", true, true, false, false, false, scale}));
    const auto line = ui.Sheet.Lines().at(0);
    // Pinned, 1 mm of the board is scale x 600 / 25.4 dots from the corner.
    const double dots = std::stof(scale) * 600 / 25.4;
    if (centred && !told) {
      EXPECT_NEAR((line.X1 + line.X2) / 2.0, 3000, 2);
      EXPECT_NEAR(line.Y1, 2000, 2);
    } else if (!centred) {
      EXPECT_NEAR(line.X1, x * dots, 2);
      EXPECT_NEAR(line.Y1, 20 * dots, 2);
    }
    EXPECT_EQ(!ui.Messages.empty() && ui.Messages.back().Text == kLargerThanPage, told);
  }
}

}  // namespace
