#include "common/ui/text_dialog.h"
#include "lyt/ui/grid_step_dialog.h"
#include "lyt/ui/main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <utility>

namespace {

template <typename T>
T* Child(QWidget& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromUtf8(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

QString Text(QWidget& parent, const char* name) {
  QWidget* child = Child<QWidget>(parent, name);
  if (auto* label = qobject_cast<QLabel*>(child)) return label->text();
  if (auto* button = qobject_cast<QAbstractButton*>(child)) return button->text();
  return QString();
}

TEST(TextDialog, ControlsAndCaptions) {
  common::TextDialog dialog(common::Program::Lyt);
  EXPECT_EQ(dialog.objectName(), "FormEditer");
  EXPECT_EQ(dialog.windowTitle(), "Edition Texte");
  EXPECT_EQ(Text(dialog, "Label2"), "Taille :");
  EXPECT_EQ(Text(dialog, "CheckINC"), QString::fromUtf8("Incrémentation automatique du texte"));
  EXPECT_EQ(Text(dialog, "LblINC"), "A Partir de   :");
  EXPECT_EQ(Text(dialog, "CmdOK"), "OK");
  EXPECT_EQ(Text(dialog, "CmdAnnuler"), "Annuler");
  EXPECT_EQ(Child<QLineEdit>(dialog, "Text1")->font().family(), "Arial");
  ASSERT_NE(Child<QLineEdit>(dialog, "TextINC"), nullptr);
  EXPECT_EQ(Child<QComboBox>(dialog, "ComboTailleTexte")->currentText(), "->2mm");

  common::TextDialog schematic(common::Program::Skt);
  EXPECT_EQ(Child<QComboBox>(schematic, "ComboTailleTexte")->currentText(), "->1.5mm");
}

TEST(TextDialog, EditingShowsTheWholeTextSelectedWithoutNumbering) {
  common::TextDialog dialog(common::Program::Lyt);
  auto* check = Child<QCheckBox>(dialog, "CheckINC");
  check->setChecked(true);
  dialog.Prepare({false, "R12", 2});
  dialog.show();
  auto* text1 = Child<QLineEdit>(dialog, "Text1");
  EXPECT_EQ(text1->selectedText(), "R12");
  EXPECT_EQ(dialog.focusWidget(), text1);
  EXPECT_EQ(Child<QComboBox>(dialog, "ComboTailleTexte")->currentIndex(), 2);
  for (const char* name : {"CheckINC", "LblINC", "TextINC"})
    EXPECT_FALSE(Child<QWidget>(dialog, name)->isVisible()) << name;
  EXPECT_FALSE(dialog.Answer().Numbering) << "a hidden check box numbers nothing";

  dialog.hide();
  dialog.Prepare({true, "", -1});
  dialog.show();
  for (const char* name : {"CheckINC", "LblINC", "TextINC"})
    EXPECT_TRUE(Child<QWidget>(dialog, name)->isVisible()) << name;
  EXPECT_TRUE(text1->text().isEmpty());
  EXPECT_TRUE(dialog.Answer().Numbering);
}

TEST(TextDialog, AnnulerEmptiesTheText) {
  common::TextDialog dialog(common::Program::Lyt);
  QTimer::singleShot(0, &dialog, [&] { Child<QPushButton>(dialog, "CmdAnnuler")->click(); });
  common::TextDialogAnswer answer = dialog.Ask({false, "R12", 2});
  EXPECT_FALSE(answer.Accepted);
  EXPECT_TRUE(answer.Text.empty());
  EXPECT_FALSE(dialog.isVisible());
}

// The window keeps one dialog: what the user chose is there at the next use.
TEST(TextDialog, MainWindowKeepsHeightAndNumberingBetweenUses) {
  lyt::MainWindow window(QDir::tempPath());
  QTimer::singleShot(0, &window, [&] {
    auto* dialog = window.findChild<common::TextDialog*>("FormEditer");
    ASSERT_NE(dialog, nullptr);
    Child<QLineEdit>(*dialog, "Text1")->setText("R");
    Child<QComboBox>(*dialog, "ComboTailleTexte")->setCurrentIndex(4);
    Child<QCheckBox>(*dialog, "CheckINC")->setChecked(true);
    Child<QLineEdit>(*dialog, "TextINC")->setText("5");
    Child<QPushButton>(*dialog, "CmdOK")->click();
  });
  common::TextDialogAnswer first = window.ShowTextDialog({true, "", -1});
  EXPECT_TRUE(first.Accepted);
  EXPECT_EQ(first.Text, "R");
  EXPECT_EQ(first.SizeIndex, 4);
  EXPECT_TRUE(first.Numbering);
  EXPECT_EQ(first.NumberingStart, "5");

  QTimer::singleShot(0, &window, [&] {
    Child<QPushButton>(*window.findChild<common::TextDialog*>("FormEditer"), "CmdOK")->click();
  });
  common::TextDialogAnswer second = window.ShowTextDialog({true, "", -1});
  EXPECT_TRUE(second.Accepted);
  EXPECT_TRUE(second.Text.empty()) << "a new text starts empty";
  EXPECT_EQ(second.SizeIndex, 4);
  EXPECT_TRUE(second.Numbering);
  EXPECT_EQ(second.NumberingStart, "5");
  EXPECT_EQ(window.findChildren<common::TextDialog*>().size(), 1);
}

// ---- grid steps ---------------------------------------------------------------

TEST(GridStepDialog, ControlsShowTheStepsSelected) {
  lyt::GridStepDialog dialog("1.27", "0.5", nullptr);
  dialog.show();
  EXPECT_EQ(dialog.objectName(), "FormPasGrille");
  EXPECT_EQ(dialog.windowTitle(), "Pas de la grille");
  EXPECT_EQ(Text(dialog, "Label1"),
            QString::fromUtf8("Pas de la grille en mm de 0.5mm à 10mm Pas standard 1.27mm, 1.385mm "
                              " et 1.42mm entre rangée de contacts pour les connecteurs Sub D"));
  EXPECT_TRUE(Child<QLabel>(dialog, "Label1")->wordWrap());
  EXPECT_EQ(Text(dialog, "Label2"), "Pas horizontal (X) :");
  EXPECT_EQ(Text(dialog, "Label3"), "Pas vertical (Y) :");
  EXPECT_EQ(Text(dialog, "CMDOK"), "OK");
  EXPECT_EQ(Text(dialog, "CmdAnnuler"), "Annuler");
  EXPECT_EQ(Child<QLineEdit>(dialog, "TextX")->selectedText(), "1.27");
  EXPECT_EQ(Child<QLineEdit>(dialog, "TextY")->selectedText(), "0.5");
  EXPECT_EQ(dialog.focusWidget(), Child<QLineEdit>(dialog, "TextX"));
}

TEST(GridStepDialog, OkClosesOnlyWhenTheStepsAreTaken) {
  std::vector<std::pair<std::string, std::string>> offered;
  bool take = false;
  lyt::GridStepDialog dialog("1.27", "1.27", [&](const std::string& x, const std::string& y) {
    offered.emplace_back(x, y);
    return take;
  });
  dialog.show();
  Child<QLineEdit>(dialog, "TextX")->setText("0.2");
  Child<QPushButton>(dialog, "CMDOK")->click();
  EXPECT_TRUE(dialog.isVisible());
  EXPECT_EQ(Child<QLineEdit>(dialog, "TextX")->text(), "0.2") << "left as typed";

  take = true;
  Child<QLineEdit>(dialog, "TextX")->setText("2.54");
  Child<QPushButton>(dialog, "CMDOK")->click();
  EXPECT_FALSE(dialog.isVisible());
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  ASSERT_EQ(offered.size(), 2u);
  EXPECT_EQ(offered[0], std::make_pair(std::string("0.2"), std::string("1.27")));
  EXPECT_EQ(offered[1], std::make_pair(std::string("2.54"), std::string("1.27")));

  dialog.show();
  Child<QPushButton>(dialog, "CmdAnnuler")->click();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(offered.size(), 2u) << "Annuler offers nothing";
}

}  // namespace
