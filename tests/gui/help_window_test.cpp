#include "common/ui/help_window.h"

#include <QApplication>
#include <QFile>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

using common::HelpContent;
using common::HelpWindow;

QString ReadSource(const QString& relative) {
  QFile file(QStringLiteral(LYTSKT_SOURCE_DIR "/") + relative);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

HelpContent LytGuideFromSources() {
  return {common::LytHelpContent().Caption, LYTSKT_SOURCE_DIR "/lyt/ui/help/aide_lyt.html"};
}

TEST(HelpWindowTest, CarriesTheNamesAndCaptionOfEachProgram) {
  HelpWindow lyt(common::LytHelpContent());
  EXPECT_EQ(lyt.objectName(), "FrmAide");
  EXPECT_EQ(lyt.windowTitle(), " Aide Lytplan");
  QTextBrowser* box = lyt.findChild<QTextBrowser*>("RichTextBox1");
  ASSERT_NE(box, nullptr);
  EXPECT_TRUE(box->isReadOnly());
  EXPECT_EQ(HelpWindow(common::SktHelpContent()).windowTitle(), " Aide Sktplan");
}

TEST(HelpWindowTest, LaterUsesBringBackTheSameNonModalWindow) {
  QWidget owner;
  common::HelpWindowLauncher launcher(LytGuideFromSources(), &owner);
  HelpWindow* first = launcher.Show();
  EXPECT_TRUE(first->isWindow());
  EXPECT_FALSE(first->isModal());
  first->close();
  EXPECT_EQ(launcher.Show(), first);
  EXPECT_TRUE(first->isVisible());
}

TEST(HelpWindowTest, TextBoxFillsTheWindowOnResizeWithTheMenuBackground) {
  const QPalette originalMenu = QApplication::palette("QMenu");
  QPalette menu = originalMenu;
  menu.setColor(QPalette::Window, QColor(12, 34, 56));  // unlike any default
  QApplication::setPalette(menu, "QMenu");

  common::HelpWindowLauncher launcher(LytGuideFromSources(), nullptr);
  HelpWindow* window = launcher.Show();
  window->TextBox()->setGeometry(7, 9, 20, 20);
  window->resize(431, 297);
  QApplication::processEvents();
  EXPECT_EQ(window->TextBox()->geometry(), QRect(0, 0, 431, 297));
  EXPECT_EQ(window->TextBox()->palette().color(QPalette::Base), QColor(12, 34, 56));
  QApplication::setPalette(originalMenu, "QMenu");
}

void ExpectGuideWithSections(const QString& file, const QStringList& sections) {
  HelpWindow window(HelpContent{" Aide", QStringLiteral(LYTSKT_SOURCE_DIR "/") + file});
  const QString text = window.TextBox()->toPlainText();
  for (const QString& section : sections)
    EXPECT_TRUE(text.contains(section)) << section.toStdString();
}

TEST(HelpWindowTest, LytGuideLoadsWithEverySection) {
  ExpectGuideWithSections(
      "lyt/ui/help/aide_lyt.html",
      {"Présentation", "Les touches à connaître", "Placer des pastilles", "Placer des pistes",
       "Placer du texte", "Placer des cercles sur la couche sérigraphie",
       "Sélectionner des éléments", "Séparer des éléments superposés", "Afficher les couches",
       "Créer ses propres empreintes", "Imprimer sur papier",
       "Imprimer les typons sur film transparent", "Fichiers Gerber et Excellon",
       "Problèmes d'impression", "Informations générales", "-Composant.gbr", "-Soudure.gbr",
       "-Serig.gbr", ".drl"});
}

TEST(HelpWindowTest, SktGuideLoadsWithEverySection) {
  ExpectGuideWithSections(
      "skt/ui/help/aide_skt.html",
      {"Présentation", "Les touches à connaître", "Placer des composants", "Placer des fils",
       "Bus et autres symboles", "Placer du texte", "Sélectionner des éléments",
       "Renommer un composant", "Copier et coller", "Créer ses propres composants",
       "Informations générales"});
}

// The programs read the guides from their resources, under these names.
TEST(HelpWindowTest, ResourceFilesListTheGuidesUnderTheProgramPrefixes) {
  EXPECT_EQ(common::LytHelpContent().GuidePath, ":/lyt/aide_lyt.html");
  EXPECT_TRUE(ReadSource("lyt/ui/help/help.qrc").contains("prefix=\"/lyt\""));
  EXPECT_TRUE(ReadSource("lyt/ui/help/help.qrc").contains(">aide_lyt.html</file>"));
  EXPECT_EQ(common::SktHelpContent().GuidePath, ":/skt/aide_skt.html");
  EXPECT_TRUE(ReadSource("skt/ui/help/help.qrc").contains("prefix=\"/skt\""));
  EXPECT_TRUE(ReadSource("skt/ui/help/help.qrc").contains(">aide_skt.html</file>"));
}

}  // namespace
