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

// Each guide loads from the sources; its first and last sections show.
TEST(HelpWindowTest, GuidesLoad) {
  for (const char* file : {"lyt/ui/help/aide_lyt.html", "skt/ui/help/aide_skt.html"}) {
    HelpWindow window(HelpContent{" Aide", QStringLiteral(LYTSKT_SOURCE_DIR "/") + file});
    const QString text = window.TextBox()->toPlainText();
    EXPECT_TRUE(text.contains("Présentation") && text.contains("Informations générales")) << file;
  }
}

// The programs read the guides from their resources, under these names.
TEST(HelpWindowTest, ResourceFilesListTheGuidesUnderTheProgramPrefixes) {
  for (const auto& [content, program] : {std::pair{common::LytHelpContent(), QString("lyt")},
                                         {common::SktHelpContent(), QString("skt")}}) {
    EXPECT_EQ(content.GuidePath, ":/" + program + "/aide_" + program + ".html");
    const QString qrc = ReadSource(program + "/ui/help/help.qrc");
    EXPECT_TRUE(qrc.contains("prefix=\"/" + program + "\""));
    EXPECT_TRUE(qrc.contains(">aide_" + program + ".html</file>"));
  }
}

}  // namespace
