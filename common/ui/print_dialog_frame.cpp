#include "common/ui/print_dialog_frame.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace common {
namespace {

QPushButton* Button(const char* caption, const char* name, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(name);
  return button;
}

}  // namespace

PrintDialogFrame::PrintDialogFrame(QWidget* parent, PrinterChooser::PropertiesButton properties)
    : QDialog(parent) {
  setObjectName("FormImpression");
  setWindowTitle(QString::fromUtf8("Impression"));
  setModal(true);
  layout_ = new QVBoxLayout(this);
  printers_ = std::make_unique<PrinterChooser>(*this, *layout_, properties);
}

PrintDialogFrame::~PrintDialogFrame() = default;

void PrintDialogFrame::AddButtons() {
  auto* cmdImprim = Button("Imprimer", "CmdImprim", this);
  cmdImprim->setDefault(true);
  auto* cmdAnnuler = Button("Annuler", "CmdAnnuler", this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cmdImprim);
  buttons->addWidget(cmdAnnuler);
  layout_->addLayout(buttons);
  connect(cmdImprim, &QPushButton::clicked, this, [this] {
    if (print_ && print_()) accept();
  });
  connect(cmdAnnuler, &QPushButton::clicked, this, &QDialog::reject);
}

void PrintDialogFrame::RunModal(const std::function<bool()>& print,
                                const std::function<void(const std::string&)>& properties) {
  print_ = print;
  printers_->OnProperties(properties);
  exec();
  printers_->OnProperties(nullptr);
  print_ = nullptr;
}

}  // namespace common
