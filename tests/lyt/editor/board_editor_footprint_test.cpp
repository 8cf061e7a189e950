#include "support/board_test_support.h"
#include "lyt/core/board_file.h"

namespace {

using board_tests::Element;
using board_tests::kFootprintNotFound;
using board_tests::kWrongFootprint;
using common::MessageIcon;
using namespace lyt;
using Names = std::vector<std::string>;

// A footprint drawn away from the origin: a square pad with its hole, a
// silkscreen line above it and a text.
std::vector<BoardElement> DrawnFootprint() {
  return {Element(0, ElementKind::SquarePad, BoardLayer::Through, 0.79375f, 50.8f, 76.2f),
          Element(0, ElementKind::Hole, BoardLayer::Through, 0.4f, 50.8f, 76.2f),
          Element(0, ElementKind::Track, BoardLayer::Silkscreen, 0.3175f, 49.53f, 73.66f, 52.07f, 73.66f),
          Element(0, ElementKind::Text, BoardLayer::Silkscreen, 1.5f, 53.34f, 76.2f, 55.0f, 74.7f, "U1", 0)};
}

class BoardEditorFootprint : public board_tests::EditorTest {
 protected:
  std::string LibraryFile(const std::string& name) const {
    board_tests::fs::create_directories(folder.Path() / "empreintes");
    return (folder.Path() / "empreintes" / board_tests::fs::u8path(name)).u8string();
  }
  // Saved the way the editor saves a footprint.
  void AddFootprint(const std::string& name, const std::vector<BoardElement>& elements) {
    Board footprint;
    footprint.Elements = elements;
    footprint.FileName = LibraryFile(name + ".Emp");
    board_tests::WriteBytes(footprint.FileName, WriteDocument(footprint, 1.27f, 1.27f));
  }
  const std::pair<Names, int>& List() { return ui.Lists["ComboEmp"]; }
  // The tool gave up with one message.
  void ExpectRefused(const char* text, MessageIcon icon) {
    ui.Messages.clear();
    editor.OptEmp();
    board_tests::ExpectOneMessage(ui, text, icon);
    EXPECT_EQ(editor.CurrentTool(), BoardEditor::Tool::Select);
    EXPECT_EQ(ui.Option, "OptSelect");
    EXPECT_EQ(ui.Pointer, common::PointerShape::Arrow);
    EXPECT_TRUE(Doc().Pending.empty());
    EXPECT_FALSE(Doc().PendingActive);
  }
};

TEST_F(BoardEditorFootprint, EmptyOrMissingLibraryOffersNothingAndTheToolGivesUp) {
  editor.Start("");
  EXPECT_EQ(List(), (std::pair<Names, int>{{}, -1}));
  ExpectRefused(kFootprintNotFound, MessageIcon::Exclamation);

  // An empty folder, even with a file named just ".Emp" in it, is no better.
  board_tests::WriteBytes(LibraryFile(".Emp"), WriteDocument(Board{}, 1.27f, 1.27f));
  editor.MnuNouveau();
  EXPECT_EQ(List(), (std::pair<Names, int>{{}, -1}));
  ExpectRefused(kFootprintNotFound, MessageIcon::Exclamation);
}

TEST_F(BoardEditorFootprint, UnreadableFootprintsGiveTheirMessageAndReleaseWhatWasRead) {
  AddFootprint("efface", DrawnFootprint());
  board_tests::WriteBytes(LibraryFile("carte.Emp"), "\"LYT 3\"\r\n1.27,1.27\r\n");
  board_tests::WriteBytes(LibraryFile("coupe.Emp"),
                          "\"EMP 3\"\r\n1.27,1.27\r\n0,8,3,0.4,10,10,0,0,\"\",0\r\n0,8,3\r\n");
  editor.Start("");
  ASSERT_EQ(List().first, (Names{"carte", "coupe", "efface"}));
  board_tests::fs::remove(board_tests::fs::u8path(LibraryFile("efface.Emp")));
  const std::tuple<int, const char*, MessageIcon> cases[] = {
      {0, kWrongFootprint, MessageIcon::Critical},
      {1, kWrongFootprint, MessageIcon::Critical},
      {2, kFootprintNotFound, MessageIcon::Exclamation}};
  for (const auto& [index, text, icon] : cases) {
    SCOPED_TRACE(index);
    ui.Lists["ComboEmp"].second = index;
    ExpectRefused(text, icon);
  }
  EXPECT_TRUE(Doc().Elements.empty());
}

// Each click drops a copy as a group of its own; the footprint keeps its
// shape, and its first element lands on the snapped pointer whatever
// coordinates it was drawn with.
TEST_F(BoardEditorFootprint, EachDropIsANewGroupWithTheFirstElementUnderThePointer) {
  AddFootprint("CI", DrawnFootprint());
  editor.Start("");
  ui.InDrawing = {250, 130};  // 13.23 mm, 6.88 mm: snaps to 12.7, 6.35
  editor.OptEmp();
  EXPECT_TRUE(ui.Messages.empty());
  EXPECT_EQ(editor.CurrentTool(), BoardEditor::Tool::Footprint);
  EXPECT_EQ(ui.Pointer, common::PointerShape::Cross);
  ASSERT_EQ(Doc().Pending.size(), 4u);
  EXPECT_NEAR(Doc().Pending[0].X1, 12.7f, 1e-4f);
  EXPECT_NEAR(Doc().Pending[0].Y1, 6.35f, 1e-4f);
  editor.MouseDown(MouseButton::Left, false, 250, 130);
  editor.MouseMove(400, 290);  // 21.59, 15.24
  editor.MouseDown(MouseButton::Left, false, 400, 290);

  const std::vector<BoardElement>& elements = Doc().Elements;
  ASSERT_EQ(elements.size(), 8u);
  EXPECT_EQ(Doc().LastGroup, 2);
  const float drop[2][2] = {{12.7f, 6.35f}, {21.59f, 15.24f}};
  const std::vector<BoardElement> drawn = DrawnFootprint();
  for (std::size_t copy = 0; copy < 2; ++copy) {
    for (std::size_t i = 0; i < drawn.size(); ++i) {
      SCOPED_TRACE(testing::Message() << "copy " << copy << ", element " << i);
      const BoardElement& placed = elements[copy * drawn.size() + i];
      EXPECT_EQ(std::make_tuple(placed.Group, placed.Kind, placed.Text),
                std::make_tuple(static_cast<std::int32_t>(copy + 1), drawn[i].Kind, drawn[i].Text));
      EXPECT_NEAR(placed.X1 - drop[copy][0], drawn[i].X1 - 50.8f, 1e-4f);
      EXPECT_NEAR(placed.Y1 - drop[copy][1], drawn[i].Y1 - 76.2f, 1e-4f);
      if (drawn[i].Kind == ElementKind::Track || drawn[i].Kind == ElementKind::Text) {
        EXPECT_NEAR(placed.X2 - placed.X1, drawn[i].X2 - drawn[i].X1, 1e-4f);
        EXPECT_NEAR(placed.Y2 - placed.Y1, drawn[i].Y2 - drawn[i].Y1, 1e-4f);
      }
    }
  }
  EXPECT_EQ(Doc().Pending.size(), 4u) << "the footprint stays in hand for the next drop";
  EXPECT_TRUE(editor.IsModified());
}

TEST_F(BoardEditorFootprint, SavingAFootprintIntoTheLibraryListsItAtOnce) {
  AddFootprint("b-existant", DrawnFootprint());
  AddFootprint("c-autre", DrawnFootprint());
  editor.Start("");
  EXPECT_EQ(List(), (std::pair<Names, int>{{"b-existant", "c-autre"}, 0}));
  ui.Lists["ComboEmp"].second = 1;  // the user picks another one

  Doc().Elements = {Element(0, ElementKind::RoundPad, BoardLayer::Through, 0.9525f, 30, 40),
                    Element(0, ElementKind::Hole, BoardLayer::Through, 0.5f, 30, 40)};
  Doc().Modified = true;
  ui.FileAnswers = {common::FileChoice{LibraryFile("a nouveau.Emp"), "a nouveau.Emp"}};
  editor.MnuEnregSous();
  EXPECT_EQ(board_tests::ReadBytes(LibraryFile("a nouveau.Emp")).substr(0, 9), "\"EMP 3\"\r\n");
  EXPECT_EQ(List(), (std::pair<Names, int>{{"a nouveau", "b-existant", "c-autre"}, 0}));

  editor.OptEmp();
  ASSERT_EQ(Doc().Pending.size(), 2u);
  EXPECT_EQ(Doc().Pending[0].Kind, ElementKind::RoundPad);
}

}  // namespace
