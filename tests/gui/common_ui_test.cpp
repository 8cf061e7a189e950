// The shared window parts: the Qt canvas, the help window and the
// registration of the file types with the desktop.
#include "common/ui/file_type_registration.h"
#include "common/ui/help_window.h"
#include "common/ui/qt_canvas.h"

#include <QFile>
#include <QTemporaryDir>
#include <QTextBrowser>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <tuple>

namespace {

using common::Canvas;
using common::Colour;
using common::Rgb;

const QColor kHighlight(0, 0, 128);
constexpr Colour kRed = Rgb(255, 0, 0), kYellow = Rgb(255, 255, 0);

void Filled(Canvas& c, Colour fill) {
  c.SetFillStyle(common::FillStyle::Solid);
  c.SetFillColour(fill);
}

// On a busy background, so that an inverting figure drawn twice has
// something to get wrong: it shows the first time, restores the second.
// Every pixel it changes lies in the part the canvas says it drew on (the
// part the drawing area repaints), and a filled figure's middle is the
// background inverted by its colour.
TEST(QtCanvasTest, InvertingFiguresDrawnTwiceRestoreEveryPixel) {
  QImage image(120, 90, QImage::Format_RGB32);
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      image.setPixel(x, y, qRgb((x * 7) & 0xFF, (y * 11) & 0xFF, ((x + y) * 5) & 0xFF));
  const QImage before = image;
  using Draw = std::function<void(Canvas&)>;
  auto line = [](int width, int x1, int y1, int x2, int y2) -> Draw {
    return [=](Canvas& c) { c.SetLineWidth(width), c.DrawLine(x1, y1, x2, y2, kRed); };
  };
  // Filled with a one-pixel pen, an outline with a wider one.
  auto circle = [](int width, Colour pen, Colour fill, int radius, double aspect) -> Draw {
    return [=](Canvas& c) {
      c.SetLineWidth(width);
      if (width == 1) Filled(c, fill);
      c.DrawCircle(60, 50, radius, pen, aspect);
    };
  };
  const std::pair<const char*, Draw> figures[] = {
      {"thin line", line(1, 12, 8, 90, 60)},
      {"wide round line", line(9, 20, 20, 100, 40)},
      {"zero-length wide line", line(7, 50, 50, 50, 50)},
      {"filled box", [](Canvas& c) { Filled(c, kRed), c.DrawBox(30, 30, 50, 44, kRed); }},
      {"dotted box",
       [](Canvas& c) { c.SetLineStyle(common::LineStyle::Dot), c.DrawBox(90, 70, 20, 10, kRed); }},
      {"filled circle", circle(1, kRed, kRed, 17, 1.0)},
      {"filled oval", circle(1, kRed, kRed, 30, 0.5)},
      {"hole with another fill", circle(1, Rgb(128, 128, 255), Rgb(0, 0, 0), 12, 1.0)},
      {"outline circle", circle(3, kYellow, 0, 25, 1.0)},
      {"single pixel", [](Canvas& c) { c.SetPixel(40, 30, Rgb(1, 2, 3)); }}};
  const QPoint origin(10, 5);
  auto inverted = [](QRgb background, Colour ink) { return ~(background ^ common::QtCanvas::ToQColor(ink).rgb()) | 0xFF000000u; };
  for (const auto& [name, draw] : figures)
    for (int time = 0; time < 2; ++time) {
      const QImage previous = image;
      QRect drawn;
      {
        common::QtCanvas canvas(image, origin, Qt::black, kHighlight);
        canvas.SetDrawMode(common::DrawMode::NotXorPen);
        draw(canvas);
        drawn = canvas.TakeDamage().translated(-origin);
      }
      EXPECT_EQ(image == before, time == 1) << name;
      QRect changed;
      for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
          if (image.pixel(x, y) != previous.pixel(x, y)) changed |= QRect(x, y, 1, 1);
      EXPECT_TRUE(drawn.contains(changed)) << name;
    }
  const QPoint middle = QPoint(60, 50) - origin;
  const std::tuple<const char*, Draw, Colour> filled[] = {{"filled circle", figures[5].second, kRed},
                                                          {"filled box", figures[3].second, kRed},
                                                          {"hole fill", figures[7].second, Rgb(0, 0, 0)}};
  for (const auto& [name, draw, ink] : filled) {
    common::QtCanvas canvas(image, origin, Qt::black, kHighlight);
    canvas.SetDrawMode(common::DrawMode::NotXorPen);
    draw(canvas);
    const QPoint at = std::string(name) == "filled box" ? QPoint(40, 37) - origin : middle;
    EXPECT_EQ(image.pixel(at), inverted(before.pixel(at), ink)) << name;
    draw(canvas);
  }
}

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
