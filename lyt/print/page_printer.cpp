#include "lyt/print/page_printer.h"

#include "common/ui/qt_canvas.h"

#include <QFileInfo>
#include <QPageLayout>
#include <QPrinter>

namespace lyt {

common::PrintOutcome PrintOnPrinter(QPrinter& printer, const common::PrintJob& job,
                                    const common::PageDrawer& draw) {
  printer.setPageOrientation(job.Landscape ? QPageLayout::Landscape : QPageLayout::Portrait);
  printer.setColorMode(job.Colour ? QPrinter::Color : QPrinter::GrayScale);
  printer.setFullPage(false);  // the drawing starts at the printable area's corner
  if (!job.DocumentName.empty())
    printer.setDocName(QFileInfo(QString::fromStdString(job.DocumentName)).completeBaseName());
  common::QtCanvas canvas(printer, Qt::white, Qt::black);
  if (!canvas.IsActive()) return common::PrintOutcome::Failed;
  draw(canvas, 25.4 / printer.logicalDpiX(), 25.4 / printer.logicalDpiY());
  return canvas.Finish() ? common::PrintOutcome::Printed : common::PrintOutcome::Failed;
}

}  // namespace lyt
