#include "lyt/print/print_dialog.h"

#include "common/ui/qt_ui_services.h"
#include "lyt/print/page_printer.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPageSetupDialog>
#include <QPrinter>
#include <QPrinterInfo>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lyt {
namespace {

const char* const kWarning =
    "Attention : l'imprimante doit être configurée en 600DPI, sinon impression 2 fois trop "
    "grande !";

// Marks the PDF entry of the printer list, whatever a printer may be called.
constexpr int kPdfRole = Qt::UserRole + 1;

QString U(const char* text) { return QString::fromUtf8(text); }

template <class Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

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

PrintDialog::PrintDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("FormImpression");
  setWindowTitle(U("Impression"));
  setModal(true);
  BuildControls();
  FillPrinterList();
}

PrintDialog::~PrintDialog() = default;

QString PrintDialog::PdfEntry() { return U("Fichier PDF"); }

void PrintDialog::BuildControls() {
  auto* label1 = Named(new QLabel(U("Impression avec  :"), this), "Label1");
  comboPrinter_ = Named(new QComboBox(this), "ComboPrinter");
  comboPrinter_->setMinimumWidth(220);
  auto* command1 = Named(new QPushButton(U("Propriétés"), this), "Command1");

  auto* frame1 = Named(new QGroupBox(U(" Impression "), this), "Frame1");
  optNoir_ = Named(new QRadioButton(U("En Noir (pour typons)"), frame1), "OptNoir");
  optCouleur_ = Named(new QRadioButton(U("En couleur (pour contrôle)"), frame1), "OptCouleur");
  optCouleur_->setChecked(true);
  auto* options = new QVBoxLayout(frame1);
  options->addWidget(optNoir_);
  options->addWidget(optCouleur_);

  checkComposants_ = Named(new QCheckBox(U("Coté Composants"), this), "CheckComposants");
  checkSoudures_ = Named(new QCheckBox(U("Coté Soudures"), this), "CheckSoudures");
  checkSerig_ = Named(new QCheckBox(U("Sérigraphie"), this), "CheckSerig");
  checkPercage_ = Named(new QCheckBox(U("Plan de perçage"), this), "CheckPercage");
  auto* layers = new QVBoxLayout;
  for (QCheckBox* box : {checkComposants_, checkSoudures_, checkSerig_, checkPercage_})
    layers->addWidget(box);

  auto* label2 = Named(new QLabel(U("Echelle :"), this), "Label2");
  textEchelle_ = Named(new QLineEdit(U("1.00"), this), "TextEchelle");
  textEchelle_->setMaximumWidth(80);
  auto* label3 = Named(new QLabel(U(kWarning), this), "Label3");
  label3->setWordWrap(true);

  auto* cmdImprim = Named(new QPushButton(U("Imprimer"), this), "CmdImprim");
  cmdImprim->setDefault(true);
  auto* cmdAnnuler = Named(new QPushButton(U("Annuler"), this), "CmdAnnuler");

  auto* printerRow = new QHBoxLayout;
  printerRow->addWidget(label1);
  printerRow->addWidget(comboPrinter_, 1);
  printerRow->addWidget(command1);

  auto* middle = new QHBoxLayout;
  middle->addWidget(frame1);
  middle->addSpacing(12);
  middle->addLayout(layers);
  middle->addStretch(1);

  auto* scaleRow = new QHBoxLayout;
  scaleRow->addWidget(label2);
  scaleRow->addWidget(textEchelle_);
  scaleRow->addStretch(1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cmdImprim);
  buttons->addWidget(cmdAnnuler);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(printerRow);
  layout->addLayout(middle);
  layout->addLayout(scaleRow);
  layout->addWidget(label3);
  layout->addLayout(buttons);

  connect(comboPrinter_, &QComboBox::currentIndexChanged, this, &PrintDialog::PrinterChosen);
  connect(command1, &QPushButton::clicked, this, [this] {
    if (handlers_.Properties) handlers_.Properties(comboPrinter_->currentText().toStdString());
  });
  connect(cmdImprim, &QPushButton::clicked, this, [this] {
    if (handlers_.Print && handlers_.Print(Choice())) accept();
  });
  connect(cmdAnnuler, &QPushButton::clicked, this, &QDialog::reject);
}

