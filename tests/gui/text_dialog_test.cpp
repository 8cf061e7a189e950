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

namespace {

template <typename T>
T* Child(QWidget& parent, const char* name) {
  T* child = parent.findChild<T*>(QString::fromUtf8(name));
  EXPECT_NE(child, nullptr) << name;
  return child;
}

// The window keeps one dialog, its choices there at the next use. Editing
// offers the text whole and selected, in its size, with no numbering even if
// the box was left ticked; Annuler empties the text; a new text starts empty.
TEST(TextDialog, MainWindowKeepsOneDialogBetweenUses) {
  lyt::MainWindow window(QDir::tempPath());
  using Fields = std::tuple<bool, std::string, int, bool, std::string>;
  auto answer = [&](const common::TextDialogRequest& request,
                    const std::function<void(QWidget&)>& act) {
    QTimer::singleShot(0, &window, [&] {
      auto* dialog = window.findChild<common::TextDialog*>("FormEditer");
      ASSERT_NE(dialog, nullptr);
      EXPECT_EQ(Child<QCheckBox>(*dialog, "CheckINC")->isVisible(), request.NewText);
      act(*dialog);
    });
    const common::TextDialogAnswer a = window.ShowTextDialog(request);
    return Fields{a.Accepted, a.Text, a.SizeIndex, a.Numbering, a.NumberingStart};
  };
  EXPECT_EQ(answer({true, "", -1},
                   [](QWidget& d) {
                     Child<QLineEdit>(d, "Text1")->setText("R");
                     Child<QComboBox>(d, "ComboTailleTexte")->setCurrentIndex(4);
                     Child<QCheckBox>(d, "CheckINC")->setChecked(true);
                     Child<QLineEdit>(d, "TextINC")->setText("5");
                     Child<QPushButton>(d, "CmdOK")->click();
                   }),
            (Fields{true, "R", 4, true, "5"}));
  EXPECT_EQ(answer({false, "R12", 2},
                   [](QWidget& d) {
                     EXPECT_EQ(Child<QLineEdit>(d, "Text1")->selectedText(), "R12");
                     Child<QPushButton>(d, "CmdAnnuler")->click();
                   }),
            (Fields{false, "", 2, false, "5"}));
  EXPECT_EQ(answer({true, "", -1},
                   [](QWidget& d) {
                     EXPECT_EQ(Child<QLineEdit>(d, "Text1")->text(), "");
                     Child<QPushButton>(d, "CmdOK")->click();
                   }),
            (Fields{true, "", 2, true, "5"}));
}

// OK offers the steps shown and closes only when they are taken.
TEST(GridStepDialog, OkClosesOnlyWhenTheStepsAreTaken) {
  bool take = false;
  lyt::GridStepDialog dialog("1.27", "2.54", [&](const std::string& x, const std::string& y) {
    return take && x == "1.27" && y == "2.54";
  });
  dialog.show();
  for (bool taken : {false, true}) {
    take = taken;
    Child<QPushButton>(dialog, "CMDOK")->click();
    EXPECT_EQ(dialog.isVisible(), !taken);
  }
}

}  // namespace
