// The board editor's main window: its controls, the events its drawing area
// passes on, and its text and print dialogs as the user works them.
#include "common/ui/printer_chooser.h"
#include "common/ui/text_dialog.h"
#include "lyt/editor/board_controls.h"
#include "lyt/print/print_dialog.h"
#include "lyt/ui/main_window.h"
#include "support/board_test_support.h"

#include <QAction>
#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
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

#include <functional>
#include <tuple>

namespace {

class LytMainWindow : public ::testing::Test {
 protected:
  LytMainWindow() : window(QDir::tempPath()) {
    window.resize(1280, 800);
    window.show();
  }
  // A named control of `parent`, the window when none.
  template <class T>
  T* Child(const char* name, const QObject* parent = nullptr) {
    T* child = (parent ? parent : &window)->findChild<T*>(name);
    EXPECT_NE(child, nullptr) << name;
    return child;
  }
  QToolButton* Button(const char* name) { return Child<QToolButton>(name); }
  lyt::MainWindow window;
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

// The editor drives controls by name only: a name missing from the window
// would silently leave a menu item or button in the wrong state.
TEST_F(LytMainWindow, EveryControlTheEditorDrivesExists) {
  std::vector<const char*> names(std::begin(lyt::control::Board), std::end(lyt::control::Board));
  names.insert(names.end(), std::begin(common::control::Shared), std::end(common::control::Shared));
  for (const char* name : names) EXPECT_NE(window.findChild<QObject*>(name), nullptr) << name;
}

// Start sets the caption, lists, edit commands and buttons; the layer menu
// item toggles its layer's button.
TEST_F(LytMainWindow, StartResetsTheControlsAndTheLayerMenuTogglesItsButton) {
  window.Editor().Start("");
  EXPECT_EQ(window.windowTitle().toStdString(), " LYT : Sans Nom");
  auto* pads = window.findChild<QComboBox*>("ComboPastille");
  ASSERT_NE(pads, nullptr);
  EXPECT_EQ(std::make_pair(pads->count(), pads->currentText().toStdString()),
            std::make_pair(17, std::string("->1.59mm")));
  EXPECT_FALSE(window.findChild<QAction*>("MnuCouper")->isEnabled() || Button("OptRond")->isEnabled());
  EXPECT_TRUE(Button("OptSoudure")->isChecked() && Button("OptSelect")->isChecked());
  EXPECT_FALSE(Button("OptPiste")->icon().isNull());
  QAction* component = window.findChild<QAction*>("MnuComposant");
  for (bool shown : {false, true}) {
    component->trigger();
    EXPECT_EQ(component->isChecked(), shown);
    EXPECT_EQ(Button("OptComposant")->isEnabled(), shown);
  }
}

// Picture1 where the layout puts it, the drawing centred by the scroll bar,
// and the bar moving the view.
TEST_F(LytMainWindow, LayoutFollowsTheWindowSizeAndTheScrollBars) {
  window.Editor().Start("");
  QWidget* picture1 = window.findChild<QWidget*>("Picture1");
  QWidget* picture2 = window.findChild<QWidget*>("Picture2");
  auto* hScroll = window.findChild<QScrollBar*>("HScroll1");
  for (QSize size : {QSize(1280, 800), QSize(700, 500), QSize(1600, 1000)}) {
    window.resize(size);
    QApplication::processEvents();
    const common::PixelRect& place = window.Editor().Layout().Picture1;
    EXPECT_EQ(picture1->geometry(), QRect(place.Left, place.Top, place.Width, place.Height));
    EXPECT_EQ(std::make_pair(picture1->x(), picture2->size()), std::make_pair(50, QSize(5088, 3696)));
    EXPECT_EQ(picture2->x(), -hScroll->value());
    EXPECT_TRUE(hScroll->isVisible());
  }
  hScroll->setValue(hScroll->value() + 37);
  EXPECT_EQ(window.Editor().Layout().HScroll1.Value, hScroll->value());
  EXPECT_EQ(picture2->x(), -hScroll->value());
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
    QMouseEvent move(QEvent::MouseMove, point, surface->mapToGlobal(point), Qt::NoButton, Qt::NoButton, modifiers);
    QApplication::sendEvent(surface, &move);
    QTest::mouseClick(surface, button, modifiers, point);
  }
  const lyt::Board& Doc() { return window.Editor().Document(); }
  QWidget* surface = nullptr;
};

// A click drops a pad, the right button ends the tool. Shift held on release
// steps through a selection: the pad alone, then the hole alone; Escape lets
// it go. A list taking the focus ends a tool too.
TEST_F(LytWindowEvents, ClicksShiftClicksAndWhatEndsATool) {
  Button("OptPastilleR")->click();
  const QPoint pad = At(25.4f, 12.7f);
  ClickAt(pad);
  ASSERT_EQ(Doc().Elements.size(), 2u);
  EXPECT_EQ(Doc().Elements[0].Kind, lyt::ElementKind::RoundPad);
  EXPECT_FLOAT_EQ(Doc().Elements[0].X1, 25.4f);
  EXPECT_FLOAT_EQ(Doc().Elements[1].Y1, 12.7f);
  ClickAt(At(30, 30), Qt::RightButton);
  EXPECT_EQ(window.Editor().CurrentTool(), lyt::BoardEditor::Tool::Select);
  EXPECT_TRUE(Button("OptSelect")->isChecked());
  EXPECT_EQ(Doc().Elements.size(), 2u);
  ClickAt(pad);
  ASSERT_EQ(Doc().Pending.size(), 2u);
  for (bool padAlone : {true, false}) {
    ClickAt(pad, Qt::LeftButton, Qt::ShiftModifier);
    EXPECT_TRUE(Doc().Pending[0].Active == padAlone && Doc().Pending[1].Active == !padAlone) << padAlone;
  }
  QTest::keyClick(surface, Qt::Key_Escape);
  EXPECT_TRUE(Doc().Pending.empty());

  Button("OptPastilleC")->click();
  ASSERT_EQ(window.Editor().CurrentTool(), lyt::BoardEditor::Tool::SquarePad);
  window.findChild<QComboBox*>("ComboTrou")->setFocus(Qt::MouseFocusReason);
  EXPECT_EQ(window.Editor().CurrentTool(), lyt::BoardEditor::Tool::Select);
  EXPECT_TRUE(Doc().Pending.empty());
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

// The window keeps one dialog, its choices there at the next use. Editing
// offers the text whole and selected, in its size, with no numbering even if
// the box was left ticked; Annuler empties the text; a new text starts empty.
TEST_F(LytMainWindow, KeepsOneTextDialogBetweenUses) {
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
      auto* dialog = Child<common::TextDialog>("FormEditer");
      ASSERT_NE(dialog, nullptr);
      auto* text1 = Child<QLineEdit>("Text1", dialog);
      EXPECT_EQ(text1->selectedText().toStdString(), use.Request.Text);
      EXPECT_EQ(Child<QCheckBox>("CheckINC", dialog)->isVisible(), use.Request.NewText);
      if (use.Text) text1->setText(use.Text);
      if (use.Size >= 0) Child<QComboBox>("ComboTailleTexte", dialog)->setCurrentIndex(use.Size);
      if (use.Start) Child<QCheckBox>("CheckINC", dialog)->setChecked(true);
      if (use.Start) Child<QLineEdit>("TextINC", dialog)->setText(use.Start);
      Child<QPushButton>(use.Button, dialog)->click();
    });
    const common::TextDialogAnswer a = window.ShowTextDialog(use.Request);
    EXPECT_EQ((Fields{a.Accepted, a.Text, a.SizeIndex, a.Numbering, a.NumberingStart}), use.Answer);
  }
}

