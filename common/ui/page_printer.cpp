#include "common/ui/page_printer.h"

#include "common/ui/qt_canvas.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>

namespace common {

PrintOutcome PrintOnPrinter(QPrinter& printer, const PrintJob& job, const PageDrawer& draw) {
  printer.setPageOrientation(job.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  printer.setColorMode(job.Colour ? QPrinter::Color : QPrinter::GrayScale);
  printer.setFullPage(false);  // the drawing starts at the printable area's corner
  if (!job.DocumentName.empty())
    printer.setDocName(QFileInfo(QString::fromStdString(job.DocumentName)).completeBaseName());
  QtCanvas canvas(printer, Qt::white, Qt::black);
  if (!canvas.IsActive()) return PrintOutcome::Failed;
  draw(canvas, 25.4 / printer.logicalDpiX(), 25.4 / printer.logicalDpiY());
  return canvas.Finish() ? PrintOutcome::Printed : PrintOutcome::Failed;
}

PrintOutcome PrintToPdfFile(const QString& path, const PrintJob& job, const PageDrawer& draw) {
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(path);
  printer.setPageSize(QPageSize(QPageSize::A4));
  return PrintOnPrinter(printer, job, draw);
}

}  // namespace common
