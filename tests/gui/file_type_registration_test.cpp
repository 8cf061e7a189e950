#include "common/ui/file_type_registration.h"

#include <QDateTime>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#ifndef Q_OS_WIN

namespace {

QString ReadAll(const QString& path) {
  QFile file(path);
  return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

// Registers with XDG_DATA_HOME pointed at a fresh folder and records the
// helper programs started instead of running them.
class FileTypeRegistrationTest : public ::testing::Test {
 protected:
  FileTypeRegistrationTest() { qputenv("XDG_DATA_HOME", dataHome_.path().toUtf8()); }
  ~FileTypeRegistrationTest() override { qunsetenv("XDG_DATA_HOME"); }

  void Register(const common::FileTypes& types) {
    common::RegisterFileTypes(types, [this](const QString& program, const QStringList& args) {
      started_ << program + " " + args.join(' ');
      return true;
    });
  }
  QString Path(const QString& relative) const { return dataHome_.path() + "/" + relative; }

  QTemporaryDir dataHome_;
  QStringList started_;
};

// Both extensions in any letter case, the types the desktop entry opens, and
// a program path quoted and escaped for the Exec key.
TEST_F(FileTypeRegistrationTest, WritesMimePackageAndDesktopEntryThenRunsUpdaters) {
  Register(common::LytFileTypes("/opt/mon lyt$"));
  const QString mime = ReadAll(Path("mime/packages/lytplan.xml"));
  const QStringList desktop = ReadAll(Path("applications/lytplan.desktop")).split('\n');
  QString mimeTypes = "MimeType=";
  const common::FileTypes types = common::LytFileTypes("");
  for (const common::DocumentType& type : {types.Document, types.Library}) {
    EXPECT_TRUE(mime.contains("<mime-type type=\"" + type.MimeType + "\">"));
    EXPECT_TRUE(mime.contains("<glob pattern=\"*" + type.Extension.toLower() +
                              "\" case-sensitive=\"false\"/>"));
    mimeTypes += type.MimeType + ";";
  }
  EXPECT_TRUE(desktop.contains(mimeTypes));
  EXPECT_TRUE(desktop.contains("Exec=\"/opt/mon lyt\\\\$/lyt\" %f"));
  EXPECT_TRUE(desktop.contains("Icon=/opt/mon lyt$/lyt.png"));
  EXPECT_EQ(started_, QStringList({"update-mime-database " + Path("mime"),
                                   "update-desktop-database " + Path("applications")}));
}

TEST_F(FileTypeRegistrationTest, SecondRunRewritesNothingAndStartsNothing) {
  Register(common::LytFileTypes("/opt/lyt"));
  const QDateTime longAgo(QDate(2001, 2, 3), QTime(4, 5, 6), Qt::UTC);
  for (const char* file : {"mime/packages/lytplan.xml", "applications/lytplan.desktop"}) {
    QFile stamped(Path(file));
    ASSERT_TRUE(stamped.open(QIODevice::ReadWrite));
    ASSERT_TRUE(stamped.setFileTime(longAgo, QFileDevice::FileModificationTime));
  }
  started_.clear();

  Register(common::LytFileTypes("/opt/lyt"));
  EXPECT_EQ(QFileInfo(Path("mime/packages/lytplan.xml")).lastModified(), longAgo);
  EXPECT_EQ(QFileInfo(Path("applications/lytplan.desktop")).lastModified(), longAgo);
  EXPECT_TRUE(started_.isEmpty());

  Register(common::LytFileTypes("/usr/local/lyt"));  // the program moved
  EXPECT_EQ(started_, QStringList("update-desktop-database " + Path("applications")));
}

}  // namespace

#endif