// The system's printers in its own order, the PDF file last; the system's
// default printer is chosen, or the PDF file when there is none.
void PrintDialog::FillPrinterList() {
  const QStringList names = QPrinterInfo::availablePrinterNames();
  for (const QString& name : names) comboPrinter_->addItem(name);
  comboPrinter_->addItem(PdfEntry());
  comboPrinter_->setItemData(comboPrinter_->count() - 1, true, kPdfRole);
  const int current = names.indexOf(QPrinterInfo::defaultPrinterName());
  comboPrinter_->setCurrentIndex(current >= 0 ? current : comboPrinter_->count() - 1);
  PrinterChosen(comboPrinter_->currentIndex());
}

void PrintDialog::PrinterChosen(int index) {
  if (index < 0) return;
  printer_ = MakePrinter(comboPrinter_->itemText(index), PdfChosen());
}

bool PrintDialog::PdfChosen() const {
  return comboPrinter_->currentData(kPdfRole).toBool();
}

bool PrintDialog::SelectPrinter(const std::string& printer) {
  const int index = comboPrinter_->findText(QString::fromStdString(printer), Qt::MatchExactly);
  if (index < 0) return false;
  if (index != comboPrinter_->currentIndex()) comboPrinter_->setCurrentIndex(index);
  return printer_ != nullptr;
}

void PrintDialog::Run(const lyt::PrintDialogHandlers& handlers) {
  handlers_ = handlers;
  exec();
  handlers_ = lyt::PrintDialogHandlers{};
}

lyt::PrintChoice PrintDialog::Choice() const {
  lyt::PrintChoice choice;
  choice.Printer = comboPrinter_->currentText().toStdString();
  choice.Black = optNoir_->isChecked();
  choice.Component = checkComposants_->isChecked();
  choice.Solder = checkSoudures_->isChecked();
  choice.Silkscreen = checkSerig_->isChecked();
  choice.Drill = checkPercage_->isChecked();
  choice.Scale = textEchelle_->text().toStdString();
  return choice;
}

bool PrintDialog::ShowProperties(const std::string& printer) {
  if (!SelectPrinter(printer)) return false;
  if (!PdfChosen() && (QPrinterInfo::printerInfo(QString::fromStdString(printer)).isNull() ||
                       !printer_->isValid()))
    return false;
  QPageSetupDialog setup(printer_.get(), this);
  setup.exec();
  return true;
}

bool PrintDialog::ChoosePdfFile(const common::PrintJob& job) {
  const QFileInfo document(QString::fromStdString(job.DocumentName));
  QString folder = QDir::currentPath();
  if (document.exists())
    folder = document.absolutePath();
  else if (!pdfPath_.isEmpty())
    folder = QFileInfo(pdfPath_).absolutePath();
  common::FileDialogSettings settings;
  settings.Filter = "Fichier PDF (*.pdf)|*.pdf";
  settings.InitialFolder = folder.toStdString();
  settings.FileName = (document.completeBaseName() + ".pdf").toStdString();
  const std::optional<common::FileChoice> file =
      common::ShowFileDialog(this, common::FileDialogKind::Save, settings);
  if (!file) return false;
  pdfPath_ = QString::fromStdString(file->Path);
  printer_->setOutputFileName(pdfPath_);
  return true;
}

common::PrintOutcome PrintDialog::PrintPage(const common::PrintJob& job,
                                            const common::PageDrawer& draw) {
  if (!SelectPrinter(job.Printer)) return common::PrintOutcome::Failed;
  if (PdfChosen() && !ChoosePdfFile(job)) return common::PrintOutcome::Cancelled;
  return PrintOnPrinter(*printer_, job, draw);
}

}  // namespace lyt
