// Regression tests for ways an edit could be lost or a document damaged.
#include "support/board_test_support.h"
#include "lyt/core/board_file.h"

#include <limits>

namespace {

using namespace lyt;

class BoardEditorSafety : public board_tests::EditorTest {
 protected:
  BoardEditorSafety() { editor.Start(""); }
};

TEST_F(BoardEditorSafety, SavingWritesAMovedSelectionStillInHand) {
  AddPad(10, 10);
  Doc().FileName = folder.File("tenu.Lyt");
  Click(G(10), G(10));
  Drag(G(10), G(10), G(14), G(10));
  editor.MnuEnreg();
  EXPECT_TRUE(Doc().PendingActive) << "the selection stays in hand";
  Board reread;
  reread.FileName = Doc().FileName;
  common::Viewport view{common::LytViewport};
  ASSERT_TRUE(ReadDocument(reread, view).Complete());
  ASSERT_EQ(reread.Elements.size(), 2u);
  EXPECT_FLOAT_EQ(reread.Elements[0].X1, G(14));
}

TEST_F(BoardEditorSafety, APartlyReadFileIsNeverOverwrittenByWhatWasRead) {
  const std::string path = folder.File("abime.Lyt");
  const std::string bytes =
      "\"LYT 3\"\r\n1.27,1.27\r\n0,8,3,0.4,10,10,0,0,\"\",0\r\nabimé\r\n0,8,3,0.4,20,20,0,0,\"\",0\r\n";
  board_tests::WriteBytes(path, bytes);
  editor.Start(path);
  ASSERT_EQ(Doc().Elements.size(), 1u);
  EXPECT_EQ(ui.Caption, " LYT : Sans Nom");
  Doc().Modified = true;
  editor.MnuEnreg();  // asks for a name (cancelled) instead of truncating the file
  EXPECT_EQ(ui.FileDialogs.size(), 1u);
  EXPECT_EQ(board_tests::ReadBytes(path), bytes);
}

TEST_F(BoardEditorSafety, UndoDuringATrackChainLetsTheToolGo) {
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
  const std::vector<BoardElement> live = Live();
  ASSERT_EQ(live.size(), 2u);
  EXPECT_EQ(std::make_tuple(live[0].Kind, live[0].X1, live[0].Size),
            std::make_tuple(ElementKind::RoundPad, G(10), 0.79375f));
}

// Kinds without a figure give no centre: a turn must not divide by zero.
TEST_F(BoardEditorSafety, RotationWithoutAFigureTurnsNothing) {
  Doc().Pending = {board_tests::NewItem(3, BoardLayer::Through, 1.0f, G(5), G(7), G(9), G(7))};
  Doc().PendingActive = Doc().PendingIsNew = true;
  editor.MnuRotation();
  EXPECT_EQ(std::make_pair(Doc().Pending[0].X1, Doc().Pending[0].Y2), std::make_pair(G(5), G(7)));
}

// A save that cannot be written says so and loses nothing: Save As keeps the
// old name, Quit with "Oui" does not quit, a value the file cannot hold is
// never written as 0.
TEST_F(BoardEditorSafety, FailedSavesAreToldAndKeepTheDocumentAsItWas) {
  AddPad(10, 10);
  const std::string saved = folder.File("garde.Lyt");
  Doc().FileName = saved;
  editor.MnuEnreg();
  const std::string bytes = board_tests::ReadBytes(saved);
  const std::string caption = ui.Caption;
  const std::string nowhere = folder.File("absent/nouveau.Lyt");
  const std::string told = "Impossible d'écrire le fichier\r\n" + nowhere;

  Doc().Modified = true;
  ui.FileAnswers = {common::FileChoice{nowhere, "nouveau.Lyt"}};
  editor.MnuEnregSous();
  EXPECT_EQ(ui.MessageTexts(), std::vector<std::string>{told});
  EXPECT_EQ(std::make_pair(Doc().FileName, ui.Caption), std::make_pair(saved, caption));
  EXPECT_TRUE(Doc().Modified);

  Doc().FileName = nowhere;
  ui.Answers = {common::MessageAnswer::Yes};
  EXPECT_FALSE(editor.MnuQuitter());
  EXPECT_EQ(ui.MessageTexts().back(), told);

  Doc().FileName = saved;
  Doc().Elements[0].X1 = std::numeric_limits<float>::infinity();
  editor.MnuEnreg();
  EXPECT_EQ(ui.MessageTexts().back(), "Impossible d'écrire le fichier\r\n" + saved);
  EXPECT_EQ(board_tests::ReadBytes(saved), bytes);
  EXPECT_TRUE(Doc().Modified);
}

}  // namespace
