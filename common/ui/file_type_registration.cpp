#include "common/ui/file_type_registration.h"

#include <QDir>
#include <QProcess>

#ifdef Q_OS_WIN
#include <QSettings>

#include <windows.h>
#include <shlobj.h>
#ifdef _MSC_VER
#pragma comment(lib, "shell32.lib")
#endif
#else
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>
#endif

namespace common {
namespace {

#ifdef Q_OS_WIN
const char kExecutableSuffix[] = ".exe";
const char kIconSuffix[] = ".ico";
#else
const char kExecutableSuffix[] = "";
const char kIconSuffix[] = ".png";
#endif

FileTypes ProgramFileTypes(const QString& programFolder, const QString& executableBase) {
  FileTypes types;
  types.ProgramFolder = programFolder;
  types.ExecutableName = executableBase + kExecutableSuffix;
  types.IconFile = executableBase + kIconSuffix;
  return types;
}

}  // namespace

FileTypes LytFileTypes(const QString& programFolder) {
  FileTypes types = ProgramFileTypes(programFolder, "lyt");
  types.ClassName = "LYT";
  types.ExtensionValue = "Lyt";
  types.ProgramTitle = "Lytplan";
  types.ProgramComment = "Dessin de circuits imprimés";
  types.Document = {".Lyt", "application/x-lytplan-board", "Circuit Imprimé"};
  types.Library = {".Emp", "application/x-lytplan-footprint", "Empreinte"};
  return types;
}

FileTypes SktFileTypes(const QString& programFolder) {
  FileTypes types = ProgramFileTypes(programFolder, "skt");
  types.ClassName = "SKT";
  types.ExtensionValue = "Skt";
  types.ProgramTitle = "Sktplan";
  types.ProgramComment = "Dessin de schémas électroniques";
  types.Document = {".Skt", "application/x-sktplan-schematic", "Schéma"};
  types.Library = {".Cmp", "application/x-sktplan-component", "Composant"};
  return types;
}

// Output is dropped so that the helpers' warnings never reach the terminal.
bool StartDetached(const QString& program, const QStringList& arguments) {
  QProcess process;
  process.setProgram(program);
  process.setArguments(arguments);
  process.setStandardOutputFile(QProcess::nullDevice());
  process.setStandardErrorFile(QProcess::nullDevice());
  return process.startDetached();
}

#ifdef Q_OS_WIN

namespace {

// Per-user classes: no administrator rights needed, and they take precedence
// over the machine-wide ones.
void WriteRegistryKeys(const FileTypes& types) {
  QSettings classes("HKEY_CURRENT_USER\\Software\\Classes", QSettings::NativeFormat);
  const QString folder = QDir::toNativeSeparators(types.ProgramFolder);
  classes.setValue(types.ClassName + "/Default", types.ProgramTitle);
  classes.setValue(types.Document.Extension + "/Default", types.ExtensionValue);
  classes.setValue(types.Library.Extension + "/Default", types.ExtensionValue);
  classes.setValue(types.ClassName + "/shell/open/command/Default",
                   folder + "\\" + types.ExecutableName + " %1");
  classes.setValue(types.ClassName + "/DefaultIcon/Default", folder + "\\" + types.IconFile);
  classes.sync();
}

}  // namespace

void RegisterFileTypes(const FileTypes& types, const DetachedStarter&) {
  WriteRegistryKeys(types);
  SHChangeNotify(SHCNE_ASSOCCHANGED, SHCNF_IDLIST, nullptr, nullptr);
}

#else  // Linux and the other freedesktop.org systems

namespace {

QString DataHome() {
  const QString configured = qEnvironmentVariable("XDG_DATA_HOME");
  if (!configured.isEmpty() && QDir::isAbsolutePath(configured)) return configured;
  return QDir::homePath() + "/.local/share";
}

QString MimeTypeEntry(const DocumentType& type) {
  return QString(
             "  <mime-type type=\"%1\">\n"
             "    <sub-class-of type=\"text/plain\"/>\n"
             "    <comment>%2</comment>\n"
             "    <glob pattern=\"*%3\" case-sensitive=\"false\"/>\n"
             "  </mime-type>\n")
      .arg(type.MimeType.toHtmlEscaped(), type.Description.toHtmlEscaped(),
           type.Extension.toLower().toHtmlEscaped());
}

QByteArray MimePackage(const FileTypes& types) {
  const QString xml =
      "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n"
      "<mime-info xmlns=\"http://www.freedesktop.org/standards/shared-mime-info\">\n" +
      MimeTypeEntry(types.Document) + MimeTypeEntry(types.Library) + "</mime-info>\n";
  return xml.toUtf8();
}

// The escapes of a desktop-entry string value.
QString DesktopString(QString text) {
  text.replace('\\', "\\\\");
  text.replace('\n', "\\n");
  text.replace('\t', "\\t");
  text.replace('\r', "\\r");
  return text;
}

// One argument of the Exec key: a path holding a reserved character is
// quoted, and inside the quotes " ` $ \ take a backslash; % is doubled.
QString ExecArgument(const QString& path) {
  static const QString kReserved = " \t\n\"'\\><~|&;$*?#()`";
  bool needsQuotes = false;
  for (QChar c : path) needsQuotes = needsQuotes || kReserved.contains(c);
  QString argument;
  for (QChar c : path) {
    if (needsQuotes && QString("\"`$\\").contains(c)) argument += '\\';
    argument += c;
  }
  if (needsQuotes) argument = '"' + argument + '"';
  return argument.replace('%', "%%");
}

QByteArray DesktopEntry(const FileTypes& types) {
  const QString program = types.ProgramFolder + "/" + types.ExecutableName;
  const QString icon = types.ProgramFolder + "/" + types.IconFile;
  const QStringList lines = {
      "[Desktop Entry]",
      "Type=Application",
      "Name=" + DesktopString(types.ProgramTitle),
      "Comment=" + DesktopString(types.ProgramComment),
      "Exec=" + DesktopString(ExecArgument(program)) + " %f",
      "Icon=" + DesktopString(icon),
      "Terminal=false",
      "Categories=Science;Engineering;Graphics;",
      "MimeType=" + types.Document.MimeType + ";" + types.Library.MimeType + ";",
  };
  return (lines.join('\n') + '\n').toUtf8();
}

// Leaves a file that already holds `bytes` untouched, so that a start with
// nothing new neither writes nor wakes the updaters. True when written.
bool WriteIfChanged(const QString& path, const QByteArray& bytes) {
  QFile existing(path);
  if (existing.open(QIODevice::ReadOnly) && existing.readAll() == bytes) return false;
  existing.close();
  if (!QDir().mkpath(QFileInfo(path).absolutePath())) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  file.write(bytes);
  return file.commit();
}

QString FileBaseName(const FileTypes& types) { return types.ProgramTitle.toLower(); }

}  // namespace

void RegisterFileTypes(const FileTypes& types, const DetachedStarter& start) {
  const QString dataHome = DataHome();
  const QString mimeFolder = dataHome + "/mime";
  const QString applicationsFolder = dataHome + "/applications";
  const QString name = FileBaseName(types);
  const bool mimeChanged =
      WriteIfChanged(mimeFolder + "/packages/" + name + ".xml", MimePackage(types));
  const bool desktopChanged =
      WriteIfChanged(applicationsFolder + "/" + name + ".desktop", DesktopEntry(types));
  if (!start) return;
  if (mimeChanged) start("update-mime-database", {mimeFolder});
  if (desktopChanged) start("update-desktop-database", {applicationsFolder});
}

#endif

}  // namespace common
