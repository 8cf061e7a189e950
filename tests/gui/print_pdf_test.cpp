#include "common/core/stroke_font.h"
#include "common/core/viewport.h"
#include "lyt/core/board.h"
#include "lyt/core/board_file.h"
#include "support/board_test_support.h"
#include "lyt/editor/print_command.h"
#include "lyt/print/page_printer.h"
#include "support/scripted_board_ui.h"

#include <QImage>
#include <QPrinter>
#include <QProcess>
#include <QRect>
#include <QStandardPaths>

#include <gtest/gtest.h>

#include <algorithm>
#include <set>
#include <string>

namespace {

using namespace lyt;
using board_tests::Element;

// The print command with its page going to a PDF file through the printer
// code of the program.
class PdfUi : public testing_support::ScriptedBoardUi {
 public:
  QString Path;
  common::PrintOutcome PrintPage(const common::PrintJob& job,
                                 const common::PageDrawer& draw) override {
    PrintJobs.push_back(job);
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(Path);
    return PrintOnPrinter(printer, job, draw);
  }
};

class PrintPdf : public ::testing::Test {
 protected:
  void SetUp() override {
    if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
      GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
  }

  // Prints the board as `choice` says and renders the page's top-left
  // `widthMm` x `heightMm` at `dpi`, without antialiasing so colours stay pure.
  QImage PrintAndRender(const lyt::PrintChoice& choice, int dpi, double widthMm,
                        double heightMm) {
    ui.Path = QString::fromStdString(folder.File("page.pdf"));
    if (!PrintBoard(choice, board, view, font, ui)) return QImage();
    const QString base = QString::fromStdString(folder.File("page"));
    auto px = [dpi](double mm) { return QString::number(static_cast<int>(mm / 25.4 * dpi)); };
    QProcess render;
    render.start("pdftoppm", {"-r", QString::number(dpi), "-aa", "no", "-aaVector", "no", "-png",
                              "-singlefile", "-x", "0", "-y", "0", "-W", px(widthMm), "-H",
                              px(heightMm), ui.Path, base});
    if (!render.waitForFinished(120000) || render.exitCode() != 0) return QImage();
    return QImage(base + ".png").convertToFormat(QImage::Format_RGB32);
  }

  // The smallest rectangle around the pixels of `colour`.
  static QRect BoxOf(const QImage& image, QRgb colour) {
    QRect box;
    for (int y = 0; y < image.height(); ++y)
      for (int x = 0; x < image.width(); ++x)
        if (image.pixel(x, y) == (colour | 0xFF000000)) box |= QRect(x, y, 1, 1);
    return box;
  }

  // The component side ticked.
  static lyt::PrintChoice Choice(bool black, const char* scale = "1") {
    lyt::PrintChoice choice;
    choice.Printer = "Fichier PDF";
    choice.Black = black;
    choice.Component = true;
    choice.Scale = scale;
    return choice;
  }

  board_tests::TempFolder folder;
  Board board;
  common::Viewport view{common::LytViewport};
  PdfUi ui;
  common::StrokeFont font{common::FontVariant::Lyt};
};

// Length along the track: its extent less its width, which the round ends add.
TEST_F(PrintPdf, TenMillimetreTrackPrintsTenMillimetresTimesTheScale) {
  board.Elements = {Element(0, ElementKind::Track, BoardLayer::Component, 0.635f, 20, 20, 30, 20)};
  constexpr int dpi = 300;
  for (const char* scale : {"1", "2"}) {
    SCOPED_TRACE(scale);
    const QImage page = PrintAndRender(Choice(false, scale), dpi, 120, 80);
    ASSERT_FALSE(page.isNull());
    const QRect track = BoxOf(page, qRgb(0, 192, 0));
    ASSERT_FALSE(track.isNull());
    const double expected = 10.0 * std::stod(scale) / 25.4 * dpi;
    EXPECT_NEAR(track.width() - track.height(), expected, 1.0);
    EXPECT_NEAR(track.height(), 0.635 * std::stod(scale) / 25.4 * dpi, 1.0);
  }
  EXPECT_TRUE(ui.Messages.empty());
}

TEST_F(PrintPdf, HoleCentreIsWhiteOnTheBlackPad) {
  board.Elements = {Element(0, ElementKind::RoundPad, BoardLayer::Through, 1.5f, 20, 20),
                    Element(0, ElementKind::Hole, BoardLayer::Through, 0.5f, 20, 20)};
  constexpr int dpi = 600;
  const QImage page = PrintAndRender(Choice(true), dpi, 60, 40);
  ASSERT_FALSE(page.isNull());
  const QRect pad = BoxOf(page, qRgb(0, 0, 0));
  ASSERT_FALSE(pad.isNull());
  EXPECT_NEAR(pad.width(), 3.0 / 25.4 * dpi, 2.0);
  const int cx = (pad.left() + pad.right()) / 2;
  const int cy = (pad.top() + pad.bottom()) / 2;
  const int mm = dpi * 10 / 254;
  auto at = [&](double dx, double dy) {
    return page.pixel(cx + static_cast<int>(dx * mm), cy + static_cast<int>(dy * mm)) & 0xFFFFFF;
  };
  EXPECT_EQ(at(0.2, 0.2), 0xFFFFFFu);    // inside the drill, off the cross
  EXPECT_EQ(at(-0.2, -0.25), 0xFFFFFFu);
  EXPECT_EQ(at(0.3, 0), 0u);             // the cross
  EXPECT_EQ(at(1.0, 0.3), 0u);           // copper around the drill
  EXPECT_EQ(at(2.0, 0), 0xFFFFFFu);      // beyond the pad
}

TEST_F(PrintPdf, ExampleBoardInBlackIsBlackAndWhiteOnly) {
  board.FileName = LYTSKT_SOURCE_DIR "/examples/clignotant.Lyt";
  ASSERT_TRUE(ReadDocument(board, view).Complete());
  lyt::PrintChoice all = Choice(true);
  all.Solder = all.Silkscreen = all.Drill = true;
  const QImage page = PrintAndRender(all, 100, 297, 210);
  ASSERT_FALSE(page.isNull());
  std::set<QRgb> colours;
  for (int y = 0; y < page.height(); ++y)
    for (int x = 0; x < page.width(); ++x) colours.insert(page.pixel(x, y) & 0xFFFFFF);
  EXPECT_EQ(colours, (std::set<QRgb>{0x000000, 0xFFFFFF}));
  ASSERT_EQ(ui.PrintJobs.size(), 1u);
  EXPECT_FALSE(ui.PrintJobs[0].Colour);
}

}  // namespace
