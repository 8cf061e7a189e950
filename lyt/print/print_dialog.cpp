#include "lyt/print/print_dialog.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QVBoxLayout>

namespace lyt {
namespace {

const char* const kWarning =
    "Attention : l'imprimante doit être configurée en 600DPI, sinon impression 2 fois trop "
    "grande !";

QString U(const char* text) { return QString::fromUtf8(text); }

template <class Widget>
Widget* Named(Widget* widget, const char* name) {
  widget->setObjectName(name);
  return widget;
}

}  // namespace

PrintDialog::PrintDialog(QWidget* parent)
    : PrintDialogFrame(parent, common::PrinterChooser::PropertiesButton::Shown) {
  BuildControls();
  AddButtons();
}

void PrintDialog::BuildControls() {
  QVBoxLayout* layout = &Layout();
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

  auto* middle = new QHBoxLayout;
  middle->addWidget(frame1);
  middle->addSpacing(12);
  middle->addLayout(layers);
  middle->addStretch(1);

  auto* scaleRow = new QHBoxLayout;
  scaleRow->addWidget(label2);
  scaleRow->addWidget(textEchelle_);
  scaleRow->addStretch(1);

  layout->addLayout(middle);
  layout->addLayout(scaleRow);
  layout->addWidget(label3);
}

void PrintDialog::Run(const PrintDialogHandlers& handlers) {
  PrintDialogFrame::Run<PrintChoice>(handlers, [this] { return Choice(); });
}

PrintChoice PrintDialog::Choice() const {
  PrintChoice choice;
  choice.Printer = Printers().Printer();
  choice.Black = optNoir_->isChecked();
  choice.Component = checkComposants_->isChecked();
  choice.Solder = checkSoudures_->isChecked();
  choice.Silkscreen = checkSerig_->isChecked();
  choice.Drill = checkPercage_->isChecked();
  choice.Scale = textEchelle_->text().toStdString();
  return choice;
}

}  // namespace lyt
