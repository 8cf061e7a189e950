// The board editor driven as the window drives it, in millimetres (or grid
// steps): the tools that put new elements on the board; selection, moves
// and edit commands on a board built by hand.
#include "support/board_test_support.h"

#include <optional>

namespace {

using namespace lyt;
using board_tests::Element;
using common::MessageIcon;
using common::PointerShape;
using common::TextDialogAnswer;
using Numbers = std::vector<std::int32_t>;
using Texts = std::vector<std::string>;
namespace K = ElementKind;
namespace L = BoardLayer;

class BoardEditing : public board_tests::EditorTest {
 protected:
  BoardEditing() { editor.Start(""); }

  void ExpectSelectionTool() {
    EXPECT_EQ(std::make_tuple(editor.CurrentTool(), ui.Option, ui.Pointer),
              std::make_tuple(BoardEditor::Tool::Select, std::string("OptSelect"), PointerShape::Arrow));
    EXPECT_TRUE(Doc().Pending.empty());
  }
  std::string LibraryFile(const std::string& name) const {
    board_tests::fs::create_directories(folder.Path() / "empreintes");
    return (folder.Path() / "empreintes" / board_tests::fs::u8path(name)).u8string();
  }
  Numbers ActiveKinds() {
    Numbers kinds;
    for (const PendingItem& item : Doc().Pending)
      if (item.Active) kinds.push_back(item.Kind);
    return kinds;
  }
};

// One field of each record, as numbers.
template <class Record, class Field>
Numbers Column(const std::vector<Record>& records, Field Record::*field) {
  Numbers values;
  for (const Record& r : records) values.push_back(static_cast<std::int32_t>(r.*field));
  return values;
}

// Each value within a ten-thousandth of a millimetre of the one expected.
void ExpectNear(const std::vector<float>& values, const std::vector<float>& expected) {
  ASSERT_EQ(values.size(), expected.size());
  for (std::size_t i = 0; i < values.size(); ++i) EXPECT_NEAR(values[i], expected[i], 1e-4f) << "value " << i;
}

// The element hangs on the pointer as a preview, each click drops a copy at
// the snapped point, Escape discards the floating one. Each tool is offered
// on the layers it draws for.
TEST_F(BoardEditing, EachPlacingToolDropsACopyAtEverySnappedClick) {
  using Button = void (BoardEditor::*)();
  const std::tuple<Button, Button, Numbers> cases[] = {
      {&BoardEditor::OptSoudure, &BoardEditor::OptPastilleR, {K::RoundPad, K::Hole}},
      {&BoardEditor::OptComposant, &BoardEditor::OptPastilleC, {K::SquarePad, K::Hole}},
      {&BoardEditor::OptSoudure, &BoardEditor::OptPastilleOH, {K::OvalPad, K::Hole}},
      {&BoardEditor::OptComposant, &BoardEditor::OptPastilleRect, {K::RectPad, K::Hole}},
      {&BoardEditor::OptSoudure, &BoardEditor::OptTrou, {K::Hole}},
      {&BoardEditor::OptSerig, &BoardEditor::OptRond, {K::Circle}}};
  ui.ListIndices["ComboPastille"] = 3;  // 2.22mm, also for circles; holes keep 0.8mm
  for (const auto& [layerButton, toolButton, kinds] : cases) {
    SCOPED_TRACE(kinds[0]);
    Doc().Elements.clear();
    (editor.*layerButton)();
    const bool silkscreen = kinds[0] == K::Circle;
    EXPECT_EQ(std::make_pair(ui.Enabled["OptRond"], ui.Enabled["OptPastilleR"] || ui.Enabled["OptEmp"]),
              std::make_pair(silkscreen, !silkscreen));
    Move(50.0f, 50.0f);
    (editor.*toolButton)();
    Move(50.9f, 50.2f);  // snaps to 50.8, 50.8
    EXPECT_EQ(std::make_tuple(ui.Pointer, Doc().Pending.at(0).X1, ui.Canvas.Drawing.back().Mode),
              std::make_tuple(PointerShape::Cross, G(40), common::DrawMode::NotXorPen));
    Click(50.9f, 50.2f);
    Click(55.6f, 50.8f);  // snaps to 55.88
    Escape();
    ExpectSelectionTool();
    const std::vector<BoardElement> live = Live();
    ASSERT_EQ(live.size(), 2 * kinds.size());
    for (std::size_t i = 0, n = kinds.size(); i < live.size(); ++i) {
      EXPECT_EQ(std::make_tuple(live[i].Kind, live[i].Layer, live[i].X1, live[i].Y1),
                std::make_tuple(kinds[i % n], silkscreen ? L::Silkscreen : L::Through, G(i < n ? 40 : 44), G(40)));
      EXPECT_FLOAT_EQ(live[i].Size, live[i].Kind == K::Hole ? 0.4f : 1.11f);
    }
  }
}

// A right click drops the segment on the pointer and ends the chain, a second
// one ends the tool. A band over the joint catches each track by one end, so
// moving it stretches both.
TEST_F(BoardEditing, TrackChainEndsAtARightClickAndItsJointStretchesBothTracks) {
  editor.OptPastilleR();
  editor.OptPiste();
  Click(G(10), G(10));
  Move(G(20), G(10));
  Click(G(20), G(10));
  Click(G(20), G(20));
  Move(G(30), G(20));
  Click(G(30), G(20), false, MouseButton::Right);
  std::vector<std::tuple<std::int32_t, std::int32_t, float, float, float, float, float>> tracks;
  for (const BoardElement& e : Live()) tracks.emplace_back(e.Kind, e.Layer, e.Size, e.X1, e.Y1, e.X2, e.Y2);
  EXPECT_EQ(tracks, (decltype(tracks){{K::Track, L::Solder, 0.3175f, G(10), G(10), G(20), G(10)},
                                       {K::Track, L::Solder, 0.3175f, G(20), G(10), G(20), G(20)}}));
  EXPECT_EQ(editor.CurrentTool(), BoardEditor::Tool::Track) << "the tool stays for a new chain";
  EXPECT_TRUE(Doc().Pending.empty());
  Click(G(30), G(20), false, MouseButton::Right);
  ExpectSelectionTool();

  Band(G(19), G(9), G(21), G(11));
  Drag(G(20), G(10), G(25), G(10));
  Click(G(40), G(40));
  const std::vector<BoardElement> stretched = Live();
  ExpectNear({stretched.at(0).X1, stretched[0].X2, stretched.at(1).X1, stretched[1].X2},
             {G(10), G(25), G(25), G(20)});
}

// A negative start numbers nothing; no text brings the selection tool back.
// "Editer Texte" changes a picked text at the next commit, without numbering.
TEST_F(BoardEditing, TextToolDropsNumberedCopiesAndEditTextChangesAPlacedOne) {
  const std::tuple<std::optional<TextDialogAnswer>, Texts, float> cases[] = {
      {std::nullopt, {}, 0.0f}, {TextDialogAnswer{true, "", 1, false, ""}, {}, 0.0f},
      {TextDialogAnswer{true, "R", 2, true, "-5"}, {"R", "R", "R"}, 3.0f},
      {TextDialogAnswer{true, "R", 1, true, "1"}, {"R1", "R2", "R3"}, 2.0f}};
  for (const auto& [answer, placed, height] : cases) {
    SCOPED_TRACE(answer ? answer->NumberingStart + answer->Text : "cancelled");
    Doc().Elements.clear();
    if (answer) ui.TextAnswers.push_back(*answer);
    editor.KeyPress('t');
    EXPECT_TRUE(ui.TextRequests.back().NewText);
    for (float x : {12.7f, 25.4f, 38.1f}) Click(x, 12.7f);
    Texts texts;
    for (const BoardElement& e : Live()) texts.push_back(e.Text);
    EXPECT_EQ(texts, placed);
    if (placed.empty()) {
      ExpectSelectionTool();
    } else {
      EXPECT_EQ(std::make_tuple(Live()[1].Layer, Live()[1].Size), std::make_tuple(L::Solder, height)) << "current layer";
      EXPECT_FLOAT_EQ(Live()[1].X1, 25.4f);
    }
  }

  Escape();
  Click(25.4f, 12.7f);
  ui.TextAnswers.push_back(TextDialogAnswer{true, "C7", 4, true, "3"});
  editor.DoubleClick();
  const common::TextDialogRequest& request = ui.TextRequests.back();
  EXPECT_EQ(std::make_tuple(request.NewText, request.Text, request.SizeIndex),
            std::make_tuple(false, std::string("R2"), 1));
  EXPECT_EQ(Doc().Elements[1].Text, "R2");
  Click(60.0f, 60.0f);
  EXPECT_EQ(std::make_tuple(Doc().Elements[1].Text, Doc().Elements[1].Size),
            std::make_tuple(std::string("C7"), 5.0f));
  ui.Messages.clear();
  Doc().Elements.push_back(Element(0, K::Text, L::Component, 2.5f, 76.2f, 12.7f, 80.0f, 15.2f, "J1"));
  Click(76.2f, 12.7f);
  editor.MnuEditTexte();
  EXPECT_EQ(ui.TextRequests.size(), 5u);
  board_tests::ExpectOneMessage(ui, " erreur dans MnuEditTexte", MessageIcon::None);
}

// The tool gives up with the reader's message, letting go of what was read. A
// footprint saved into the library is offered at once; each copy dropped is a
// group of its own, its first element under the pointer. A pick takes one
// copy whole, and turns it about the centre of its points.
TEST_F(BoardEditing, FootprintCopiesAreNewGroupsThatArePickedAndTurnedWhole) {
  for (const char* text :
       {"Fichier d'empreinte Introuvable!", "Fichier d'empreinte incorrect,\r\nlecture impossible !"}) {
    ui.Messages.clear();
    editor.OptEmp();
    EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{text});
    ExpectSelectionTool();
    board_tests::WriteBytes(LibraryFile("coupe.Emp"), "\"EMP 3\"\r\n1.27,1.27\r\n0,8,3,0.4,10,10,0,0,\"\",0\r\n0,8\r\n");
    board_tests::WriteBytes(LibraryFile(".Emp"), "\"EMP 3\"\r\n1.27,1.27\r\n");
    editor.MnuNouveau();
  }
  // Drawn away from the origin: an oval pad with its hole, a silkscreen line and a text.
  Doc().Elements = {Element(0, K::OvalPad, L::Through, 0.79375f, 50.8f, 76.2f),
                    Element(0, K::Hole, L::Through, 0.4f, 50.8f, 76.2f),
                    Element(0, K::Track, L::Silkscreen, 0.3175f, 49.53f, 73.66f, 52.07f, 73.66f),
                    Element(0, K::Text, L::Silkscreen, 1.5f, 53.34f, 76.2f, 55.0f, 74.7f, "U1")};
  Doc().Modified = true;
  ui.FileAnswers = {common::FileChoice{LibraryFile("a nouveau.Emp"), "a nouveau.Emp"}};
  editor.MnuEnregSous();
  EXPECT_EQ(ui.Lists["ComboEmp"], (std::pair<Texts, int>{{"a nouveau", "coupe"}, 0})) << "a nameless file is none";
  editor.MnuNouveau();
  ui.InDrawing = {250, 130};  // 13.23 mm, 6.88 mm: snaps to 12.7, 6.35
  editor.OptEmp();
  editor.MouseDown(MouseButton::Left, false, 250, 130);
  editor.MouseMove(400, 290);  // 21.59, 15.24
  editor.MouseDown(MouseButton::Left, false, 400, 290);
  EXPECT_EQ(Doc().Pending.size(), 4u) << "the footprint stays in hand for the next drop";
  EXPECT_TRUE(editor.IsModified());
  Escape();
  EXPECT_EQ(Column(Doc().Elements, &BoardElement::Group), (Numbers{1, 1, 1, 1, 2, 2, 2, 2}));
  EXPECT_EQ(std::make_pair(Doc().LastGroup, Doc().Elements[7].Text), std::make_pair(2, std::string("U1")));
  const std::vector<BoardElement> before = Doc().Elements;
  const BoardElement& pad = before.at(4);
  const BoardElement& line = before.at(6);
  // Under the pointer, the shape kept.
  ExpectNear({pad.X1, pad.Y1, line.X2 - pad.X1, line.Y2 - pad.Y1},
             {21.59f, 15.24f, 52.07f - 50.8f, 73.66f - 76.2f});

