#include "common/ui/text_dialog.h"
#include "lyt/ui/grid_step_dialog.h"
#include "lyt/ui/main_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <tuple>
#include <utility>
#include <vector>

namespace {

template <typename T>
T* Child(QWidget& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromUtf8(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

TEST(TextDialog, EditingShowsTheWholeTextSelectedWithoutNumbering) {
  common::TextDialog dialog(common::Program::Lyt);
  Child<QCheckBox>(dialog, "CheckINC")->setChecked(true);
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
  auto fields = [](const common::TextDialogAnswer& a) {
    return std::make_tuple(a.Accepted, a.Text, a.SizeIndex, a.Numbering, a.NumberingStart);
  };
  EXPECT_EQ(fields(window.ShowTextDialog({true, "", -1})),
            std::make_tuple(true, std::string("R"), 4, true, std::string("5")));

  QTimer::singleShot(0, &window, [&] {
    Child<QPushButton>(*window.findChild<common::TextDialog*>("FormEditer"), "CmdOK")->click();
  });
  EXPECT_EQ(fields(window.ShowTextDialog({true, "", -1})),
            std::make_tuple(true, std::string(), 4, true, std::string("5")))
      << "a new text starts empty";
  EXPECT_EQ(window.findChildren<common::TextDialog*>().size(), 1);
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
