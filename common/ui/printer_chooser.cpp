#include "common/ui/printer_chooser.h"

#include "common/core/dialog_folder.h"
#include "common/ui/page_printer.h"
#include "common/ui/qt_ui_services.h"

#include <QBoxLayout>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>

#include <optional>
#include <utility>

namespace common {
namespace {

// Marks the PDF entry of the list, whatever a printer may be called.
constexpr int kPdfRole = Qt::UserRole + 1;

std::unique_ptr<QPrinter> MakePrinter(const QString& name, bool pdf) {
  auto printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
  if (pdf) {
    printer->setOutputFormat(QPrinter::PdfFormat);
  } else {
    printer->setOutputFormat(QPrinter::NativeFormat);
    printer->setPrinterName(name);
  }
  printer->setPageOrientation(QPageLayout::Landscape);
  return printer;
}

}  // namespace

PrinterChooser::PrinterChooser(QWidget& dialog, QBoxLayout& layout, PropertiesButton button)
    : dialog_(dialog) {
  auto* label1 = new QLabel(QString::fromUtf8("Impression avec  :"), &dialog);
  label1->setObjectName("Label1");
  list_ = new QComboBox(&dialog);
  list_->setObjectName("ComboPrinter");
  list_->setMinimumWidth(220);
  auto* row = new QHBoxLayout;
  row->addWidget(label1);
  row->addWidget(list_, 1);
  if (button == PropertiesButton::Shown) {
    auto* command1 = new QPushButton(QString::fromUtf8("Propriétés"), &dialog);
    command1->setObjectName("Command1");
    row->addWidget(command1);
    connections_.push_back(QObject::connect(command1, &QPushButton::clicked, list_, [this] {
      if (properties_) properties_(Printer());
    }));
  }
  layout.addLayout(row);
  FillList();
  connections_.push_back(QObject::connect(list_, &QComboBox::currentIndexChanged, list_,
                                          [this](int index) { Chosen(index); }));
}

// The controls belong to the dialog and may outlive this object by a moment.
PrinterChooser::~PrinterChooser() {
  for (const QMetaObject::Connection& connection : connections_) QObject::disconnect(connection);
}

QString PrinterChooser::PdfEntry() { return QString::fromUtf8("Fichier PDF"); }

// The system's printers in its own order, the PDF file last.
void PrinterChooser::FillList() {
  const QStringList names = QPrinterInfo::availablePrinterNames();
  for (const QString& name : names) list_->addItem(name);
  list_->addItem(PdfEntry());
  list_->setItemData(list_->count() - 1, true, kPdfRole);
  const int current = names.indexOf(QPrinterInfo::defaultPrinterName());
  list_->setCurrentIndex(current >= 0 ? current : list_->count() - 1);
  Chosen(list_->currentIndex());
}

std::string PrinterChooser::Printer() const { return list_->currentText().toStdString(); }

void PrinterChooser::OnProperties(std::function<void(const std::string&)> handler) {
  properties_ = std::move(handler);
}

void PrinterChooser::Chosen(int index) {
  if (index < 0) return;
  printer_ = MakePrinter(list_->itemText(index), PdfChosen());
}

bool PrinterChooser::PdfChosen() const { return list_->currentData(kPdfRole).toBool(); }

bool PrinterChooser::Select(const std::string& printer) {
  const int index = list_->findText(QString::fromStdString(printer), Qt::MatchExactly);
  if (index < 0) return false;
  if (index != list_->currentIndex()) list_->setCurrentIndex(index);
  return printer_ != nullptr;
}

bool PrinterChooser::ShowProperties(const std::string& printer) {
  if (!Select(printer)) return false;
  if (!PdfChosen() && (QPrinterInfo::printerInfo(QString::fromStdString(printer)).isNull() ||
                       !printer_->isValid()))
    return false;
  QPageSetupDialog setup(printer_.get(), &dialog_);
  setup.exec();
  return true;
}

// The file is offered beside the document, named after it; an unsaved
// document gets the folder of the last PDF, or the user's documents folder.
bool PrinterChooser::ChoosePdfFile(const PrintJob& job) {
  const QFileInfo document(QString::fromStdString(job.DocumentName));
  QString folder = QString::fromStdString(DialogFolder(job.DocumentName, PlatformUserFolders()));
  if (!document.exists() && !pdfPath_.isEmpty()) folder = QFileInfo(pdfPath_).absolutePath();
  FileDialogSettings settings;
  settings.Filter = "Fichier PDF (*.pdf)|*.pdf";
  settings.InitialFolder = folder.toStdString();
  settings.FileName = (document.completeBaseName() + ".pdf").toStdString();
  const std::optional<FileChoice> file = ShowFileDialog(&dialog_, FileDialogKind::Save, settings);
  if (!file) return false;
  pdfPath_ = QString::fromStdString(file->Path);
  printer_->setOutputFileName(pdfPath_);
  return true;
}

PrintOutcome PrinterChooser::PrintPage(const PrintJob& job, const PageDrawer& draw) {
  if (!Select(job.Printer)) return PrintOutcome::Failed;
  if (PdfChosen() && !ChoosePdfFile(job)) return PrintOutcome::Cancelled;
  return PrintOnPrinter(*printer_, job, draw);
}

}  // namespace common