  Click(21.59f, 15.24f);
  ASSERT_EQ(Doc().Pending.size(), 4u);
  editor.MnuRotation();
  EXPECT_EQ(Column(Doc().Pending, &PendingItem::Angle), (Numbers{90, 0, 0, 90}))
      << "holes and tracks have no orientation";
  const PendingItem& turned = Doc().Pending[2];
  EXPECT_FLOAT_EQ(turned.X1, turned.X2);
  EXPECT_NEAR(turned.Y1 - turned.Y2, line.X2 - line.X1, 1e-4f) << "right of the centre goes above it";
  for (int turn = 0; turn < 3; ++turn) editor.KeyPress('r');
  Click(80.0f, 80.0f);
  for (std::size_t i = 0; i < before.size(); ++i) {
    EXPECT_NEAR(Doc().Elements[i].X1, before[i].X1, 1e-4) << i;
    EXPECT_NEAR(Doc().Elements[i].Y2, before[i].Y2, 1e-4) << i;
    EXPECT_EQ(Doc().Elements[i].Angle, 0) << i;
  }
}

// A click within half a grid step picks a pad, its hole and the track end on
// it; Escape lets a move go, a click elsewhere writes it back. Shift-clicks
// then take one element at a time, and the commands leave the others alone.
TEST_F(BoardEditing, PickMoveAndShiftClickCyclingThroughStackedElements) {
  editor.KeyPress('i');  // at twice the first zoom
  AddPad(20, 20);
  AddTrack(20, 20, 24, 20);
  Click(G(21), G(20));
  EXPECT_TRUE(Doc().Pending.empty()) << "the next grid point picks nothing";
  Click(G(20) + 0.6f, G(20));
  EXPECT_EQ(std::make_tuple(ActiveKinds(), ui.Pointer, ui.Enabled["MnuRotation"]),
            std::make_tuple(Numbers{K::RoundPad, K::Hole, K::Track}, PointerShape::FourWay, true));
  Click(G(20), G(20), false, MouseButton::Right);
  EXPECT_EQ(ui.EditMenuPopUps, 1);
  Drag(G(20), G(20), G(22), G(20));
  Escape();
  EXPECT_EQ(std::make_tuple(Live().at(0).X1, Live().at(2).X1, Live().at(0).Selected, ui.Enabled["MnuCouper"]),
            std::make_tuple(G(20), G(20), false, false));
  Click(G(20), G(20));
  Drag(G(20), G(20), G(22), G(20));
  Click(G(23), G(20));  // outside: written back, nothing new picked
  EXPECT_FALSE(Doc().PendingActive);
  EXPECT_EQ(std::make_tuple(Live().at(1).X1, Live().at(2).X1, Live().at(2).X2), std::make_tuple(G(22), G(22), G(24)));

  for (std::int32_t kind : {K::RoundPad, K::Hole, K::Track, K::RoundPad}) {
    Click(G(22), G(20), true);
    EXPECT_EQ(ActiveKinds(), Numbers{kind});
    if (kind == K::Hole) editor.KeyPress('g');  // the inactive track keeps its layer
  }
  ui.Separator = ',';
  editor.MnuInfo();
  EXPECT_EQ(std::make_pair(ui.Messages.at(0).Text, ui.Messages.at(0).Title),
            std::make_pair(std::string("Pastille Ronde1,59mm de diamètre"), std::string("Information")));
  editor.MnuCopier();
  EXPECT_EQ(std::make_pair(Doc().ClipBuffer.size(), Doc().PendingActive), std::make_pair(std::size_t{1}, true))
      << "the selection stays held";
  editor.MnuSuppr();
  EXPECT_EQ(Doc().UndoBuffer.size(), 1u);
  EXPECT_EQ(Column(Doc().Elements, &BoardElement::Kind), (Numbers{0, K::Hole, K::Track}));
  Click(G(22), G(20), true);  // hole and track end; the cycle goes on to the track
  ASSERT_EQ(ActiveKinds(), Numbers{K::Track});
  editor.KeyPress('r');  // about the track's own middle
  Click(G(60), G(60));
  EXPECT_EQ(std::make_pair(Doc().Elements[1].X1, Doc().Elements[1].Y1), std::make_pair(G(22), G(20)));
  const BoardElement& track = Doc().Elements[2];
  EXPECT_EQ(track.Layer, L::Solder);
  ExpectNear({track.X1, track.Y1, track.X2, track.Y2}, {G(23), G(21), G(23), G(19)});

  // Kinds without a figure give no centre: a turn must not divide by zero.
  Doc().Pending = {board_tests::NewItem(3, L::Through, 1.0f, G(5), G(7), G(9), G(7))};
  Doc().PendingActive = Doc().PendingIsNew = true;
  editor.MnuRotation();
  EXPECT_EQ(std::make_pair(Doc().Pending[0].X1, Doc().Pending[0].Y2), std::make_pair(G(5), G(7)));
}

