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

#include <tuple>

namespace {

template <typename T>
T* Child(QWidget& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromUtf8(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

// Editing a text offers it whole, selected, with no numbering even if the
// box was left ticked; Annuler gives an empty text.
TEST(TextDialog, EditingNumbersNothingAndAnnulerEmptiesTheText) {
  common::TextDialog dialog(common::Program::Lyt);
  Child<QCheckBox>(dialog, "CheckINC")->setChecked(true);
  QTimer::singleShot(0, &dialog, [&] {
    EXPECT_EQ(Child<QLineEdit>(dialog, "Text1")->selectedText(), "R12");
    EXPECT_EQ(Child<QComboBox>(dialog, "ComboTailleTexte")->currentIndex(), 2);
    EXPECT_FALSE(Child<QCheckBox>(dialog, "CheckINC")->isVisible());
    EXPECT_FALSE(dialog.Answer().Numbering);
    Child<QPushButton>(dialog, "CmdAnnuler")->click();
  });
  const common::TextDialogAnswer answer = dialog.Ask({false, "R12", 2});
  EXPECT_FALSE(answer.Accepted);
  EXPECT_TRUE(answer.Text.empty());
  EXPECT_FALSE(dialog.isVisible());
}

// The window keeps one dialog: what the user chose is there at the next
// use, but a new text starts empty.
TEST(TextDialog, MainWindowKeepsHeightAndNumberingBetweenUses) {
  lyt::MainWindow window(QDir::tempPath());
  using Fields = std::tuple<bool, std::string, int, bool, std::string>;
  auto answer = [&](const char* text, int size, const char* start) {
    QTimer::singleShot(0, &window, [&] {
      auto* dialog = window.findChild<common::TextDialog*>("FormEditer");
      ASSERT_NE(dialog, nullptr);
      EXPECT_TRUE(Child<QCheckBox>(*dialog, "CheckINC")->isVisible());
      EXPECT_EQ(Child<QLineEdit>(*dialog, "Text1")->text(), "");
      if (*text) Child<QLineEdit>(*dialog, "Text1")->setText(text);
      if (size >= 0) Child<QComboBox>(*dialog, "ComboTailleTexte")->setCurrentIndex(size);
      if (*start) Child<QCheckBox>(*dialog, "CheckINC")->setChecked(true);
      if (*start) Child<QLineEdit>(*dialog, "TextINC")->setText(start);
      Child<QPushButton>(*dialog, "CmdOK")->click();
    });
    const common::TextDialogAnswer a = window.ShowTextDialog({true, "", -1});
    return Fields{a.Accepted, a.Text, a.SizeIndex, a.Numbering, a.NumberingStart};
  };
  EXPECT_EQ(answer("R", 4, "5"), (Fields{true, "R", 4, true, "5"}));
  EXPECT_EQ(answer("", -1, ""), (Fields{true, "", 4, true, "5"}));
  EXPECT_EQ(window.findChildren<common::TextDialog*>().size(), 1);
}

// A refused pair leaves the dialog open as typed; Annuler offers nothing.
TEST(GridStepDialog, OkClosesOnlyWhenTheStepsAreTaken) {
  std::vector<std::string> offered;
  bool take = false;
  lyt::GridStepDialog dialog("1.27", "1.27", [&](const std::string& x, const std::string& y) {
    offered.push_back(x + " " + y);
    return take;
  });
  auto* textX = Child<QLineEdit>(dialog, "TextX");
  for (const char* x : {"0.2", "2.54"}) {
    dialog.show();
    textX->setText(x);
    Child<QPushButton>(dialog, "CMDOK")->click();
    EXPECT_EQ(dialog.isVisible(), !take);
    EXPECT_EQ(textX->text(), x);
    take = true;
  }
  EXPECT_EQ(dialog.result(), QDialog::Accepted);
  dialog.show();
  Child<QPushButton>(dialog, "CmdAnnuler")->click();
  EXPECT_EQ(dialog.result(), QDialog::Rejected);
  EXPECT_EQ(offered, (std::vector<std::string>{"0.2 1.27", "2.54 1.27"}));
}

}  // namespace
