#include <QApplication>
#include <QDir>

#include <gtest/gtest.h>

// Qt tests need one application object for the whole run. The windows
// register their file types at start: into a data folder of the build's, not
// the user's, and one that outlives the run, since the database updaters they
// start go on after it (they run again only when a registration changes).
int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("XDG_DATA_HOME", QDir::current().absoluteFilePath("xdg-data").toUtf8());
  QApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
