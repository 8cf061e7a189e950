// The schematic printed through its print dialog to a PDF file, and the
// page measured as pdftoppm renders it.
#include "common/ui/printer_chooser.h"
#include "skt/print/core/schematic_print.h"
#include "skt/print/print_dialog.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QProcess>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>

namespace {

using namespace skt;

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

// "Imprimer" on the PDF entry writes the page where the file dialog says and
// hides the dialog; the page is landscape and a 10 mm wire is 10 mm long.
TEST(SchematicPrintDialog, PrintsTheSheetTrueToSizeOnALandscapePdfPage) {
  QTemporaryDir folder;
  const QString document = folder.filePath("schema.Skt");
  QFile(document).open(QIODevice::WriteOnly);  // the PDF is offered beside it
  Schematic schematic;
  schematic.Elements = {{0, ElementKind::Wire, 0, 100, 100, 110, 100, false, {}, 0}};
  PrintDialog dialog;
  PrintDialogHandlers handlers;
  handlers.Print = [&](const PrintChoice& choice) {
    const common::PrintJob job{choice.Printer, false, true, document.toStdString()};
    return dialog.Printers().PrintPage(job, [&](common::Canvas& canvas, double mx, double my) {
      const common::PrintConversion mm(common::Viewport(common::SktViewport), mx, my, 1.0f);
      PrintSchema(schematic, mm, common::StrokeFont(common::FontVariant::Skt), canvas);
    }) == common::PrintOutcome::Printed;
  };
  WhenShown<PrintDialog>([](PrintDialog* form) {
    EXPECT_EQ(form->objectName() + " " + form->windowTitle(), "FormImpression Impression");
    EXPECT_EQ(form->findChild<QPushButton*>("Command1"), nullptr) << "no properties button";
    auto* printers = form->findChild<QComboBox*>("ComboPrinter");
    printers->setCurrentIndex(printers->findText(common::PrinterChooser::PdfEntry()));
    WhenShown<QFileDialog>([](QFileDialog* files) { static_cast<QDialog*>(files)->accept(); });
    form->findChild<QPushButton*>("CmdImprim")->click();
  });
  dialog.Run(handlers);
  EXPECT_FALSE(dialog.isVisible());
  const QString pdf = folder.filePath("schema.pdf");
  ASSERT_TRUE(QFile::exists(pdf));

  if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
    GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
  auto render = [&](const char* dpi, const QStringList& crop) {
    const QStringList options = {"-r", dpi, "-aa", "no", "-aaVector", "no", "-png", "-singlefile"};
    const QStringList files = {pdf, folder.filePath("p")};
    EXPECT_EQ(QProcess::execute("pdftoppm", options + crop + files), 0);
    return QImage(folder.filePath("p.png"));
  };
  const QImage page = render("10", {});
  EXPECT_GT(page.width(), page.height()) << "landscape";
  // At 400 dpi, away from the frame, which lies within a few mm of the
  // page's edges: 90 to 125 mm across, 95 to 115 mm down.
  const double dots = 400 / 25.4;  // per millimetre
  const QImage area = render("400", {"-x", "1417", "-y", "1496", "-W", "551", "-H", "315"});
  QRect ink;
  for (int y = 0; y < area.height(); ++y)
    for (int x = 0; x < area.width(); ++x)
      if (qGray(area.pixel(x, y)) < 128) ink |= QRect(x, y, 1, 1);
  EXPECT_NEAR(ink.width() / dots, 10.0, 0.3);
}

}  // namespace
