// Both programs' main windows as the user meets them: their controls, the
// events the drawing area passes on, and the print dialogs.
#include "common/core/document_shell.h"
#include "common/ui/printer_chooser.h"
#include "lyt/editor/board_controls.h"
#include "lyt/ui/main_window.h"
#include "skt/editor/schematic_controls.h"
#include "skt/ui/main_window.h"
#include "support/board_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QFile>
#include <QFileDialog>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QProcess>
#include <QPushButton>
#include <QScrollBar>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include <filesystem>
#include <functional>

namespace {

using Maker = common::MainWindowBase* (*)(const QString& programFolder);

// A window of either program, run from a folder of its own holding a copy of
// the library; started with no document, its drawing area holding the focus.
class WindowTest : public ::testing::Test {
 protected:
  void Open(Maker make) {
    std::filesystem::copy(LYTSKT_SOURCE_DIR "/library", std::filesystem::u8path(folder.path().toStdString()),
                          std::filesystem::copy_options::recursive);
    window.reset(make(folder.path()));
    window->resize(1280, 800);
    window->show();
    window->Input().Start("");
    QApplication::processEvents();
    surface = Child<QWidget>("Picture2");
    surface->setFocus();
  }
  // A named control of `parent`, the window when none.
  template <class T>
  T* Child(const char* name, const QObject* parent = nullptr) {
    T* child = (parent ? parent : window.get())->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
  }

