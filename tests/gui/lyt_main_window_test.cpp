#include "lyt/editor/board_controls.h"
#include "lyt/ui/main_window.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QMenu>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStatusBar>
#include <QTest>
#include <QToolButton>

#include <gtest/gtest.h>

namespace {

class LytMainWindow : public ::testing::Test {
 protected:
  LytMainWindow() : window(QDir::tempPath()) {
    window.resize(1280, 800);
    window.show();
  }
  QToolButton* Button(const char* name) { return window.findChild<QToolButton*>(name); }
  lyt::MainWindow window;
};

// The editor drives controls by name only: a name missing from the window
// would silently leave a menu item or button in the wrong state.
TEST_F(LytMainWindow, EveryControlTheEditorDrivesExists) {
  std::vector<const char*> names(std::begin(lyt::control::Board), std::end(lyt::control::Board));
  names.insert(names.end(), std::begin(common::control::Shared), std::end(common::control::Shared));
  for (const char* name : names) EXPECT_NE(window.findChild<QObject*>(name), nullptr) << name;
}

TEST_F(LytMainWindow, StartResetsCaptionListsAndEditCommands) {
  window.Editor().Start("");
  EXPECT_EQ(window.windowTitle().toStdString(), " LYT : Sans Nom");
  auto* pads = window.findChild<QComboBox*>("ComboPastille");
  ASSERT_NE(pads, nullptr);
  EXPECT_EQ(pads->count(), 17);
  EXPECT_EQ(pads->currentText().toStdString(), "->1.59mm");
  EXPECT_FALSE(window.findChild<QAction*>("MnuCouper")->isEnabled());
  EXPECT_FALSE(Button("OptRond")->isEnabled());
  EXPECT_TRUE(Button("OptSoudure")->isChecked() && Button("OptSelect")->isChecked());
  EXPECT_FALSE(Button("OptPiste")->icon().isNull());
}

TEST_F(LytMainWindow, LayoutFollowsTheWindowSize) {
  window.Editor().Start("");
  for (QSize size : {QSize(1280, 800), QSize(700, 500), QSize(1600, 1000)}) {
    window.resize(size);
    QApplication::processEvents();
    QWidget* picture1 = window.findChild<QWidget*>("Picture1");
    QWidget* picture2 = window.findChild<QWidget*>("Picture2");
    auto* hScroll = window.findChild<QScrollBar*>("HScroll1");
    const common::WindowLayout& layout = window.Editor().Layout();
    EXPECT_EQ(picture1->geometry(), QRect(layout.Picture1.Left, layout.Picture1.Top,
                                          layout.Picture1.Width, layout.Picture1.Height));
    EXPECT_EQ(picture1->x(), 50);
    EXPECT_EQ(picture2->size(), QSize(5088, 3696));
    EXPECT_EQ(picture2->x(), -hScroll->value()) << "the view is centred by the scroll bar";
    EXPECT_TRUE(hScroll->isVisible());
  }
}

TEST_F(LytMainWindow, LayerMenuTogglesItsButton) {
  window.Editor().Start("");
  QAction* component = window.findChild<QAction*>("MnuComposant");
  for (bool shown : {false, true}) {
    component->trigger();
    EXPECT_EQ(component->isChecked(), shown);
    EXPECT_EQ(Button("OptComposant")->isEnabled(), shown);
  }
}

// Real Qt events sent to the drawing area reach the editor with their
// buttons, modifiers and keys.
class LytWindowEvents : public LytMainWindow {
 protected:
  LytWindowEvents() {
    window.Editor().Start("");
    QApplication::processEvents();
    surface = window.findChild<QWidget*>("Picture2");
    surface->setFocus();
  }
  // A point of the drawing area `mm` millimetres from the sheet's corner.
  QPoint At(float xMm, float yMm) {
    const common::Viewport& view = window.Editor().View();
    return QPoint(view.MmToPixels(xMm), view.MmToPixels(yMm));
  }
  void ClickAt(QPoint point, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent move(QEvent::MouseMove, point, surface->mapToGlobal(point), Qt::NoButton,
                     Qt::NoButton, modifiers);
    QApplication::sendEvent(surface, &move);
    QTest::mouseClick(surface, button, modifiers, point);
  }
  const lyt::Board& Doc() { return window.Editor().Document(); }
  QWidget* surface = nullptr;
};

TEST_F(LytWindowEvents, ClicksDropAPadAndTheRightButtonEndsTheTool) {
  Button("OptPastilleR")->click();
  ClickAt(At(25.4f, 12.7f));
  ASSERT_EQ(Doc().Elements.size(), 2u);
  EXPECT_EQ(Doc().Elements[0].Kind, lyt::ElementKind::RoundPad);
  EXPECT_FLOAT_EQ(Doc().Elements[0].X1, 25.4f);
  EXPECT_FLOAT_EQ(Doc().Elements[1].Y1, 12.7f);
  ClickAt(At(30, 30), Qt::RightButton);
  EXPECT_EQ(window.Editor().CurrentTool(), lyt::BoardEditor::Tool::Select);
  EXPECT_TRUE(Button("OptSelect")->isChecked());
  EXPECT_EQ(Doc().Elements.size(), 2u);
}

// Shift held on release steps through a selection: the pad alone, then the
// hole alone.
TEST_F(LytWindowEvents, ShiftClickCyclesTheSelection) {
  Button("OptPastilleR")->click();
  ClickAt(At(25.4f, 12.7f));
  QTest::keyClick(surface, Qt::Key_Escape);
  ClickAt(At(25.4f, 12.7f));
  ASSERT_EQ(Doc().Pending.size(), 2u);
  ClickAt(At(25.4f, 12.7f), Qt::LeftButton, Qt::ShiftModifier);
  EXPECT_TRUE(Doc().Pending[0].Active);
  EXPECT_FALSE(Doc().Pending[1].Active);
  ClickAt(At(25.4f, 12.7f), Qt::LeftButton, Qt::ShiftModifier);
  EXPECT_FALSE(Doc().Pending[0].Active);
  EXPECT_TRUE(Doc().Pending[1].Active);
}

// Typed characters act in lower case only; a held C centres the view until
// its real release, not at its auto-repeated ones.
TEST_F(LytWindowEvents, KeysZoomAndCentre) {
  const int zoom = window.Editor().View().Zoom;
  QTest::keyClick(surface, Qt::Key_I, Qt::ShiftModifier);
  EXPECT_EQ(window.Editor().View().Zoom, zoom);
  QTest::keyClick(surface, Qt::Key_I);
  EXPECT_EQ(window.Editor().View().Zoom, 2 * zoom);
  QTest::keyClick(surface, Qt::Key_O);
  EXPECT_EQ(window.Editor().View().Zoom, zoom);

  QTest::keyPress(surface, Qt::Key_C);
  EXPECT_TRUE(window.Editor().View().CentringKey);
  QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_C, Qt::NoModifier, "c", true);
  QApplication::sendEvent(surface, &repeat);
  EXPECT_TRUE(window.Editor().View().CentringKey);
  QTest::keyRelease(surface, Qt::Key_C);
  EXPECT_FALSE(window.Editor().View().CentringKey);
  QTest::keyPress(surface, Qt::Key_C, Qt::ControlModifier);
  EXPECT_FALSE(window.Editor().View().CentringKey);
}

TEST_F(LytWindowEvents, AListTakingTheFocusEndsTheTool) {
  Button("OptPastilleC")->click();
  ASSERT_EQ(window.Editor().CurrentTool(), lyt::BoardEditor::Tool::SquarePad);
  window.findChild<QComboBox*>("ComboTrou")->setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(window.Editor().CurrentTool(), lyt::BoardEditor::Tool::Select);
  EXPECT_TRUE(Doc().Pending.empty());
}

TEST_F(LytWindowEvents, ScrollBarsMoveTheView) {
  auto* hScroll = window.findChild<QScrollBar*>("HScroll1");
  hScroll->setValue(hScroll->value() + 37);
  EXPECT_EQ(window.Editor().Layout().HScroll1.Value, hScroll->value());
  EXPECT_EQ(surface->x(), -hScroll->value());
}

}  // namespace
