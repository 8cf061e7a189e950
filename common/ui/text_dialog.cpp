#include "common/ui/text_dialog.h"

#include "common/core/text_entry.h"

#include <QCheckBox>
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QShowEvent>
#include <QVBoxLayout>

namespace common {
namespace {

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

TextDialog::TextDialog(Program program, QWidget* parent) : QDialog(parent) {
  setObjectName("FormEditer");
  setWindowTitle(QString::fromUtf8("Edition Texte"));
  setModal(true);

  text1_ = new QLineEdit(this);
  text1_->setObjectName("Text1");
  QFont arial = text1_->font();
  arial.setFamily(QStringLiteral("Arial"));
  text1_->setFont(arial);
  text1_->setMinimumWidth(320);

  auto* label2 = new QLabel(QString::fromUtf8("Taille :"), this);
  label2->setObjectName("Label2");
  comboTailleTexte_ = new QComboBox(this);
  comboTailleTexte_->setObjectName("ComboTailleTexte");
  for (const std::string& label : TextSizeLabels(program)) comboTailleTexte_->addItem(Q(label));
  comboTailleTexte_->setCurrentIndex(TextSizeInitialIndex(program));

  checkInc_ = new QCheckBox(QString::fromUtf8("Incrémentation automatique du texte"), this);
  checkInc_->setObjectName("CheckINC");
  lblInc_ = new QLabel(QString::fromUtf8("A Partir de   :"), this);
  lblInc_->setObjectName("LblINC");
  textInc_ = new QLineEdit(QStringLiteral("1"), this);
  textInc_->setObjectName("TextINC");
  textInc_->setMaximumWidth(80);

  auto* cmdOk = new QPushButton(QStringLiteral("OK"), this);
  cmdOk->setObjectName("CmdOK");
  cmdOk->setDefault(true);
  auto* cmdAnnuler = new QPushButton(QString::fromUtf8("Annuler"), this);
  cmdAnnuler->setObjectName("CmdAnnuler");
  connect(cmdOk, &QPushButton::clicked, this, &QDialog::accept);
  connect(cmdAnnuler, &QPushButton::clicked, this, &TextDialog::reject);

  auto* fields = new QGridLayout;
  fields->addWidget(label2, 0, 0);
  fields->addWidget(comboTailleTexte_, 0, 1, Qt::AlignLeft);
  fields->addWidget(checkInc_, 1, 0, 1, 3);
  fields->addWidget(lblInc_, 2, 0);
  fields->addWidget(textInc_, 2, 1, Qt::AlignLeft);
  fields->setColumnStretch(2, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch(1);
  buttons->addWidget(cmdOk);
  buttons->addWidget(cmdAnnuler);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(text1_);
  layout->addLayout(fields);
  layout->addSpacing(6);
  layout->addLayout(buttons);
  // Hiding the numbering controls shrinks the dialog to what is left.
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void TextDialog::Prepare(const TextDialogRequest& request) {
  newText_ = request.NewText;
  text1_->setText(Q(request.Text));
  text1_->selectAll();
  if (request.SizeIndex >= 0 && request.SizeIndex < comboTailleTexte_->count())
    comboTailleTexte_->setCurrentIndex(request.SizeIndex);
  checkInc_->setVisible(newText_);
  lblInc_->setVisible(newText_);
  textInc_->setVisible(newText_);
}

TextDialogAnswer TextDialog::Answer() const {
  TextDialogAnswer answer;
  answer.Accepted = result() == QDialog::Accepted;
  answer.Text = text1_->text().toStdString();
  answer.SizeIndex = comboTailleTexte_->currentIndex();
  answer.Numbering = newText_ && checkInc_->isChecked();
  answer.NumberingStart = textInc_->text().toStdString();
  return answer;
}

TextDialogAnswer TextDialog::Ask(const TextDialogRequest& request) {
  Prepare(request);
  exec();
  return Answer();
}

void TextDialog::reject() {
  text1_->clear();
  QDialog::reject();
}

void TextDialog::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  text1_->setFocus();
}

}  // namespace common
