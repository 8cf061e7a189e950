// Moving about the board: zooms that keep what the user looks at, the wheel,
// Zoom Tout, a file opened away from the middle of the sheet, and where the
// file dialogs open.
#include "lyt/core/board_extent.h"
#include "support/board_test_support.h"
#include "support/view_checks.h"

namespace {

using namespace lyt;
using board_tests::Element;

// The window as the editor sees it, with a pointer that may rest over a menu
// and the user's own folders.
class ComfortUi : public testing_support::ScriptedBoardUi {
 public:
  bool Over = true;
  common::UserFolders Places;
  bool PointerOverDrawingArea() const override { return Over; }
  common::UserFolders Folders() const override { return Places; }
};

class BoardViewComfort : public ::testing::Test {
 protected:
  BoardViewComfort() : editor(ui, folder.Path().u8string()) {}

  const common::WindowLayout& Layout() const { return editor.Layout(); }
  // Millimetres shown at a drawing-area pixel.
  std::pair<float, float> MmAt(common::PixelPoint p) const {
    return {editor.View().PixelsToMm(p.X), editor.View().PixelsToMm(p.Y)};
  }
  void ExpectFramed(const common::MmBox& box) const {
    testing_support::ExpectFramed(Layout(), editor.View(), box);
  }

  testing_support::TempFolder folder;
  ComfortUi ui;
  BoardEditor editor;
};

// Zoom In keeps the point under the pointer, brought to the middle, only
// while the pointer is over the shown drawing; chosen from the menu, or with
// the pointer elsewhere, it keeps the middle of the view.
TEST_F(BoardViewComfort, ZoomKeepsThePointerOnlyWhenItIsOverTheDrawing) {
  struct Row {
    bool Over;
    common::PixelPoint FromMiddle;
    bool KeepsPointer;
  };
  for (const Row& row : {Row{true, {200, -150}, true}, Row{false, {200, -150}, false},
                         Row{true, {5000, 0}, false}}) {
    SCOPED_TRACE(row.FromMiddle.X);
    editor.Start("");
    const common::PixelPoint middle = common::VisibleMiddle(Layout());
    ui.Over = row.Over;
    ui.InDrawing = {middle.X + row.FromMiddle.X, middle.Y + row.FromMiddle.Y};
    const auto kept = MmAt(row.KeepsPointer ? ui.InDrawing : middle);
    editor.MnuZoomIn();
    ASSERT_EQ(editor.View().Zoom, 48);
    const auto shown = MmAt(common::VisibleMiddle(Layout()));
    EXPECT_NEAR(shown.first, kept.first, 0.06);
    EXPECT_NEAR(shown.second, kept.second, 0.06);
  }
}

// A notch scrolls a tenth of the view, as an arrow of the bars does (a click
// beside the thumb: the whole view); Shift turns it sideways; Ctrl zooms one
// step per whole notch, in or out.
TEST_F(BoardViewComfort, WheelScrollsATenthOfTheViewAndZoomsByNotchesWithCtrl) {
  struct Row {
    std::vector<int> Deltas;
    bool Shift, Ctrl;
    int Across, Down;  // in arrow steps
    std::int32_t Zoom;
  };
  // Part of a notch waits for the rest, turning back starts afresh.
  const Row rows[] = {{{120}, false, false, 0, -1, 24},    {{-240}, false, false, 0, 2, 24},
                      {{-120}, true, false, 1, 0, 24},     {{60, 60}, false, true, 0, 0, 48},
                      {{60, -60, -120}, false, true, 0, 0, 12}, {{60}, false, true, 0, 0, 24}};
  for (const Row& row : rows) {
    SCOPED_TRACE(row.Deltas.size() * 10 + row.Ctrl);
    editor.Start("");
    const common::WindowLayout before = Layout();
    EXPECT_EQ(before.VScroll1.LargeChange, before.Picture1.Height);
    EXPECT_EQ(before.VScroll1.SmallChange, before.Picture1.Height / 10);
    for (int delta : row.Deltas) editor.MouseWheel(delta, row.Shift, row.Ctrl);
    EXPECT_EQ(editor.View().Zoom, row.Zoom);
    if (row.Ctrl) continue;
    EXPECT_EQ(Layout().HScroll1.Value - before.HScroll1.Value, row.Across * before.HScroll1.SmallChange);
    EXPECT_EQ(Layout().VScroll1.Value - before.VScroll1.Value, row.Down * before.VScroll1.SmallChange);
    EXPECT_EQ(ui.Layouts.back().VScroll1.Value, Layout().VScroll1.Value) << "the window follows";
  }
}

// 'z' frames every live element, a deleted one far away left out; an empty
// board shows the whole sheet.
TEST_F(BoardViewComfort, ZoomToutFramesEveryLiveElement) {
  editor.Start("");
  auto& elements = editor.Document().Elements;
  elements = {Element(0, ElementKind::Track, BoardLayer::Solder, 0.8f, 12.7f, 10.16f, 38.1f, 10.16f),
              Element(0, ElementKind::OvalPad, BoardLayer::Through, 1.2f, 20.32f, 30.48f, 0, 0, "", 90),
              Element(0, ElementKind::Text, BoardLayer::Silkscreen, 2.54f, 25.4f, 25.4f, 33.0f, 22.86f, "R1"),
              Element(0, ElementKind::Deleted, BoardLayer::Solder, 1, 250, 180)};
  editor.KeyPress('z');
  for (const BoardElement& element : elements) {
    if (element.Kind == ElementKind::Deleted) continue;
    EXPECT_TRUE(common::ShowsWhole(Layout(), editor.View(), *ElementBox(element)));
  }
  ExpectFramed(*LiveExtent(editor.Document()));

  elements.clear();
  editor.MnuZoomTout();
  ExpectFramed({0, 0, BoardWidth, BoardHeight});
}

// A board away from the middle of the sheet opens framed, and stays framed
// when the window is resized just after (a window manager maximising it),
// until the user moves the view. A board in view keeps the first zoom.
TEST_F(BoardViewComfort, OpeningFramesABoardOutOfViewUntilTheViewIsMoved) {
  const std::string corner = folder.File("coin.Lyt"), middle = folder.File("milieu.Lyt");
  board_tests::WriteBytes(corner, "\"LYT 3\"\r\n1.27,1.27\r\n0,1,1,0.8,5.08,5.08,30.48,20.32,\"\",0\r\n");
  board_tests::WriteBytes(middle, "\"LYT 3\"\r\n1.27,1.27\r\n0,1,1,0.8,127,96.52,139.7,96.52,\"\",0\r\n");
  editor.Start(middle);
  EXPECT_EQ(editor.View().Zoom, 24);

  editor.Start(corner);
  const common::MmBox board = *LiveExtent(editor.Document());
  ExpectFramed(board);
  ui.WindowMetrics.InnerHeight += 200;
  editor.Resized();
  ExpectFramed(board);
  editor.MouseWheel(-120, false, false);
  editor.Resized();
  EXPECT_FALSE(common::ShowsWhole(Layout(), editor.View(), board)) << "centred on the sheet again";
}

// The file dialogs open beside the document, else in the user's documents
// folder, else at home: never in the program's folder.
TEST_F(BoardViewComfort, FileDialogsOpenBesideTheDocumentElseInTheUsersFolders) {
  namespace fs = std::filesystem;
  fs::create_directories(folder.Path() / "travail");
  ui.Places = {folder.File("Documents"), folder.File("maison")};
  struct Row {
    std::string Document;  // relative to the test folder; "" for a new document
    bool DocumentsExist;
    std::string Folder;
  };
  for (const Row& row : {Row{"", true, "Documents"}, Row{"", false, "maison"},
                         Row{"travail/a.Lyt", true, "travail"}, Row{"ailleurs/a.Lyt", true, "Documents"}}) {
    SCOPED_TRACE(row.Document + " " + row.Folder);
    if (row.DocumentsExist) fs::create_directories(folder.Path() / "Documents");
    else fs::remove(folder.Path() / "Documents");
    editor.Start(row.Document.empty() ? "" : folder.File(row.Document));
    editor.MnuOuvrir();
    EXPECT_EQ(fs::u8path(ui.FileDialogs.back().second.InitialFolder), folder.Path() / row.Folder);
  }
}

}  // namespace
