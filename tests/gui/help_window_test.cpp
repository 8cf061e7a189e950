#include "common/ui/help_window.h"

#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

using common::HelpContent;
using common::HelpWindow;

TEST(HelpWindowTest, LaterUsesBringBackTheSameNonModalWindow) {
  QWidget owner;
  common::HelpWindowLauncher launcher(
      {common::LytHelpContent().Caption, LYTSKT_SOURCE_DIR "/lyt/ui/help/aide_lyt.html"}, &owner);
  HelpWindow* first = launcher.Show();
  EXPECT_TRUE(first->isWindow());
  EXPECT_FALSE(first->isModal());
  first->close();
  EXPECT_EQ(launcher.Show(), first);
  EXPECT_TRUE(first->isVisible());
}

// Each guide loads from the sources into a read-only box; its first and
// last sections show.
TEST(HelpWindowTest, GuidesLoadReadOnly) {
  for (const char* file : {"lyt/ui/help/aide_lyt.html", "skt/ui/help/aide_skt.html"}) {
    HelpWindow window(HelpContent{" Aide", QStringLiteral(LYTSKT_SOURCE_DIR "/") + file});
    const QString text = window.TextBox()->toPlainText();
    EXPECT_TRUE(text.contains("Présentation") && text.contains("Informations générales")) << file;
    EXPECT_TRUE(window.TextBox()->isReadOnly()) << file;
  }
}

}  // namespace
