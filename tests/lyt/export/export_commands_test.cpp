#include "export_test_support.h"
#include "lyt/core/board_editor.h"
#include "lyt/export/drill_writer.h"
#include "lyt/export/gerber_writer.h"
#include "support/scripted_ui.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

using namespace export_tests;
using board_tests::ReadBytes;
using common::MessageIcon;
namespace fs = std::filesystem;

const char* const kNoBoard = "Pas de circuit, donc, pas de fichier Gerber !";
const char* const kSaveFirst = "Vous devez sauvegarder votre circuit, auparavant!";
const char* const kGerberDone = "Un fichier Gerber par couche a été créé.";
const char* const kNoHoles = "Le circuit ne contient pas de trous,\r\ndonc, pas de fichier de perçage !";
const char* const kDrillDone = "Le fichier de perçage a été créé";

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
  testing_support::ScriptedUi ui;
  BoardEditor editor;
};

TEST_F(ExportCommandTest, GerberWritesThreeFilesBesideTheBoard) {
  editor.Document().Elements = ExampleBoard();
  Name("essai.Lyt");
  editor.MnuGerber();
  ExpectOnlyMessage(kGerberDone);
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

TEST_F(ExportCommandTest, GerberRefusesAnEmptyOrUnnamedBoard) {
  Name("vide.Lyt");
  editor.MnuGerber();
  ExpectOnlyMessage(kNoBoard);

  ui.Messages.clear();
  editor.Document().Elements = ExampleBoard();
  editor.Document().FileName = "Sans Nom";
  editor.MnuGerber();
  ExpectOnlyMessage(kSaveFirst);
  EXPECT_TRUE(Files().empty());
}

TEST_F(ExportCommandTest, BoardWhoseElementsWereAllDeletedStillGetsItsFiles) {
  editor.Document().Elements = {Element(0, ElementKind::Deleted, 0, 1.0f, 1, 1, 2, 2)};
  Name("efface.Lyt");
  editor.MnuGerber();
  ExpectOnlyMessage(kGerberDone);
  EXPECT_EQ(ReadBytes(folder.File("efface-Composant.gbr")),
            kGerberHeader + CrLf({"G04 tracé du CI *", "M02*"}));
}

TEST_F(ExportCommandTest, UnwritableGerberFileStopsTheExport) {
  editor.Document().Elements = ExampleBoard();
  const std::string missing = folder.File("absent/essai.Lyt");
  editor.Document().FileName = missing;
  editor.MnuGerber();
  ExpectOnlyMessage(CannotWrite(folder.File("absent/essai-Serig.gbr")), MessageIcon::Exclamation);
  EXPECT_TRUE(Files().empty());

  // The silkscreen file is written, the component one cannot be: the
  // solder file is not attempted and success is not claimed.
  ui.Messages.clear();
  Name("essai.Lyt");
  fs::create_directory(folder.Path() / "essai-Composant.gbr");
  editor.MnuGerber();
  ExpectOnlyMessage(CannotWrite(folder.File("essai-Composant.gbr")), MessageIcon::Exclamation);
  EXPECT_EQ(Files(), (std::vector<std::string>{"essai-Composant.gbr", "essai-Serig.gbr"}));
}

TEST_F(ExportCommandTest, DrillFileIsNamedAfterTheBoard) {
  editor.Document().Elements = ExampleBoard();
  Name("essai.Lyt");
  editor.MnuExcellon();
  ExpectOnlyMessage(kDrillDone);
  EXPECT_EQ(Files(), std::vector<std::string>{"essai.drl"});
  EXPECT_EQ(ReadBytes(folder.File("essai.drl")), *ExportDrill(ExampleBoard()));
}

TEST_F(ExportCommandTest, DrillRefusesABoardWithoutHolesOrWithoutName) {
  Name("pastilles.Lyt");
  editor.Document().Elements = {Element(0, ElementKind::RoundPad, BoardLayer::Through, 0.8f, 1, 1)};
  editor.MnuExcellon();
  ExpectOnlyMessage(kNoHoles);

  ui.Messages.clear();
  editor.Document().Elements = ExampleBoard();
  editor.Document().FileName = "Sans Nom";
  editor.MnuExcellon();
  ExpectOnlyMessage(kSaveFirst);
  EXPECT_TRUE(Files().empty());
}

TEST_F(ExportCommandTest, UnwritableDrillFileIsReported) {
  editor.Document().Elements = ExampleBoard();
  editor.Document().FileName = folder.File("absent/essai.Lyt");
  editor.MnuExcellon();
  ExpectOnlyMessage(CannotWrite(folder.File("absent/essai.drl")), MessageIcon::Exclamation);
}

}  // namespace
