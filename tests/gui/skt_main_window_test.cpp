// The schematic window as the user meets it: every control the editor
// drives exists, and start-up fills the lists from the library beside the
// program.
#include "skt/editor/schematic_controls.h"
#include "skt/ui/main_window.h"

#include <QAction>
#include <QComboBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

#include <filesystem>

namespace {

// The program runs from a folder of its own holding a copy of the library,
// and registers its file types in a data folder of its own.
QString ProgramFolder(const QTemporaryDir& folder) {
  std::filesystem::copy(LYTSKT_SOURCE_DIR "/library/composants",
                        std::filesystem::u8path(folder.path().toStdString()) / "composants",
                        std::filesystem::copy_options::recursive);
  qputenv("XDG_DATA_HOME", folder.path().toUtf8());
  return folder.path();
}

class SktMainWindow : public ::testing::Test {
 protected:
  SktMainWindow() : window(ProgramFolder(folder)) {
    window.resize(1280, 800);
    window.show();
  }
  ~SktMainWindow() override { qunsetenv("XDG_DATA_HOME"); }
  QTemporaryDir folder;
  skt::MainWindow window;
};

TEST_F(SktMainWindow, EveryControlTheEditorDrivesExists) {
  std::vector<const char*> names(std::begin(skt::control::Schematic), std::end(skt::control::Schematic));
  names.insert(names.end(), std::begin(common::control::Shared), std::end(common::control::Shared));
  for (const char* name : names) EXPECT_NE(window.findChild<QObject*>(name), nullptr) << name;
}

// The lists come from the library; choosing another family lists its
// components; a key typed in the drawing area chooses a tool.
TEST_F(SktMainWindow, StartFillsTheListsAndKeysChooseTools) {
  window.Editor().Start("");
  EXPECT_EQ(window.windowTitle().toStdString(), " SKT : Sans Nom");
  auto* circles = window.findChild<QComboBox*>("ComboRond");
  EXPECT_EQ(std::make_pair(circles->count(), circles->currentText().toStdString()),
            std::make_pair(17, std::string("->1.5mm")));
  auto* families = window.findChild<QComboBox*>("ComboDossier");
  auto* components = window.findChild<QComboBox*>("ComboEmp");
  ASSERT_GE(families->count(), 5);
  const QString first = components->itemText(0);
  families->setCurrentIndex(1);
  emit families->activated(1);
  EXPECT_NE(components->itemText(0), first);
  EXPECT_FALSE(window.findChild<QAction*>("MnuHoriz")->isEnabled());

  QWidget* drawing = window.findChild<QWidget*>("Picture2");
  QTest::keyClick(drawing, Qt::Key_G);
  EXPECT_TRUE(window.findChild<QToolButton*>("OptMasse")->isChecked());
  QTest::keyClick(drawing, Qt::Key_Escape);
  EXPECT_TRUE(window.findChild<QToolButton*>("OptSelect")->isChecked());
}

}  // namespace
