#include "common/ui/text_dialog.h"
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

// The window keeps one dialog, its choices there at the next use. Editing
// offers the text whole and selected, in its size, with no numbering even if
// the box was left ticked; Annuler empties the text; a new text starts empty.
TEST(TextDialog, MainWindowKeepsOneDialogBetweenUses) {
  lyt::MainWindow window(QDir::tempPath());
  using Fields = std::tuple<bool, std::string, int, bool, std::string>;
  const struct {
    common::TextDialogRequest Request;
    const char *Text, *Start;  // typed, or nothing
    int Size;                  // chosen, or -1
    const char* Button;
    Fields Answer;
  } uses[] = {{{true, "", -1}, "R", "5", 4, "CmdOK", {true, "R", 4, true, "5"}},
              {{false, "R12", 2}, nullptr, nullptr, -1, "CmdAnnuler", {false, "", 2, false, "5"}},
              {{true, "", -1}, nullptr, nullptr, -1, "CmdOK", {true, "", 2, true, "5"}}};
  for (const auto& use : uses) {
    QTimer::singleShot(0, &window, [&] {
      auto* dialog = window.findChild<common::TextDialog*>("FormEditer");
      ASSERT_NE(dialog, nullptr);
      auto* text1 = Child<QLineEdit>(*dialog, "Text1");
      EXPECT_EQ(text1->selectedText().toStdString(), use.Request.Text);
      EXPECT_EQ(Child<QCheckBox>(*dialog, "CheckINC")->isVisible(), use.Request.NewText);
      if (use.Text) text1->setText(use.Text);
      if (use.Size >= 0) Child<QComboBox>(*dialog, "ComboTailleTexte")->setCurrentIndex(use.Size);
      if (use.Start) Child<QCheckBox>(*dialog, "CheckINC")->setChecked(true);
      if (use.Start) Child<QLineEdit>(*dialog, "TextINC")->setText(use.Start);
      Child<QPushButton>(*dialog, use.Button)->click();
    });
    const common::TextDialogAnswer a = window.ShowTextDialog(use.Request);
    EXPECT_EQ((Fields{a.Accepted, a.Text, a.SizeIndex, a.Numbering, a.NumberingStart}), use.Answer);
  }
}

}  // namespace
