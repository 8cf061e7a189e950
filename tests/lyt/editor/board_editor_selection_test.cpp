#include "support/board_test_support.h"

namespace {

using namespace lyt;
using board_tests::Element;
using Kinds = std::vector<std::int32_t>;

// Selection scenarios on a board built by hand. Positions are in grid steps.
class BoardEditorSelection : public board_tests::EditorTest {
 protected:
  BoardEditorSelection() { editor.Start(""); }

  void Add(const BoardElement& element) { Doc().Elements.push_back(element); }
  // A pad with its hole, centred on a grid point.
  void AddPad(int x, int y, std::int32_t group = 0, std::int32_t kind = ElementKind::RoundPad) {
    Add(Element(group, kind, BoardLayer::Through, 0.79375f, G(x), G(y)));
    Add(Element(group, ElementKind::Hole, BoardLayer::Through, 0.4f, G(x), G(y)));
  }
  void AddTrack(int x1, int y1, int x2, int y2, std::int32_t layer = BoardLayer::Solder) {
    Add(Element(0, ElementKind::Track, layer, 0.3175f, G(x1), G(y1), G(x2), G(y2)));
  }
  // A band from an empty spot: it selects at the first move without a button.
  void Band(float x1, float y1, float x2, float y2) {
    Drag(x1, y1, x1, y1);
    Move(x2, y2, true);
    editor.MouseUp(MouseButton::Left, false, Px(x2), Px(y2));
    Move(x2, y2);
  }
  Kinds ActiveKinds() {
    Kinds kinds;
    for (const PendingItem& item : Doc().Pending)
      if (item.Active) kinds.push_back(item.Kind);
    return kinds;
  }
  std::vector<std::int32_t> Column(std::int32_t BoardElement::*field) {
    std::vector<std::int32_t> values;
    for (const BoardElement& e : Doc().Elements) values.push_back(e.*field);
    return values;
  }
};

TEST_F(BoardEditorSelection, PickToleranceIsHalfAGridStep) {
  AddPad(20, 20);
  Click(G(21), G(20));
  EXPECT_TRUE(Doc().Pending.empty()) << "the next grid point picks nothing";
  Click(G(20) + 0.6f, G(20));
  EXPECT_EQ(ActiveKinds(), (Kinds{ElementKind::RoundPad, ElementKind::Hole}));
  EXPECT_TRUE(Doc().Elements[0].Selected && Doc().Elements[1].Selected);
  EXPECT_EQ(ui.Pointer, common::PointerShape::FourWay);
  for (const char* name : {"MnuCouper", "MnuCopier", "MnuSuppr", "MnuChanger", "MnuRotation"})
    EXPECT_TRUE(ui.Enabled[name]) << name;
  EXPECT_FALSE(ui.Enabled["MnuInfo"]) << "two active items";
  Escape();
  EXPECT_FALSE(ui.Enabled["MnuCouper"] || Doc().Elements[0].Selected);
}

TEST_F(BoardEditorSelection, BandOverOneTrackEndStretchesTheTrack) {
  AddTrack(10, 10, 20, 10);
  Band(G(19), G(8), G(22), G(12));
  ASSERT_EQ(Doc().Pending.size(), 1u);
  EXPECT_EQ(Doc().Pending[0].MoveMode, PendingMove::SecondPoint);
  Drag(G(20), G(10), G(20), G(15));
  Click(G(40), G(40));
  const BoardElement& track = Doc().Elements[0];
  EXPECT_EQ(std::make_tuple(track.X1, track.Y1, track.X2), std::make_tuple(G(10), G(10), G(20)));
  EXPECT_FLOAT_EQ(track.Y2, G(15));
}

TEST_F(BoardEditorSelection, ShiftClicksCyclePadHoleTrackEndAndPadAgain) {
  AddPad(20, 20);
  AddTrack(20, 20, 30, 20);
  for (std::int32_t kind : {ElementKind::RoundPad, ElementKind::Hole, ElementKind::Track,
                            ElementKind::RoundPad}) {
    Click(G(20), G(20), true);
    EXPECT_EQ(ActiveKinds(), Kinds{kind});
    for (const PendingItem& item : Doc().Pending)
      EXPECT_EQ(Doc().Elements[static_cast<std::size_t>(item.Index)].Selected, item.Active);
    EXPECT_TRUE(ui.Enabled["MnuInfo"]);
  }
  EXPECT_EQ(Doc().Pending.size(), 3u);
  EXPECT_EQ(Doc().Pending[2].MoveMode, PendingMove::FirstPoint);
}

// Two copies of one footprint, dropped side by side: a pick takes exactly one.
TEST_F(BoardEditorSelection, PickedFootprintTurnsAsOneAndFourTurnsComeBack) {
  for (std::int32_t group : {1, 2}) {
    AddPad(10, 10 * group, group, ElementKind::OvalPad);
    AddPad(14, 10 * group, group, ElementKind::RectPad);
    Add(Element(group, ElementKind::Text, BoardLayer::Silkscreen, 2.0f, G(10), G(10 * group - 2),
                G(13), G(10 * group - 4), "IC1"));
  }
  const std::vector<BoardElement> before = Doc().Elements;
  Click(G(14), G(10));
  ASSERT_EQ(Doc().Pending.size(), 5u);
  for (const PendingItem& item : Doc().Pending)
    EXPECT_EQ(std::make_pair(item.Group, item.MoveMode), std::make_pair(1, PendingMove::Whole));
  for (std::size_t i = 5; i < 10; ++i) EXPECT_FALSE(Doc().Elements[i].Selected);
  editor.MnuRotation();
  // Centre: mean of 4 centres and 2 text corners = (11.83, 9) steps, snapped to (12, 9).
  const PendingItem& rect = Doc().Pending[2];
  EXPECT_FLOAT_EQ(rect.X1, G(12) + G(10) - G(9));
  EXPECT_FLOAT_EQ(rect.Y1, G(9) - (G(14) - G(12))) << "right of the centre goes above it";
  EXPECT_EQ(rect.Angle, 90);
  EXPECT_EQ(Doc().Pending[0].Angle, 90);
  EXPECT_EQ(Doc().Pending[4].Angle, 90);
  EXPECT_EQ(Doc().Pending[1].Angle, 0) << "holes have no orientation";
  for (int turn = 0; turn < 3; ++turn) editor.KeyPress('r');
  Click(G(60), G(60));
  for (std::size_t i = 0; i < before.size(); ++i) {
    EXPECT_NEAR(Doc().Elements[i].X1, before[i].X1, 1e-4) << i;
    EXPECT_NEAR(Doc().Elements[i].Y1, before[i].Y1, 1e-4) << i;
    EXPECT_NEAR(Doc().Elements[i].X2, before[i].X2, 1e-4) << i;
    EXPECT_EQ(Doc().Elements[i].Angle, 0) << i;
  }

  // Kinds without a figure give no centre: nothing turns.
  Doc().Pending = {board_tests::NewItem(3, BoardLayer::Through, 1.0f, G(5), G(7), G(9), G(7))};
  Doc().PendingActive = Doc().PendingIsNew = true;
  editor.MnuRotation();
  EXPECT_EQ(std::make_pair(Doc().Pending[0].X1, Doc().Pending[0].Y2), std::make_pair(G(5), G(7)));
}

TEST_F(BoardEditorSelection, DeleteThenUndoBringsElementsBackAsNewOnes) {
  AddPad(10, 10, 4);
  AddPad(16, 10, 7);
  AddTrack(10, 10, 16, 10);
  Doc().LastGroup = 8;
  EXPECT_FALSE(ui.Enabled["MnuAnnuler"]);
  Band(G(8), G(8), G(18), G(12));
  ASSERT_EQ(Doc().Pending.size(), 5u);
  editor.MnuSuppr();
  EXPECT_TRUE(Live().empty());
  EXPECT_TRUE(Doc().Pending.empty());
  EXPECT_TRUE(ui.Enabled["MnuAnnuler"]);

  editor.MnuAnnuler();
  EXPECT_FALSE(ui.Enabled["MnuAnnuler"]);
  EXPECT_TRUE(Doc().PendingIsNew);
  Click(G(60), G(60));  // outside the restored block: appended
  ASSERT_EQ(Doc().Elements.size(), 10u);
  for (std::size_t i = 0; i < 5; ++i) {
    EXPECT_EQ(Doc().Elements[i].Kind, 0) << "old slots stay dead";
    EXPECT_EQ(Doc().Elements[i + 5].X1, Doc().Elements[i].X1);
    EXPECT_FALSE(Doc().Elements[i + 5].Selected);
  }
  // The two footprints stay two, under new numbers; a whole track stays whole.
  EXPECT_EQ(Column(&BoardElement::Group), (std::vector<std::int32_t>{4, 4, 7, 7, 0, 9, 9, 12, 12, 0}));
  EXPECT_EQ(Doc().Elements[9].X2, G(16));
}

TEST_F(BoardEditorSelection, CopyPastePasteGivesNewDistinctGroupsAboveAll) {
  AddPad(10, 10, 3);
  AddPad(14, 10, 5);
  Doc().LastGroup = 6;
  Band(G(8), G(8), G(16), G(12));
  editor.MnuCopier();
  EXPECT_FALSE(ui.Enabled["MnuCopier"]);
  EXPECT_TRUE(ui.Enabled["MnuColler"]);
  EXPECT_TRUE(Doc().PendingActive) << "the selection stays held";
  for (int paste : {1, 2}) {
    Move(G(10), G(20 * paste));
    editor.MnuColler();
    EXPECT_TRUE(Doc().PasteInProgress);
    EXPECT_FLOAT_EQ(Doc().Pending[0].Y1, G(20 * paste)) << "under the pointer";
    Move(G(10), G(20 * paste + 1));
    Click(G(10), G(20 * paste + 1));  // stops the block
    Click(G(80), G(80));              // appends it
  }
  EXPECT_EQ(Column(&BoardElement::Group),
            (std::vector<std::int32_t>{3, 3, 5, 5, 7, 7, 9, 9, 10, 10, 12, 12}));
  EXPECT_EQ(Doc().LastGroup, 12);
  EXPECT_FLOAT_EQ(Doc().Elements[4].Y1, G(21));
  EXPECT_FLOAT_EQ(Doc().Elements[10].Y1, G(41));
}

TEST_F(BoardEditorSelection, LayerChangeSwapsCopperTracksAndTextsOnly) {
  AddTrack(10, 10, 12, 10, BoardLayer::Component);
  Add(Element(0, ElementKind::Text, BoardLayer::Solder, 2.0f, G(10), G(12), G(12), G(11), "A"));
  Add(Element(0, ElementKind::Text, BoardLayer::Silkscreen, 2.0f, G(10), G(14), G(12), G(13), "B"));
  AddTrack(10, 16, 12, 16, BoardLayer::Silkscreen);
  AddPad(11, 18);
  Band(G(8), G(8), G(14), G(19));
  editor.KeyPress('g');
  EXPECT_EQ(ui.Beeps, 1);
  Click(G(60), G(60));
  EXPECT_EQ(Column(&BoardElement::Layer), (std::vector<std::int32_t>{1, 0, 2, 2, 3, 3}));
}

// After shift-click cycling the inactive items are not part of the choice:
// copy, delete and rotation leave them alone.
TEST_F(BoardEditorSelection, AfterCyclingCommandsActOnTheActiveItemsOnly) {
  AddPad(20, 20);
  AddTrack(20, 20, 24, 20);
  Click(G(20), G(20), true);  // the pad alone
  editor.MnuCopier();
  ASSERT_EQ(Doc().ClipBuffer.size(), 1u);
  EXPECT_EQ(Doc().ClipBuffer[0].Kind, ElementKind::RoundPad);
  editor.MnuSuppr();
  EXPECT_EQ(Doc().UndoBuffer.size(), 1u);
  EXPECT_EQ(Column(&BoardElement::Kind),
            (std::vector<std::int32_t>{0, ElementKind::Hole, ElementKind::Track}));

  Click(G(20), G(20), true);  // hole and track end; the cycle goes on to the track
  ASSERT_EQ(ActiveKinds(), Kinds{ElementKind::Track});
  editor.KeyPress('r');  // about the track's own middle
  Click(G(60), G(60));
  const BoardElement& hole = Doc().Elements[1];
  const BoardElement& track = Doc().Elements[2];
  EXPECT_EQ(std::make_pair(hole.X1, hole.Y1), std::make_pair(G(20), G(20)));
  EXPECT_FLOAT_EQ(track.X1, G(22));
  EXPECT_FLOAT_EQ(track.Y1, G(22));
  EXPECT_FLOAT_EQ(track.X2, G(22));
  EXPECT_FLOAT_EQ(track.Y2, G(18));
}

// A pasted block's items still carry the Index of their originals.
TEST_F(BoardEditorSelection, NewBlockNeverActsOnTheBoardThroughIndex) {
  AddPad(10, 10);
  Click(G(10), G(10));
  editor.MnuCopier();
  Click(G(60), G(60));
  Move(G(30), G(30));
  editor.MnuColler();
  Click(G(30), G(30));  // stops the block
  for (int i = 0; i < 3; ++i) Click(G(30), G(30), true);
  EXPECT_EQ(Doc().Elements.size(), 2u) << "cycling does not append the block";
  EXPECT_FALSE(Doc().Elements[0].Selected);

  editor.MnuSuppr();
  EXPECT_EQ(Live().size(), 2u) << "deleting the block leaves its originals";
  EXPECT_TRUE(Doc().Pending.empty());
  editor.MnuAnnuler();
  Click(G(60), G(60));
  EXPECT_EQ(Live().size(), 4u);
  EXPECT_FLOAT_EQ(Doc().Elements[2].X1, G(30));

  Board board;  // the primitive on its own: a new block's release leaves the marks alone
  board.Elements.push_back(Element(0, ElementKind::Hole, BoardLayer::Through, 0.4f, 1, 1));
  board.Elements[0].Selected = true;
  board.Pending.push_back(board_tests::NewItem(ElementKind::Hole, BoardLayer::Through, 0.4f, 2, 2));
  BeginPlacement(board, 2, 2);
  ReleasePending(board);
  EXPECT_TRUE(board.Elements[0].Selected);
}

TEST_F(BoardEditorSelection, InformationTextsAndWhenItIsOffered) {
  const std::tuple<BoardElement, char, const char*> cases[] = {
      {Element(0, 1, 1, 0.3175f, G(10), G(10), G(12), G(10)), '.', "Piste largeur :0.32mm"},
      {Element(0, 4, 3, 1.11f, G(10), G(10)), ',', "Pastille Ronde2,22mm de diamètre"},
      {Element(0, 5, 3, 0.9525f, G(10), G(10)), ',', "Pastille carrée1,91mm de coté"},
      {Element(0, 6, 3, 0.635f, G(10), G(10)), '.', "Pastille ovale1.27mm (dimension la plus petite)"},
      {Element(0, 7, 3, 25.4f, G(10), G(10)), '.', "Pastille Rectangulaire50.8mm (dimension la plus petite)"},
      {Element(0, 8, 3, 0.4f, G(10), G(10)), ',', "Trou diamètre :0,8mm"},
      {Element(0, 9, 2, 0.5f, G(10), G(10)), '.', "Cercle diamètre :1mm"},
      {Element(0, 10, 0, 1.5f, G(10), G(10), G(13), G(9), "T"), ',', "Texte hauteur :1,5mm"},
  };
  for (const auto& [element, separator, text] : cases) {
    SCOPED_TRACE(text);
    Doc().Elements = {element};
    ui.Separator = separator;
    ui.Messages.clear();
    Click(G(10), G(10));
    EXPECT_TRUE(ui.Enabled["MnuInfo"]);
    EXPECT_EQ(ui.Enabled["MnuEditTexte"], element.Kind == ElementKind::Text);
    editor.MnuInfo();
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Text, text);
    EXPECT_EQ(ui.Messages[0].Title, "Information");
    EXPECT_EQ(ui.Messages[0].Icon, common::MessageIcon::None);
    EXPECT_EQ(ui.Messages[0].Buttons, common::MessageButtons::Ok);
    Escape();
    EXPECT_FALSE(ui.Enabled["MnuInfo"]);
  }
}

}  // namespace
