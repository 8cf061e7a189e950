#include "support/board_test_support.h"

namespace {

using namespace lyt;
using board_tests::Element;
using Numbers = std::vector<std::int32_t>;
namespace K = ElementKind;
namespace L = BoardLayer;

// Selection, moves and edit commands on a board built by hand. Positions are
// in grid steps.
class BoardEditorSelection : public board_tests::EditorTest {
 protected:
  BoardEditorSelection() { editor.Start(""); }

  Numbers ActiveKinds() {
    Numbers kinds;
    for (const PendingItem& item : Doc().Pending)
      if (item.Active) kinds.push_back(item.Kind);
    return kinds;
  }
  template <class Field>
  Numbers Column(Field BoardElement::*field) { return board_tests::Column(Doc().Elements, field); }
};

// A click within half a grid step picks a pad, its hole and the track end on
// it; Escape lets a move go, a click elsewhere writes it back. Shift-clicks
// then take one element at a time, and the commands leave the others alone.
TEST_F(BoardEditorSelection, PickMoveAndShiftClickCyclingThroughStackedElements) {
  editor.KeyPress('i');  // at twice the first zoom
  AddPad(20, 20);
  AddTrack(20, 20, 24, 20);
  Click(G(21), G(20));
  EXPECT_TRUE(Doc().Pending.empty()) << "the next grid point picks nothing";
  Click(G(20) + 0.6f, G(20));
  EXPECT_EQ(ActiveKinds(), (Numbers{K::RoundPad, K::Hole, K::Track}));
  EXPECT_EQ(ui.Pointer, common::PointerShape::FourWay);
  for (const char* name : {"MnuCouper", "MnuCopier", "MnuSuppr", "MnuChanger", "MnuRotation"})
    EXPECT_TRUE(ui.Enabled[name]) << name;
  Click(G(20), G(20), false, MouseButton::Right);
  EXPECT_EQ(ui.EditMenuPopUps, 1);
  Drag(G(20), G(20), G(22), G(20));
  EXPECT_EQ(std::make_pair(ui.Status[4], ui.Status[5]), std::make_pair(std::string("  X= 2.54mm"), std::string("  Y= 0mm")));
  EXPECT_FLOAT_EQ(Doc().SelectionBox.Right, G(22) + 0.635f) << "the box follows without drifting";
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
    for (const PendingItem& item : Doc().Pending)
      EXPECT_EQ(Doc().Elements[static_cast<std::size_t>(item.Index)].Selected, item.Active);
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
  EXPECT_EQ(Column(&BoardElement::Kind), (Numbers{0, K::Hole, K::Track}));
  Click(G(22), G(20), true);  // hole and track end; the cycle goes on to the track
  ASSERT_EQ(ActiveKinds(), Numbers{K::Track});
  editor.MnuInfo();
  EXPECT_EQ(ui.Messages.at(1).Text, "Piste largeur :0,32mm");
  editor.KeyPress('r');  // about the track's own middle
  Click(G(60), G(60));
  EXPECT_EQ(std::make_pair(Doc().Elements[1].X1, Doc().Elements[1].Y1), std::make_pair(G(22), G(20)));
  const BoardElement& track = Doc().Elements[2];
  EXPECT_EQ(track.Layer, L::Solder);
  EXPECT_FLOAT_EQ(track.X1, G(23));
  EXPECT_FLOAT_EQ(track.Y1, G(21));
  EXPECT_FLOAT_EQ(track.X2, G(23));
  EXPECT_FLOAT_EQ(track.Y2, G(19));
}

// The layer change swaps copper tracks and texts only. The block restored
// after a cut is new, and its two footprints stay two under new numbers above
// every one in use; so do those of each paste, dropped under the pointer.
TEST_F(BoardEditorSelection, LayerChangeCutUndoAndPastesBringBackNewElementsInNewGroups) {
  AddPad(10, 10, 4);
  AddPad(16, 10, 7);
  AddTrack(10, 10, 16, 10);
  Doc().Elements.push_back(Element(0, K::Text, L::Component, 2.0f, G(10), G(12), G(12), G(11), "A"));
  Doc().Elements.push_back(Element(0, K::Text, L::Silkscreen, 2.0f, G(14), G(12), G(16), G(11), "B"));
  Doc().LastGroup = 8;
  EXPECT_FALSE(ui.Enabled["MnuAnnuler"]);
  Band(G(8), G(8), G(18), G(12));
  editor.KeyPress('g');
  EXPECT_EQ(ui.Beeps, 1);
  editor.MnuCouper();
  EXPECT_TRUE(Live().empty() && Doc().Pending.empty());
  EXPECT_TRUE(ui.Enabled["MnuAnnuler"] && ui.Enabled["MnuColler"]);
  editor.MnuAnnuler();
  EXPECT_FALSE(ui.Enabled["MnuAnnuler"]);
  Click(G(60), G(60));  // outside the restored block: appended
  EXPECT_EQ(Column(&BoardElement::Kind), (Numbers{0, 0, 0, 0, 0, 0, 0, 4, 8, 4, 8, 1, 10, 10}));
  EXPECT_EQ(Column(&BoardElement::Group), (Numbers{4, 4, 7, 7, 0, 0, 0, 9, 9, 12, 12, 0, 0, 0}));
  EXPECT_EQ(Column(&BoardElement::Layer), (Numbers{3, 3, 3, 3, 1, 0, 2, 3, 3, 3, 3, 0, 1, 2}));
  EXPECT_EQ(Column(&BoardElement::Selected), Numbers(14, 0));
  EXPECT_EQ(std::make_pair(Doc().Elements[11].X1, Doc().Elements[11].X2), std::make_pair(G(10), G(16)));
  for (int paste : {1, 2}) {
    Move(G(10), G(20 * paste));
    editor.MnuColler();
    EXPECT_FLOAT_EQ(Doc().Pending[0].Y1, G(20 * paste)) << "under the pointer";
    Move(G(10), G(20 * paste + 1));
    Click(G(10), G(20 * paste + 1));  // stops the block
    Click(G(80), G(80));              // appends it
  }
  const Numbers groups = Column(&BoardElement::Group);
  EXPECT_EQ(Numbers(groups.begin() + 14, groups.end()), (Numbers{13, 13, 16, 16, 0, 0, 0, 17, 17, 20, 20, 0, 0, 0}));
  EXPECT_FLOAT_EQ(Doc().Elements[21].Y1, G(41));
}

// Undo during a track chain lets the tool go, and the block comes back as
// it was. Kinds without a figure give no centre: a turn must not divide by zero.
TEST_F(BoardEditorSelection, UndoDuringATrackChainAndATurnOfNoFigure) {
  AddPad(10, 10);
  Click(G(10), G(10));
  editor.MnuSuppr();
  Move(G(30), G(30));
  editor.OptPiste();
  Click(G(30), G(30));  // a track chain under way
  editor.MnuAnnuler();
  EXPECT_EQ(editor.CurrentTool(), BoardEditor::Tool::Select);
  EXPECT_FALSE(Doc().LineInProgress);
  Click(G(50), G(50));  // outside the restored block: it is appended as it was
  ASSERT_EQ(Live().size(), 2u);
  EXPECT_EQ(std::make_tuple(Live()[0].Kind, Live()[0].X1, Live()[0].Size), std::make_tuple(K::RoundPad, G(10), 0.79375f));

  Doc().Pending = {board_tests::NewItem(3, L::Through, 1.0f, G(5), G(7), G(9), G(7))};
  Doc().PendingActive = Doc().PendingIsNew = true;
  editor.MnuRotation();
  EXPECT_EQ(std::make_pair(Doc().Pending[0].X1, Doc().Pending[0].Y2), std::make_pair(G(5), G(7)));
}

// C held centres the view on the pointer (not with Ctrl): the bars move by
// the pointer's distance from the middle of the view, and the pointer goes
// to the middle. The bars move the view and their focus is kept.
TEST_F(BoardEditorSelection, ScrollBarsAndTheCKeyMoveTheView) {
  const common::WindowLayout before = editor.Layout();
  ui.Screen = {ui.Picture1Screen.Left + 400, ui.Picture1Screen.Top + 500};
  editor.KeyDown(Key::C, false, true, false);
  EXPECT_TRUE(ui.Warps.empty());
  editor.KeyDown(Key::C, false, false, false);
  EXPECT_TRUE(editor.View().CentringKey);
  ASSERT_EQ(ui.Warps.size(), 1u);
  const common::PixelPoint middle = ui.Warps[0];
  EXPECT_EQ(editor.Layout().HScroll1.Value - before.HScroll1.Value, ui.Screen.X - middle.X);
  EXPECT_EQ(editor.Layout().VScroll1.Value - before.VScroll1.Value, ui.Screen.Y - middle.Y);
  EXPECT_NEAR(middle.X, ui.Picture1Screen.Left + ui.Picture1Screen.Width / 2, 1);
  editor.KeyUp(Key::C, false, false, false);
  EXPECT_FALSE(editor.View().CentringKey);
  editor.Scrolled(true, 123);
  editor.Scrolled(false, 45);
  EXPECT_EQ(std::make_tuple(ui.Layouts.back().HScroll1.Value, ui.Layouts.back().VScroll1.Value,
                            editor.Layout().HScroll1.Value), std::make_tuple(123, 45, 123));
  for (bool focus : {true, false}) {
    editor.ScrollFocusChanged(focus);
    EXPECT_EQ(editor.View().ScrollFocus, focus);
  }
}

}  // namespace
