// The print dialog as the user works it, on the window's editor, printing
// through the program's printer code.
#include "common/ui/printer_chooser.h"
#include "lyt/print/print_dialog.h"
#include "lyt/ui/main_window.h"
#include "support/board_test_support.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace lyt;
using namespace lyt::ElementKind;
using board_tests::Element;

void Click(QWidget* dialog, const char* name) { dialog->findChild<QPushButton*>(name)->click(); }

// Acts on the next modal window of type W once it is up; a window that never
// comes fails the test after a few seconds instead of hanging it.
template <class W>
void WhenShown(std::function<void(W*)> act, int triesLeft = 1000) {
  QTimer::singleShot(10, [=] {
    if (auto* window = qobject_cast<W*>(QApplication::activeModalWidget()))
      act(window);
    else if (triesLeft > 0)
      WhenShown<W>(act, triesLeft - 1);
    else
      ADD_FAILURE() << "expected window never shown";
  });
}

// The smallest rectangle around the pixels of `colour`.
QRect BoxOf(const QImage& image, QRgb colour) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) == colour) box |= QRect(x, y, 1, 1);
  return box;
}

// The PDF entry asks for the file: giving it up prints nothing and leaves
// the dialog open; with a name the page is written there and the dialog
// hides, to come back with its settings. An unlisted printer is never
// opened. On the page, as pdftoppm renders it, lengths are the board's times
// the scale and the white centre of a hole shows.
TEST(PrintDialog, PdfEntryAsksForTheFileThenPrintsToScaleAndHides) {
  MainWindow window(QDir::tempPath());
  window.show();
  BoardEditor& editor = window.Editor();
  editor.Start("");
  QTemporaryDir folder;
  editor.SetFileName(folder.filePath("carte.Lyt").toStdString());
  ASSERT_TRUE(editor.Write());
  editor.Document().Elements = {Element(0, Track, BoardLayer::Component, 0.635f, 20, 20, 30, 20),
                                Element(0, RoundPad, BoardLayer::Through, 1.5f, 20, 35),
                                Element(0, Hole, BoardLayer::Through, 0.5f, 20, 35)};
  WhenShown<PrintDialog>([&](PrintDialog* form) {
    auto* printers = form->findChild<QComboBox*>("ComboPrinter");
    printers->setCurrentIndex(printers->findText(common::PrinterChooser::PdfEntry()));
    form->findChild<QCheckBox*>("CheckComposants")->setChecked(true);
    form->findChild<QLineEdit*>("TextEchelle")->setText("2");
    WhenShown<QFileDialog>([](QFileDialog* files) { files->reject(); });
    Click(form, "CmdImprim");
    EXPECT_TRUE(form->isVisible());
    WhenShown<QFileDialog>([](QFileDialog* files) {
      EXPECT_EQ(files->acceptMode(), QFileDialog::AcceptSave);
      static_cast<QDialog*>(files)->accept();  // the name offered: the board's, beside it
    });
    Click(form, "CmdImprim");
  });
  editor.MnuImpression();
  ASSERT_TRUE(QFile::exists(folder.filePath("carte.pdf")));
  EXPECT_FALSE(window.findChild<PrintDialog*>()->isVisible());
  PrintChoice kept;
  WhenShown<PrintDialog>([&](PrintDialog* again) {
    kept = again->Choice();
    Click(again, "CmdAnnuler");
  });
  editor.MnuImpression();
  EXPECT_EQ(kept.Printer, common::PrinterChooser::PdfEntry().toStdString());
  EXPECT_TRUE(kept.Component && !kept.Black && kept.Scale == "2");
  // A printer that is not in the list is never opened.
  EXPECT_FALSE(window.ShowPrinterProperties("Imprimante disparue"));
  bool drawn = false;
  const common::PrintJob unlisted{"Imprimante disparue", true, true, {}};
  EXPECT_EQ(window.PrintPage(unlisted, [&](common::Canvas&, double, double) { drawn = true; }),
            common::PrintOutcome::Failed);
  EXPECT_FALSE(drawn);

  if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
    GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
  // The page's top-left 120 x 100 mm (1417 x 1181 dots), without antialiasing
  // so that colours stay pure.
  constexpr int dpi = 300;
  const double dots = dpi / 25.4 * 2;  // per millimetre of board, at scale 2
  ASSERT_EQ(QProcess::execute("pdftoppm", {"-r", QString::number(dpi), "-aa", "no", "-aaVector",
                                           "no", "-png", "-singlefile", "-W", "1417", "-H", "1181",
                                           folder.filePath("carte.pdf"), folder.filePath("page")}),
            0);
  const QImage page = QImage(folder.filePath("page.png")).convertToFormat(QImage::Format_RGB32);
  // Along the track: its extent less its width, which the round ends add.
  const QRect track = BoxOf(page, 0x00C000), pad = BoxOf(page, 0xFF0000);
  ASSERT_FALSE(track.isNull() || pad.isNull());
  EXPECT_NEAR(track.width() - track.height(), 10.0 * dots, 1.0);
  EXPECT_NEAR(track.height(), 0.635 * dots, 1.0);
  EXPECT_NEAR(pad.width(), 3.0 * dots, 2.0);
  EXPECT_NEAR(pad.center().y() - track.center().y(), 15.0 * dots, 2.0);
  auto at = [&](double dx, double dy) {  // millimetres from the pad's centre
    return page.pixel(pad.center() + QPoint(int(dx * dots), int(dy * dots))) & 0xFFFFFF;
  };
  EXPECT_EQ(at(0.2, 0.2), 0xFFFFFFu);  // inside the drill, off the cross
  EXPECT_EQ(at(0.3, 0), 0x0000FFu);    // the cross
  EXPECT_EQ(at(0.5, 0.5), 0xFF0000u);  // copper around the drill
}

}  // namespace