// The PDF entry asks for the file: giving it up prints nothing and leaves
// the dialog open; with a name the page is written there and the dialog
// hides, to come back with its settings. An unlisted printer is never
// opened. On the page, as pdftoppm renders it, lengths are the board's times
// the scale and the white centre of a hole shows.
TEST_F(LytMainWindow, PrintDialogsPdfEntryAsksForTheFileThenPrintsToScaleAndHides) {
  using namespace lyt::ElementKind;
  namespace L = lyt::BoardLayer;
  lyt::BoardEditor& editor = window.Editor();
  editor.Start("");
  QTemporaryDir folder;
  editor.SetFileName(folder.filePath("carte.Lyt").toStdString());
  ASSERT_TRUE(editor.Write());
  editor.Document().Elements = {board_tests::Element(0, Track, L::Component, 0.635f, 20, 20, 30, 20),
                                board_tests::Element(0, RoundPad, L::Through, 1.5f, 20, 35),
                                board_tests::Element(0, Hole, L::Through, 0.5f, 20, 35)};
  WhenShown<lyt::PrintDialog>([&](lyt::PrintDialog* form) {
    auto* printers = Child<QComboBox>("ComboPrinter", form);
    printers->setCurrentIndex(printers->findText(common::PrinterChooser::PdfEntry()));
    Child<QCheckBox>("CheckComposants", form)->setChecked(true);
    Child<QLineEdit>("TextEchelle", form)->setText("2");
    WhenShown<QFileDialog>([](QFileDialog* files) { files->reject(); });
    Child<QPushButton>("CmdImprim", form)->click();
    EXPECT_TRUE(form->isVisible());
    WhenShown<QFileDialog>([](QFileDialog* files) {
      EXPECT_EQ(files->acceptMode(), QFileDialog::AcceptSave);
      static_cast<QDialog*>(files)->accept();  // the name offered: the board's, beside it
    });
    Child<QPushButton>("CmdImprim", form)->click();
  });
  editor.MnuImpression();
  ASSERT_TRUE(QFile::exists(folder.filePath("carte.pdf")));
  EXPECT_FALSE(window.findChild<lyt::PrintDialog*>()->isVisible());
  lyt::PrintChoice kept;
  WhenShown<lyt::PrintDialog>([&](lyt::PrintDialog* again) {
    kept = again->Choice();
    Child<QPushButton>("CmdAnnuler", again)->click();
  });
  editor.MnuImpression();
  EXPECT_EQ(kept.Printer, common::PrinterChooser::PdfEntry().toStdString());
  EXPECT_TRUE(kept.Component && !kept.Black && kept.Scale == "2");
  // A printer that is not in the list is never opened.
  EXPECT_FALSE(window.ShowPrinterProperties("Imprimante disparue"));
  bool drawn = false;
  const common::PrintJob unlisted{"Imprimante disparue", true, true, {}};
  EXPECT_EQ(window.PrintPage(unlisted, [&](common::Canvas&, double, double) { drawn = true; }),
            common::PrintOutcome::Failed);
  EXPECT_FALSE(drawn);

  if (QStandardPaths::findExecutable("pdftoppm").isEmpty())
    GTEST_SKIP() << "pdftoppm (poppler-utils) is not installed";
  // The page's top-left 120 x 100 mm (1417 x 1181 dots), without antialiasing
  // so that colours stay pure.
  constexpr int dpi = 300;
  const double dots = dpi / 25.4 * 2;  // per millimetre of board, at scale 2
  ASSERT_EQ(QProcess::execute("pdftoppm", {"-r", QString::number(dpi), "-aa", "no", "-aaVector", "no", "-png",
                                           "-singlefile", "-W", "1417", "-H", "1181", folder.filePath("carte.pdf"),
                                           folder.filePath("page")}), 0);
  const QImage page = QImage(folder.filePath("page.png")).convertToFormat(QImage::Format_RGB32);
  // Along the track: its extent less its width, which the round ends add.
  const QRect track = BoxOf(page, 0x00C000), pad = BoxOf(page, 0xFF0000);
  ASSERT_FALSE(track.isNull() || pad.isNull());
  EXPECT_NEAR(track.width() - track.height(), 10.0 * dots, 1.0);
  EXPECT_NEAR(track.height(), 0.635 * dots, 1.0);
  EXPECT_NEAR(pad.width(), 3.0 * dots, 2.0);
  EXPECT_NEAR(pad.center().y() - track.center().y(), 15.0 * dots, 2.0);
  auto at = [&](double dx, double dy) {  // millimetres from the pad's centre
    return page.pixel(pad.center() + QPoint(int(dx * dots), int(dy * dots))) & 0xFFFFFF;
  };
  EXPECT_EQ(at(0.2, 0.2), 0xFFFFFFu);  // inside the drill, off the cross
  EXPECT_EQ(at(0.3, 0), 0x0000FFu);    // the cross
  EXPECT_EQ(at(0.5, 0.5), 0xFF0000u);  // copper around the drill
}

}  // namespace
