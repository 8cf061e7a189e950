#include "skt/print/print_dialog.h"

#include <QHBoxLayout>
#include <QPushButton>
#include <QVBoxLayout>

namespace skt {
namespace {

QPushButton* Button(const char* caption, const char* name, QWidget* parent) {
  auto* button = new QPushButton(QString::fromUtf8(caption), parent);
  button->setObjectName(name);
  return button;
}

}  // namespace

PrintDialog::PrintDialog(QWidget* parent) : QDialog(parent) {
  setObjectName("FormImpression");
  setWindowTitle(QString::fromUtf8("Impression"));
  setModal(true);
  BuildControls();
}

PrintDialog::~PrintDialog() = default;

void PrintDialog::BuildControls() {
  auto* layout = new QVBoxLayout(this);
  printers_ = std::make_unique<common::PrinterChooser>(
      *this, *layout, common::PrinterChooser::PropertiesButton::Hidden);

  auto* cmdImprim = Button("Imprimer", "CmdImprim", this);
  cmdImprim->setDefault(true);
  auto* cmdAnnuler = Button("Annuler", "CmdAnnuler", this);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cmdImprim);
  buttons->addWidget(cmdAnnuler);
  layout->addLayout(buttons);

  connect(cmdImprim, &QPushButton::clicked, this, [this] {
    if (handlers_.Print && handlers_.Print(Choice())) accept();
  });
  connect(cmdAnnuler, &QPushButton::clicked, this, &QDialog::reject);
}

void PrintDialog::Run(const PrintDialogHandlers& handlers) {
  handlers_ = handlers;
  exec();
  handlers_ = PrintDialogHandlers{};
}

PrintChoice PrintDialog::Choice() const { return {printers_->Printer()}; }

}  // namespace skt
