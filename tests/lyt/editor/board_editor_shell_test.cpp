#include "support/board_test_support.h"
#include "lyt/core/board_file.h"

namespace {

using common::FileChoice;
using common::FileDialogKind;
using common::MessageAnswer;
using common::MessageIcon;
using namespace lyt;

const char* const kQuestion = "Enregistrer les changements ?";

// The editor as the window drives it, with a scripted user answering.
class BoardEditorShell : public board_tests::EditorTest {
 protected:
  // An edited document: one track, changed since the last save.
  void DrawSomething() {
    Doc().Elements.push_back(board_tests::Element(0, 1, 0, 0.3175f, 10, 10, 20, 10));
    Doc().Modified = true;
  }
  std::string SaveExample(const std::string& name) {
    Board board;
    board.Elements.push_back(board_tests::Element(3, 4, 3, 0.79375f, 50.8f, 50.8f));
    board.FileName = folder.File(name);
    EXPECT_TRUE(SaveDocumentFile(board, 2.54f, 2.54f).Saved);
    return board.FileName;
  }
  std::size_t Questions() const {
    std::size_t count = 0;
    for (const auto& message : ui.Messages) count += message.Text == kQuestion;
    return count;
  }
};

TEST_F(BoardEditorShell, StartWithoutDocumentResetsEverything) {
  editor.Start("");
  EXPECT_EQ(ui.Caption, " LYT : Sans Nom");
  EXPECT_EQ(ui.Status[1], " Couche Soudures ");
  EXPECT_EQ(ui.Status[2], "  Pas de la grille Horizontal:1.27mm   ");
  EXPECT_EQ(ui.Lists["ComboPastille"].second, 1);
  EXPECT_EQ(ui.Lists["ComboPiste"].first.at(1), "->0.32mm");
  EXPECT_EQ(ui.Lists["ComboTrou"].second, 0);
  EXPECT_EQ(ui.Registrations, 1);
  for (const char* name : {"MnuAnnuler", "MnuCouper", "MnuColler", "MnuInfo", "OptRond"})
    EXPECT_FALSE(ui.Enabled[name]) << name;
  EXPECT_TRUE(ui.Checked["MnuGrille"] && ui.Checked["MnuRester"]);
  ASSERT_FALSE(ui.Layouts.empty());
  EXPECT_EQ(ui.Layouts.back().Picture2Width, 5088);
  EXPECT_TRUE(ui.Messages.empty());

  editor.MnuAPropos();
  ASSERT_EQ(ui.Messages.size(), 1u);
  EXPECT_EQ(ui.Messages[0].Icon, MessageIcon::Information);
  EXPECT_EQ(ui.Messages[0].Text.substr(0, 26), "Lytplan\r\nLYT Version 3.1\r\n");
}

TEST_F(BoardEditorShell, CommandLineDocumentIsReadAndNamedByItsPath) {
  std::string path = SaveExample("platine essai.Lyt");
  editor.Start(path);
  EXPECT_EQ(ui.Caption, " LYT : " + path);
  ASSERT_EQ(Doc().Elements.size(), 1u);
  EXPECT_EQ(editor.View().GridStepX, 2.54f);
  EXPECT_EQ(Doc().LastGroup, 4);
  EXPECT_TRUE(editor.MnuQuitter()) << "a document just opened needs no saving";
  EXPECT_EQ(Questions(), 0u);
}

TEST_F(BoardEditorShell, MissingCommandLineFileKeepsItsNameForTheNextSave) {
  std::string path = folder.File("nouveau.Lyt");
  editor.Start(path);
  ASSERT_EQ(ui.MessageTexts(), std::vector<std::string>{board_tests::kFileNotFound});
  EXPECT_EQ(ui.Caption, " LYT : " + path);
  DrawSomething();
  editor.MnuEnreg();
  EXPECT_TRUE(ui.FileDialogs.empty());
  EXPECT_EQ(board_tests::ReadBytes(path).substr(0, 9), "\"LYT 3\"\r\n");
  EXPECT_FALSE(editor.IsModified());
}

TEST_F(BoardEditorShell, QuitAnswers) {
  editor.Start("");
  DrawSomething();
  ui.Answers = {MessageAnswer::Cancel};
  EXPECT_FALSE(editor.MnuQuitter());
  EXPECT_EQ(ui.Messages.back().Icon, MessageIcon::Exclamation);
  EXPECT_EQ(ui.Messages.back().Buttons, common::MessageButtons::YesNoCancel);

  ui.Answers = {MessageAnswer::Yes};  // unnamed: the save dialog is cancelled
  EXPECT_FALSE(editor.MnuQuitter());
  ASSERT_EQ(ui.FileDialogs.size(), 1u);
  EXPECT_EQ(ui.FileDialogs[0].first, FileDialogKind::Save);
  EXPECT_EQ(ui.FileDialogs[0].second.FileName, "Sans Nom");
  EXPECT_EQ(ui.FileDialogs[0].second.Filter, "Circuit Imprimé (*.Lyt)|*.Lyt|Empreinte (*.Emp)|*.Emp");

  ui.Answers = {MessageAnswer::Yes};
  ui.FileAnswers = {FileChoice{folder.File("a.Lyt"), "a.Lyt"}};
  EXPECT_TRUE(editor.MnuQuitter());
  EXPECT_EQ(ui.Caption, " LYT : a.Lyt");
  EXPECT_FALSE(editor.IsModified());
  EXPECT_FALSE(board_tests::ReadBytes(folder.File("a.Lyt")).empty());

  DrawSomething();
  ui.Answers = {MessageAnswer::No};
  EXPECT_TRUE(editor.MnuQuitter());
  EXPECT_TRUE(editor.IsModified()) << "No drops the changes without saving";
}

TEST_F(BoardEditorShell, WriteProtectedFileStopsTheQuit) {
  std::string path = SaveExample("verrou.Lyt");
  board_tests::fs::permissions(board_tests::fs::u8path(path), board_tests::fs::perms::owner_read);
  editor.Start(path);
  DrawSomething();
  ui.Answers = {MessageAnswer::Yes};
  EXPECT_FALSE(editor.MnuQuitter());
  EXPECT_EQ(ui.Messages.back().Text, board_tests::kWriteProtected);
  EXPECT_EQ(ui.Messages.back().Icon, MessageIcon::Exclamation);
  EXPECT_TRUE(editor.IsModified());
}

TEST_F(BoardEditorShell, EmptyDocumentIsNeverSavedNorQuestioned) {
  editor.Start("");
  editor.MnuEnreg();
  editor.MnuEnregSous();
  EXPECT_TRUE(ui.FileDialogs.empty());
  Doc().Modified = true;  // edited, then everything deleted... but no slot
  EXPECT_TRUE(editor.MnuQuitter());
  EXPECT_EQ(Questions(), 0u);
}

TEST_F(BoardEditorShell, SaveAsAlwaysAsksWithAnEmptyName) {
  std::string path = SaveExample("source.Lyt");
  editor.Start(path);
  ui.FileAnswers = {FileChoice{folder.File("copie.Lyt"), "copie.Lyt"}};
  editor.MnuEnregSous();
  ASSERT_EQ(ui.FileDialogs.size(), 1u);
  EXPECT_EQ(ui.FileDialogs[0].second.FileName, "");
  EXPECT_EQ(ui.Caption, " LYT : copie.Lyt");
  EXPECT_EQ(editor.FileName(), folder.File("copie.Lyt"));
  EXPECT_EQ(board_tests::ReadBytes(folder.File("copie.Lyt")), board_tests::ReadBytes(path));
}

TEST_F(BoardEditorShell, NewAfterNoGivesAnUnchangedEmptyDocument) {
  editor.Start(SaveExample("vieux.Lyt"));
  DrawSomething();
  ui.Answers = {MessageAnswer::No};
  editor.MnuNouveau();
  EXPECT_TRUE(editor.IsEmpty());
  EXPECT_FALSE(editor.IsModified());
  EXPECT_EQ(ui.Caption, " LYT : Sans Nom");
  EXPECT_EQ(editor.View().GridStepX, 1.27f);
  EXPECT_EQ(ui.Registrations, 2);
}

TEST_F(BoardEditorShell, OpenCancelledLeavesTheDocumentAlone) {
  editor.Start("");
  DrawSomething();
  ui.Answers = {MessageAnswer::No};
  editor.MnuOuvrir();
  EXPECT_EQ(Doc().Elements.size(), 1u);
  EXPECT_TRUE(editor.IsModified());

  std::string path = SaveExample("autre.Lyt");
  ui.Answers = {MessageAnswer::No};
  ui.FileAnswers = {FileChoice{path, "autre.Lyt"}};
  editor.MnuOuvrir();
  EXPECT_EQ(ui.Caption, " LYT : autre.Lyt");
  EXPECT_EQ(editor.FileName(), path);
  EXPECT_FALSE(editor.IsModified());
  ASSERT_EQ(Doc().Elements.size(), 1u);
  EXPECT_EQ(Doc().Elements[0].Kind, 4);
  EXPECT_EQ(ui.FileDialogs.back().first, FileDialogKind::Open);
}

TEST_F(BoardEditorShell, LayerButtonsAndMenus) {
  editor.Start("");
  editor.OptSerig();
  EXPECT_EQ(ui.Status[1], " Couche Sérigraphie  ");
  EXPECT_TRUE(ui.Enabled["OptRond"]);
  EXPECT_FALSE(ui.Enabled["OptPastilleR"] || ui.Enabled["OptEmp"]);
  EXPECT_EQ(ui.ShapeColour, common::Rgb(255, 255, 0));
  editor.OptComposant();
  EXPECT_EQ(ui.Status[1], " Couche Composants ");
  EXPECT_EQ(Doc().Colours.PadColour, common::Rgb(0, 192, 0));
  EXPECT_FALSE(ui.Enabled["OptRond"]);
  EXPECT_TRUE(ui.Enabled["OptTrou"]);

  editor.MnuComposant();
  EXPECT_FALSE(ui.Checked["MnuComposant"] || ui.Enabled["OptComposant"]);
  EXPECT_FALSE(editor.Layers().ShowComponent);
  editor.MnuComposant();
  EXPECT_TRUE(editor.Layers().ShowComponent);
}

TEST_F(BoardEditorShell, ZoomKeysAndStatus) {
  editor.Start("");
  editor.KeyPress('i');
  EXPECT_EQ(editor.View().Zoom, 48);
  for (int i = 0; i < 2; ++i) editor.KeyPress('i');
  EXPECT_EQ(editor.View().Zoom, 96);
  for (int i = 0; i < 8; ++i) editor.KeyPress('o');
  EXPECT_EQ(editor.View().Zoom, 1);
  EXPECT_EQ(ui.Layouts.back().Picture2Width, editor.View().MmToPixels(269.24f));

  editor.View().Zoom = 24;
  editor.Resized();
  editor.MouseMove(48.0f, 24.0f);  // two steps right, one down of the last click at 0,0
  EXPECT_EQ(ui.Status[4], "  X= 2.54mm");
  EXPECT_EQ(ui.Status[5], "  Y= 1.27mm");
}

}  // namespace
