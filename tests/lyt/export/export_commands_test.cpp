#include "export_test_support.h"
#include "lyt/editor/board_editor.h"
#include "lyt/export/drill_writer.h"
#include "lyt/export/gerber_writer.h"
#include "support/scripted_board_ui.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace export_tests;
using board_tests::ReadBytes;
using common::MessageIcon;
namespace fs = std::filesystem;

const char* const kSaveFirst = "Vous devez sauvegarder votre circuit, auparavant!";

std::string CannotWrite(const std::string& path) {
  return "Impossible d'écrire le fichier\r\n" + path;
}

// The export commands as the menus call them, on a board named after a
// file in a folder of its own.
class ExportCommandTest : public ::testing::Test {
 protected:
  ExportCommandTest() : editor(ui, folder.Path().u8string()) { editor.Start(""); }

  void Name(const std::string& fileName) { editor.Document().FileName = folder.File(fileName); }
  std::vector<std::string> Files() const {
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder.Path()))
      names.push_back(entry.path().filename().u8string());
    std::sort(names.begin(), names.end());
    return names;
  }
  void ExpectOnlyMessage(const std::string& text, MessageIcon icon = MessageIcon::None) {
    ASSERT_EQ(ui.Messages.size(), 1u);
    EXPECT_EQ(ui.Messages[0].Text, text);
    EXPECT_EQ(ui.Messages[0].Icon, icon);
    EXPECT_EQ(ui.Messages[0].Buttons, common::MessageButtons::Ok);
    EXPECT_EQ(ui.Messages[0].Title, "");
  }

  board_tests::TempFolder folder;
  testing_support::ScriptedBoardUi ui;
  BoardEditor editor;
};

TEST_F(ExportCommandTest, GerberWritesThreeFilesBesideTheBoard) {
  editor.Document().Elements = ExampleBoard();
  Name("essai.Lyt");
  editor.MnuGerber();
  ExpectOnlyMessage("Un fichier Gerber par couche a été créé.");
  EXPECT_EQ(Files(), (std::vector<std::string>{"essai-Composant.gbr", "essai-Serig.gbr",
                                               "essai-Soudure.gbr"}));
  EXPECT_EQ(ReadBytes(folder.File("essai-Composant.gbr")),
            ExportGerberLayer(ExampleBoard(), BoardLayer::Component, ui));
  EXPECT_EQ(ReadBytes(folder.File("essai-Soudure.gbr")),
            ExportGerberLayer(ExampleBoard(), BoardLayer::Solder, ui));
  EXPECT_EQ(ReadBytes(folder.File("essai-Serig.gbr")),
            kGerberHeader + CrLf({"G04 tracé du CI *", "M02*"}));
  EXPECT_FALSE(editor.IsModified()) << "the document is not changed";
}

// Each refusal shows one message and writes nothing.
TEST_F(ExportCommandTest, RefusalsAndUnwritableFolderAreReported) {
  const BoardElement pad = Element(0, ElementKind::RoundPad, BoardLayer::Through, 0.8f, 1, 1);
  struct Case {
    bool gerber;
    std::vector<BoardElement> board;
    std::string fileName, message;
    MessageIcon icon;
  } cases[] = {
      {true, {}, "vide.Lyt", "Pas de circuit, donc, pas de fichier Gerber !", MessageIcon::None},
      {true, ExampleBoard(), "", kSaveFirst, MessageIcon::None},
      {true, ExampleBoard(), "absent/essai.Lyt", CannotWrite(folder.File("absent/essai-Serig.gbr")),
       MessageIcon::Exclamation},
      {false, {pad}, "pastilles.Lyt",
       "Le circuit ne contient pas de trous,\r\ndonc, pas de fichier de perçage !", MessageIcon::None},
      {false, ExampleBoard(), "", kSaveFirst, MessageIcon::None},
      {false, ExampleBoard(), "absent/essai.Lyt", CannotWrite(folder.File("absent/essai.drl")),
       MessageIcon::Exclamation}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.message);
    ui.Messages.clear();
    editor.Document().Elements = c.board;
    editor.Document().FileName = c.fileName.empty() ? "Sans Nom" : folder.File(c.fileName);
    c.gerber ? editor.MnuGerber() : editor.MnuExcellon();
    ExpectOnlyMessage(c.message, c.icon);
    EXPECT_TRUE(Files().empty());
  }
}

TEST_F(ExportCommandTest, DrillFileIsNamedAfterTheBoard) {
  editor.Document().Elements = ExampleBoard();
  Name("essai.Lyt");
  editor.MnuExcellon();
  ExpectOnlyMessage("Le fichier de perçage a été créé");
  EXPECT_EQ(Files(), std::vector<std::string>{"essai.drl"});
  EXPECT_EQ(ReadBytes(folder.File("essai.drl")), *ExportDrill(ExampleBoard()));
}

}  // namespace
