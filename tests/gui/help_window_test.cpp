#include "common/ui/help_window.h"

#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

// Each guide loads from the sources into a read-only box, its first and last
// sections showing; later uses bring back the same non-modal window.
TEST(HelpWindowTest, GuidesLoadReadOnlyInOneNonModalWindow) {
  for (const char* file : {"lyt/ui/help/aide_lyt.html", "skt/ui/help/aide_skt.html"}) {
    QWidget owner;
    common::HelpWindowLauncher launcher({" Aide", QStringLiteral(LYTSKT_SOURCE_DIR "/") + file},
                                        &owner);
    common::HelpWindow* window = launcher.Show();
    const QString text = window->TextBox()->toPlainText();
    EXPECT_TRUE(text.contains("Présentation") && text.contains("Informations générales")) << file;
    EXPECT_TRUE(window->TextBox()->isReadOnly() && window->isWindow() && !window->isModal());
    window->close();
    EXPECT_EQ(launcher.Show(), window);
    EXPECT_TRUE(window->isVisible());
  }
}

}  // namespace