// The layer change swaps copper tracks and texts only. Undo, even during a
// track chain, lets the tool go; the block restored after a cut is new, and
// its two footprints stay two under new numbers above every one in use; so
// do those of each paste, dropped under the pointer.
TEST_F(BoardEditing, LayerChangeCutUndoAndPastesBringBackNewElementsInNewGroups) {
  AddPad(10, 10, 4);
  AddPad(16, 10, 7);
  AddTrack(10, 10, 16, 10);
  Doc().Elements.push_back(Element(0, K::Text, L::Component, 2.0f, G(10), G(12), G(12), G(11), "A"));
  Doc().Elements.push_back(Element(0, K::Text, L::Silkscreen, 2.0f, G(14), G(12), G(16), G(11), "B"));
  Doc().LastGroup = 8;
  Band(G(8), G(8), G(18), G(12));
  editor.KeyPress('g');
  EXPECT_EQ(ui.Beeps, 1);
  editor.MnuCouper();
  EXPECT_TRUE(Live().empty() && Doc().Pending.empty());
  EXPECT_TRUE(ui.Enabled["MnuAnnuler"] && ui.Enabled["MnuColler"]);
  editor.OptPiste();
  Click(G(30), G(30));  // a track chain under way
  editor.MnuAnnuler();
  EXPECT_EQ(std::make_tuple(editor.CurrentTool(), Doc().LineInProgress, ui.Enabled["MnuAnnuler"]),
            std::make_tuple(BoardEditor::Tool::Select, false, false));
  Click(G(60), G(60));  // outside the restored block: appended
  EXPECT_EQ(Column(Doc().Elements, &BoardElement::Kind), (Numbers{0, 0, 0, 0, 0, 0, 0, 4, 8, 4, 8, 1, 10, 10}));
  EXPECT_EQ(Column(Doc().Elements, &BoardElement::Group), (Numbers{4, 4, 7, 7, 0, 0, 0, 9, 9, 12, 12, 0, 0, 0}));
  EXPECT_EQ(Column(Doc().Elements, &BoardElement::Layer), (Numbers{3, 3, 3, 3, 1, 0, 2, 3, 3, 3, 3, 0, 1, 2}));
  EXPECT_EQ(std::make_pair(Doc().Elements[11].X1, Doc().Elements[11].X2), std::make_pair(G(10), G(16)));
  for (int paste : {1, 2}) {
    Move(G(10), G(20 * paste));
    editor.MnuColler();
    EXPECT_FLOAT_EQ(Doc().Pending[0].Y1, G(20 * paste)) << "under the pointer";
    Move(G(10), G(20 * paste + 1));
    Click(G(10), G(20 * paste + 1));  // stops the block
    Click(G(80), G(80));              // appends it
  }
  const Numbers groups = Column(Doc().Elements, &BoardElement::Group);
  EXPECT_EQ(Numbers(groups.begin() + 14, groups.end()), (Numbers{13, 13, 16, 16, 0, 0, 0, 17, 17, 20, 20, 0, 0, 0}));
  EXPECT_FLOAT_EQ(Doc().Elements[21].Y1, G(41));
}

}  // namespace
