#include "lyt/ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QScrollBar>
#include <QStatusBar>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

struct MenuItem {
  const char* Name;
  const char* Caption;  // "-" for a separator
  const char* Shortcut;
  bool Checked;
};

// The menus of the board editor, top to bottom.
const std::vector<std::pair<const char*, std::vector<MenuItem>>> kMenus = {
    {"MnuFichier",
     {{"MnuNouveau", "&Nouveau ", "Ctrl+N", false},
      {"MnuOuvrir", "&Ouvrir ", "Ctrl+O", false},
      {"MnuSep1", "-", "", false},
      {"MnuEnreg", "En&registrer", "", false},
      {"MnuEnregSous", "&Enregistrer Sous", "", false},
      {"MnuSep2", "-", "", false},
      {"MnuImpression", "Im&pression", "", false},
      {"MnuSep3", "-", "", false},
      {"MnuGerber", "&Gerber RS-274X", "", false},
      {"MnuExcellon", "E&xcellon format 2", "", false},
      {"Mnusep4", "-", "", false},
      {"MnuQuitter", "&Quitter", "", false}}},
    {"MnuEdit",
     {{"MnuAnnuler", "&Annuler supprimer", "Ctrl+Z", false},
      {"mnusep5", "-", "", false},
      {"MnuCouper", "&Couper", "Ctrl+X", false},
      {"MnuCopier", "Co&pier", "Ctrl+C", false},
      {"MnuColler", "C&oller", "Ctrl+V", false},
      {"MnuSuppr", "&Supprimer   ", "Del", false},
      {"Mnusep6", "-", "", false},
      {"MnuRotation", "&Rotation", "", false},
      {"MnuChanger", "Chan&gement de couche", "", false},
      {"MnuEditTexte", "Editer &Texte", "", false},
      {"MnuInfo", "&Information", "", false}}},
    {"MnuAffich",
     {{"MnuGrille", "Grille", "Ctrl+G", true},
      {"MnuRester", "Rester &Sur la Grille", "", true},
      {"MnuPas", "Pas de la Grille", "", false},
      {"MnuRafraichi", "Rafraichissement", "F5", false},
      {"MnuSep7", "-", "", false},
      {"MnuComposant", "Couche Composants", "", true},
      {"MnuSoudure", "Couche Soudures", "", true},
      {"MnuSerig", "Couche Sérigraphie", "", true},
      {"Mnusep8", "-", "", false},
      {"MnuZoomIn", "Zoom &In", "", false},
      {"MnuZoomOut", "Zoom &Out", "", false}}},
    {"MnuExclamation",
     {{"MnuAide", "Aide", "F1", false},
      {"mnusep9", "-", "", false},
      {"MnuAPropos", "A propos...", "", false}}},
};

class LytMainWindow : public ::testing::Test {
 protected:
  LytMainWindow() : window(QDir::tempPath()) {
    window.resize(1280, 800);
    window.show();
  }
  QToolButton* Button(const char* name) { return window.findChild<QToolButton*>(name); }
  lyt::MainWindow window;
};

TEST_F(LytMainWindow, MenuTreeCaptionsShortcutsAndChecks) {
  QList<QAction*> bar = window.menuBar()->actions();
  ASSERT_EQ(bar.size(), static_cast<int>(kMenus.size()));
  for (std::size_t m = 0; m < kMenus.size(); ++m) {
    QMenu* menu = bar[static_cast<int>(m)]->menu();
    ASSERT_NE(menu, nullptr);
    EXPECT_EQ(menu->objectName().toStdString(), kMenus[m].first);
    QList<QAction*> items = menu->actions();
    ASSERT_EQ(items.size(), static_cast<int>(kMenus[m].second.size())) << kMenus[m].first;
    for (std::size_t i = 0; i < kMenus[m].second.size(); ++i) {
      const MenuItem& expected = kMenus[m].second[i];
      QAction* item = items[static_cast<int>(i)];
      EXPECT_EQ(item->objectName().toStdString(), expected.Name);
      if (std::string(expected.Caption) == "-") {
        EXPECT_TRUE(item->isSeparator()) << expected.Name;
        continue;
      }
      EXPECT_EQ(item->text().toStdString(), expected.Caption);
      EXPECT_EQ(item->shortcut(), QKeySequence(QString::fromUtf8(expected.Shortcut))) << expected.Name;
      EXPECT_EQ(item->isChecked(), expected.Checked) << expected.Name;
    }
  }
}

TEST_F(LytMainWindow, StartResetsCaptionListsAndEditCommands) {
  window.Editor().Start("");
  EXPECT_EQ(window.windowTitle().toStdString(), " LYT : Sans Nom");
  auto* pads = window.findChild<QComboBox*>("ComboPastille");
  ASSERT_NE(pads, nullptr);
  EXPECT_EQ(pads->count(), 17);
  EXPECT_EQ(pads->currentText().toStdString(), "->1.59mm");
  EXPECT_FALSE(window.findChild<QAction*>("MnuCouper")->isEnabled());
  EXPECT_FALSE(Button("OptRond")->isEnabled());
  EXPECT_TRUE(Button("OptSoudure")->isChecked() && Button("OptSelect")->isChecked());
  EXPECT_EQ(Button("OptTexte")->toolTip().toStdString(), "Texte 'T'");
  EXPECT_FALSE(Button("OptPiste")->icon().isNull());
}

TEST_F(LytMainWindow, LayoutFollowsTheWindowSize) {
  window.Editor().Start("");
  for (QSize size : {QSize(1280, 800), QSize(700, 500), QSize(1600, 1000)}) {
    window.resize(size);
    QApplication::processEvents();
    QWidget* picture1 = window.findChild<QWidget*>("Picture1");
    QWidget* picture2 = window.findChild<QWidget*>("Picture2");
    auto* hScroll = window.findChild<QScrollBar*>("HScroll1");
    const common::WindowLayout& layout = window.Editor().Layout();
    EXPECT_EQ(picture1->geometry(), QRect(layout.Picture1.Left, layout.Picture1.Top,
                                          layout.Picture1.Width, layout.Picture1.Height));
    EXPECT_EQ(picture1->x(), 50);
    EXPECT_EQ(picture2->size(), QSize(5088, 3696));
    EXPECT_EQ(picture2->x(), -hScroll->value()) << "the view is centred by the scroll bar";
    EXPECT_TRUE(hScroll->isVisible());
  }
}

TEST_F(LytMainWindow, LayerMenuTogglesItsButton) {
  window.Editor().Start("");
  QAction* component = window.findChild<QAction*>("MnuComposant");
  for (bool shown : {false, true}) {
    component->trigger();
    EXPECT_EQ(component->isChecked(), shown);
    EXPECT_EQ(Button("OptComposant")->isEnabled(), shown);
  }
}

}  // namespace
