#include "lyt/ui/grid_step_dialog.h"

#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

#include <utility>

namespace lyt {
namespace {

const char* const kExplanation =
    "Pas de la grille en mm de 0.5mm à 10mm Pas standard 1.27mm, 1.385mm  et 1.42mm entre rangée "
    "de contacts pour les connecteurs Sub D";

QLineEdit* StepBox(const char* name, const std::string& step, QWidget* parent) {
  auto* box = new QLineEdit(QString::fromStdString(step), parent);
  box->setObjectName(name);
  box->setMaximumWidth(100);
  box->selectAll();
  return box;
}

}  // namespace

GridStepDialog::GridStepDialog(const std::string& stepX, const std::string& stepY, Accept accept,
                               QWidget* parent)
    : QDialog(parent), accept_(std::move(accept)) {
  setObjectName("FormPasGrille");
  setWindowTitle(QString::fromUtf8("Pas de la grille"));
  setModal(true);

  auto* label1 = new QLabel(QString::fromUtf8(kExplanation), this);
  label1->setObjectName("Label1");
  label1->setWordWrap(true);
  label1->setFixedWidth(300);

  textX_ = StepBox("TextX", stepX, this);
  textY_ = StepBox("TextY", stepY, this);
  auto* label2 = new QLabel(QString::fromUtf8("Pas horizontal (X) :"), this);
  label2->setObjectName("Label2");
  auto* label3 = new QLabel(QString::fromUtf8("Pas vertical (Y) :"), this);
  label3->setObjectName("Label3");

  auto* cmdOk = new QPushButton(QStringLiteral("OK"), this);
  cmdOk->setObjectName("CMDOK");
  cmdOk->setDefault(true);
  auto* cmdAnnuler = new QPushButton(QString::fromUtf8("Annuler"), this);
  cmdAnnuler->setObjectName("CmdAnnuler");
  connect(cmdOk, &QPushButton::clicked, this, &GridStepDialog::CmdOkClicked);
  connect(cmdAnnuler, &QPushButton::clicked, this, &QDialog::reject);

  auto* steps = new QFormLayout;
  steps->addRow(label2, textX_);
  steps->addRow(label3, textY_);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cmdOk);
  buttons->addWidget(cmdAnnuler);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label1);
  layout->addSpacing(6);
  layout->addLayout(steps);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

// A refused pair leaves the dialog open with the texts as typed.
void GridStepDialog::CmdOkClicked() {
  if (accept_ && accept_(textX_->text().toStdString(), textY_->text().toStdString())) accept();
}

void GridStepDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  textX_->setFocus();
}

}  // namespace lyt