  QTemporaryDir folder;
  std::unique_ptr<common::MainWindowBase> window;
  QWidget* surface = nullptr;  // the drawing area
};

// Acts on the next modal window of type W once it is up; a window that never
// comes fails the test after a few seconds instead of hanging it.
template <class W>
void WhenShown(std::function<void(W*)> act, int triesLeft = 1000) {
  QTimer::singleShot(10, [=] {
    if (auto* window = qobject_cast<W*>(QApplication::activeModalWidget()))
      act(window);
    else if (triesLeft > 0)
      WhenShown<W>(act, triesLeft - 1);
    else
      ADD_FAILURE() << "expected window never shown";
  });
}

// The smallest rectangle around the pixels of `colour`.
QRect BoxOf(const QImage& image, QRgb colour) {
  QRect box;
  for (int y = 0; y < image.height(); ++y)
    for (int x = 0; x < image.width(); ++x)
      if ((image.pixel(x, y) & 0xFFFFFF) == colour) box |= QRect(x, y, 1, 1);
  return box;
}

common::MainWindowBase* MakeLyt(const QString& folder) { return new lyt::MainWindow(folder); }
common::MainWindowBase* MakeSkt(const QString& folder) { return new skt::MainWindow(folder); }

// One program's window and what tells it from the other's.
struct Program {
  const char* Name;
  Maker Make;
  std::vector<const char*> Controls;  // those the editor drives besides the shared ones
  const char* Library;                // filled at start from the library beside the program
  const char* Tool;  // chosen by its key typed in the drawing area, or by its button when none
  Qt::Key Key;
  // Printing: the document, what it holds, the dialog's own settings (a
  // text typed, or a box ticked when none), the part of the page measured
  // (mm) and what it shows, at 300 dpi.
  const char* Document;
  void (*Draw)(common::MainWindowBase&);
  std::vector<std::pair<const char*, const char*>> Settings;
  QRect Crop;
  void (*Measure)(const QImage& page, double dotsPerMm);
};

class BothWindows : public WindowTest, public ::testing::WithParamInterface<Program> {
 protected:
  BothWindows() { Open(GetParam().Make); }
};

// The editor drives controls by name only: a name missing from the window
// would silently leave a menu item or button in the wrong state. Start fills
// the lists and disables the edit commands; a tool chosen shows checked, and
// Escape typed in the drawing area brings back the selection tool.
//
// The print dialog's PDF entry asks for the file: giving it up prints
// nothing and leaves the dialog open; with a name the page is written beside
// the document and the dialog hides. An unlisted printer is never opened.
// The page, as pdftoppm renders it, is true to size (times the scale); that
// it is landscape is seen in the editors' print jobs and the command line's
// PDF.
TEST_P(BothWindows, ControlsTheEditorDrivesAreThereAndThePdfEntryPrintsToScale) {
  const Program& p = GetParam();
  for (const char* name : p.Controls) Child<QObject>(name);  // fails on a name missing
  for (const char* name : common::control::Shared) Child<QObject>(name);
  EXPECT_GE(Child<QComboBox>(p.Library)->count(), 3);
  EXPECT_FALSE(Child<QAction>(common::control::MnuCouper)->isEnabled());
  auto* tool = Child<QToolButton>(p.Tool);
  p.Key ? QTest::keyClick(surface, p.Key) : tool->click();
  EXPECT_TRUE(tool->isChecked());
  QTest::keyClick(surface, Qt::Key_Escape);
  EXPECT_TRUE(Child<QToolButton>("OptSelect")->isChecked());

  auto& document = dynamic_cast<common::ShellDocument&>(window->Input());
  document.SetFileName(folder.filePath(p.Document).toStdString());
  ASSERT_TRUE(document.Write());
  p.Draw(*window);
  WhenShown<common::PrintDialogFrame>([&](common::PrintDialogFrame* form) {
    auto* printers = Child<QComboBox>("ComboPrinter", form);
    printers->setCurrentIndex(printers->findText(common::PrinterChooser::PdfEntry()));
    for (const auto& [name, text] : p.Settings)
      text ? Child<QLineEdit>(name, form)->setText(text) : Child<QCheckBox>(name, form)->setChecked(true);
    for (bool named : {false, true}) {
      WhenShown<QFileDialog>([=](QFileDialog* files) {
        EXPECT_EQ(files->acceptMode(), QFileDialog::AcceptSave);
        // The name offered: the document's, beside it.
        named ? static_cast<QDialog*>(files)->accept() : files->reject();
      });
      Child<QPushButton>("CmdImprim", form)->click();
      EXPECT_EQ(form->isVisible(), !named);
    }
  });
  window->Input().MnuImpression();
  const QString pdf = folder.filePath(QString(p.Document).section('.', 0, 0) + ".pdf");
  ASSERT_TRUE(QFile::exists(pdf));
  const common::PrintJob unlisted{"Imprimante disparue", true, true, {}};
  EXPECT_FALSE(window->ShowPrinterProperties(unlisted.Printer));
  EXPECT_EQ(window->PrintPage(unlisted, [](common::Canvas&, double, double) { ADD_FAILURE(); }),
            common::PrintOutcome::Failed);

  if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
    GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
  const double dots = 300 / 25.4;  // per millimetre
  auto at = [&](int mm) { return QString::number(std::lround(mm * dots)); };
  // Without antialiasing, so that colours stay pure; only the part measured.
  const QStringList options = {"-r", "300", "-aa", "no", "-aaVector", "no", "-png", "-singlefile",
                               "-x", at(p.Crop.x()), "-y", at(p.Crop.y()), "-W", at(p.Crop.width()),
                               "-H", at(p.Crop.height()), pdf, folder.filePath("page")};
  EXPECT_EQ(QProcess::execute("pdftoppm", options), 0);
  p.Measure(QImage(folder.filePath("page.png")).convertToFormat(QImage::Format_RGB32), dots);
}

// The board's window, started, for what only it has; real Qt events sent to
// its drawing area.
class LytMainWindow : public WindowTest {
 protected:
  LytMainWindow() { Open(MakeLyt); }
  lyt::BoardEditor& Editor() { return static_cast<lyt::MainWindow&>(*window).Editor(); }
  const common::Viewport& View() { return Editor().View(); }
  // A point of the drawing area so many millimetres from the sheet's corner.
  QPoint At(float xMm, float yMm) { return QPoint(View().MmToPixels(xMm), View().MmToPixels(yMm)); }
  void ClickAt(QPoint point, Qt::MouseButton button = Qt::LeftButton,
               Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QMouseEvent move(QEvent::MouseMove, point, surface->mapToGlobal(point), Qt::NoButton, Qt::NoButton, modifiers);
    QApplication::sendEvent(surface, &move);
    QTest::mouseClick(surface, button, modifiers, point);
  }
  const lyt::Board& Doc() { return Editor().Document(); }
};

// The layer menu item toggles its layer's button. Picture1 where the layout
// of a resized window puts it, and the scroll bar moving the view.
TEST_F(LytMainWindow, LayerMenuTogglesItsButtonAndLayoutFollowsTheWindowSizeAndTheScrollBars) {
  QAction* component = Child<QAction>("MnuComposant");
  for (bool shown : {false, true}) {
    component->trigger();
    EXPECT_EQ(component->isChecked(), shown);
    EXPECT_EQ(Child<QToolButton>("OptComposant")->isEnabled(), shown);
  }
  window->resize(700, 500);
  QApplication::processEvents();
  QWidget* picture1 = Child<QWidget>("Picture1");
  const common::PixelRect& laid = Editor().Layout().Picture1;
  EXPECT_EQ(picture1->geometry(), QRect(laid.Left, laid.Top, laid.Width, laid.Height));
  auto* hScroll = Child<QScrollBar>("HScroll1");
  hScroll->setValue(hScroll->value() + 37);
  EXPECT_EQ(Editor().Layout().HScroll1.Value, hScroll->value());
  EXPECT_EQ(surface->x(), -hScroll->value());
}

// A click drops a pad where it is made, the right button ends the tool.
// Shift held on release steps through a selection: the pad alone, then the
// hole alone. A list taking the focus ends a tool too. Typed characters act
// in lower case only; a held C centres the view until its real release, not
// at its auto-repeated ones, and not with Ctrl.
TEST_F(LytMainWindow, ClicksShiftClicksKeysAndWhatEndsATool) {
  Child<QToolButton>("OptPastilleR")->click();
  const QPoint pad = At(25.4f, 12.7f);
  ClickAt(pad);
  ASSERT_EQ(Doc().Elements.size(), 2u);  // the pad and its hole
  EXPECT_EQ(At(Doc().Elements[0].X1, Doc().Elements[0].Y1), pad);
  ClickAt(At(30, 30), Qt::RightButton);
  EXPECT_EQ(Editor().CurrentTool(), lyt::BoardEditor::Tool::Select);
  ClickAt(pad);
  ASSERT_EQ(Doc().Pending.size(), 2u);
  for (bool padAlone : {true, false}) {
    ClickAt(pad, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_TRUE(Doc().Pending[0].Active == padAlone && Doc().Pending[1].Active == !padAlone) << padAlone;
  }
  Child<QToolButton>("OptPastilleC")->click();
  ASSERT_EQ(Editor().CurrentTool(), lyt::BoardEditor::Tool::SquarePad);
  Child<QComboBox>("ComboTrou")->setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(Editor().CurrentTool(), lyt::BoardEditor::Tool::Select);
  EXPECT_TRUE(Doc().Pending.empty());

  const int zoom = View().Zoom;
  QTest::keyClick(surface, Qt::Key_I, Qt::ShiftModifier);
  QTest::keyClick(surface, Qt::Key_I);
  EXPECT_EQ(View().Zoom, 2 * zoom);  // once, not twice

  QTest::keyPress(surface, Qt::Key_C);
  QKeyEvent repeat(QEvent::KeyRelease, Qt::Key_C, Qt::NoModifier, "c", true);
  QApplication::sendEvent(surface, &repeat);
  EXPECT_TRUE(View().CentringKey);
  QTest::keyRelease(surface, Qt::Key_C);
  EXPECT_FALSE(View().CentringKey);
  QTest::keyPress(surface, Qt::Key_C, Qt::ControlModifier);
  EXPECT_FALSE(View().CentringKey);
}

const Program kPrograms[] = {
    {"Lyt", MakeLyt, {std::begin(lyt::control::Board), std::end(lyt::control::Board)}, "ComboEmp",
     "OptPastilleR", Qt::Key(0), "carte.Lyt",
     [](common::MainWindowBase& window) {
       using namespace lyt::ElementKind;
       namespace L = lyt::BoardLayer;
       static_cast<lyt::MainWindow&>(window).Editor().Document().Elements = {
           board_tests::Element(0, Track, L::Component, 0.635f, 20, 20, 30, 20),
           board_tests::Element(0, RoundPad, L::Through, 1.5f, 20, 35),
           board_tests::Element(0, Hole, L::Through, 0.5f, 20, 35)};
     },
     {{"CheckComposants", nullptr}, {"TextEchelle", "2"}}, QRect(0, 0, 120, 100),
     // In colour at scale 2: along the track its extent less its width, which
     // the round ends add; the white centre of a hole, off its cross.
     [](const QImage& page, double dots) {
       dots *= 2;  // per millimetre of board
       const QRect track = BoxOf(page, 0x00C000), pad = BoxOf(page, 0xFF0000);
       ASSERT_FALSE(track.isNull() || pad.isNull());
       EXPECT_NEAR(track.width() - track.height(), 10.0 * dots, 1.0);
       EXPECT_NEAR(track.height(), 0.635 * dots, 1.0);
       EXPECT_NEAR(pad.width(), 3.0 * dots, 2.0);
       EXPECT_NEAR(pad.center().y() - track.center().y(), 15.0 * dots, 2.0);
       const QPoint offTheCross(int(0.2 * dots), int(0.2 * dots));
       EXPECT_EQ(page.pixel(pad.center() + offTheCross) & 0xFFFFFF, 0xFFFFFFu);
     }},
    {"Skt", MakeSkt, {std::begin(skt::control::Schematic), std::end(skt::control::Schematic)},
     "ComboDossier", "OptMasse", Qt::Key_G, "schema.Skt",
     [](common::MainWindowBase& window) {
       static_cast<skt::MainWindow&>(window).Editor().Document().Elements = {
           {0, skt::ElementKind::Wire, 0, 100, 100, 110, 100, false, {}, 0}};
     },
     {}, QRect(90, 95, 35, 20),  // away from the frame, which lies within a few mm of the page's edges
     [](const QImage& page, double dots) { EXPECT_NEAR(BoxOf(page, 0).width() / dots, 10.0, 0.3); }}};

INSTANTIATE_TEST_SUITE_P(Programs, BothWindows, ::testing::ValuesIn(kPrograms),
                         [](const auto& info) { return std::string(info.param.Name); });

}  // namespace
