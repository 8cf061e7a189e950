// The shared window parts: the help window and the registration of the
// file types with the desktop (the Qt canvas is seen through the renderers'
// pixels).
#include "common/ui/file_type_registration.h"
#include "common/ui/help_window.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <gtest/gtest.h>

namespace {

// Each guide loads from the sources into a read-only box, its first and last
// sections showing; later uses bring back the same non-modal window.
TEST(HelpWindowTest, GuidesLoadReadOnlyInOneNonModalWindow) {
  for (const char* file : {"lyt/ui/help/aide_lyt.html", "skt/ui/help/aide_skt.html"}) {
    QWidget owner;
    common::HelpWindowLauncher launcher({" Aide", QStringLiteral(LYTSKT_SOURCE_DIR "/") + file}, &owner);
    common::HelpWindow* window = launcher.Show();
    const QString text = window->TextBox()->toPlainText();
    EXPECT_TRUE(text.contains("Présentation") && text.contains("Informations générales")) << file;
    EXPECT_TRUE(window->TextBox()->isReadOnly() && window->isWindow() && !window->isModal());
    window->close();
    EXPECT_EQ(launcher.Show(), window);
    EXPECT_TRUE(window->isVisible());
  }
}

#ifndef Q_OS_WIN

QString ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// With XDG_DATA_HOME pointed at a fresh folder, recording the helper programs
// started instead of running them: both extensions in any letter case, the
// types the desktop entry opens, a program path quoted and escaped for the
// Exec key; a second run with nothing to change starts no updater.
TEST(FileTypeRegistration, WritesMimePackageAndDesktopEntryOnlyWhenTheyChange) {
  QTemporaryDir home;
  qputenv("XDG_DATA_HOME", home.path().toUtf8());
  const QString mime = home.path() + "/mime", apps = home.path() + "/applications";
  const QString package = mime + "/packages/lytplan.xml", entry = apps + "/lytplan.desktop";
  QStringList started;
  auto run = [&](const QString& folder) {
    started.clear();
    common::RegisterFileTypes(common::LytFileTypes(folder), [&](const QString& program, const QStringList& args) {
      started << program + " " + args.join(' ');
      return true;
    });
  };
  run("/opt/mon lyt$");
  const QStringList desktop = ReadAll(entry).split('\n');
  QString mimeTypes = "MimeType=";
  const common::FileTypes types = common::LytFileTypes("");
  for (const common::DocumentType& type : {types.Document, types.Library}) {
    EXPECT_TRUE(ReadAll(package).contains("<mime-type type=\"" + type.MimeType + "\">"));
    const QString glob = "<glob pattern=\"*" + type.Extension.toLower() + "\" case-sensitive=\"false\"/>";
    EXPECT_TRUE(ReadAll(package).contains(glob));
    mimeTypes += type.MimeType + ";";
  }
  EXPECT_TRUE(desktop.contains(mimeTypes));
  EXPECT_TRUE(desktop.contains("Exec=\"/opt/mon lyt\\\\$/lyt\" %f"));
  EXPECT_TRUE(desktop.contains("Icon=/opt/mon lyt$/lyt.png"));
  EXPECT_EQ(started, QStringList({"update-mime-database " + mime, "update-desktop-database " + apps}));
  run("/opt/mon lyt$");
  EXPECT_TRUE(started.isEmpty());
  run("/usr/local/lyt");  // the program moved
  EXPECT_EQ(started, QStringList("update-desktop-database " + apps));
  qunsetenv("XDG_DATA_HOME");
}

#endif

}  // namespace
