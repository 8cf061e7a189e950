#include "lyt/print/print_dialog.h"
#include "lyt/ui/main_window.h"

#include <QApplication>
#include <QCheckBox>
#include <QComboBox>
#include <QDir>
#include <QElapsedTimer>
#include <QFileDialog>
#include <QGroupBox>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <functional>
#include <string>

namespace {

template <class Widget>
Widget* Child(QWidget* parent, const char* name) {
  auto* widget = parent->findChild<Widget*>(name);
  EXPECT_NE(widget, nullptr) << name;
  return widget;
}

// Acts on the next modal window of type W once it is up; a window that never
// comes fails the test after a few seconds instead of hanging it.
template <class W>
void WhenShown(std::function<void(W*)> act) {
  auto* timer = new QTimer;
  auto* clock = new QElapsedTimer;
  clock->start();
  QObject::connect(timer, &QTimer::timeout, [timer, clock, act] {
    auto* window = qobject_cast<W*>(QApplication::activeModalWidget());
    const bool late = clock->elapsed() > 10000;
    if (!window && !late) return;
    timer->stop();
    timer->deleteLater();
    delete clock;
    if (window)
      act(window);
    else
      ADD_FAILURE() << "expected window never shown";
  });
  timer->start(10);
}

void Click(QWidget* dialog, const char* name) { Child<QPushButton>(dialog, name)->click(); }

class PrintDialogTest : public ::testing::Test {
 protected:
  PrintDialogTest() : window(QDir::tempPath()) {
    window.resize(1024, 700);
    window.show();
    window.Editor().Start("");
  }
  lyt::PrintDialog* Form() { return window.findChild<lyt::PrintDialog*>("FormImpression"); }

  lyt::MainWindow window;
};

TEST_F(PrintDialogTest, ControlsFirstStateAndSettingsKeptBetweenShowings) {
  WhenShown<QDialog>([](QDialog* form) {
    EXPECT_EQ(form->windowTitle().toStdString(), "Impression");
    const std::pair<const char*, const char*> captions[] = {
        {"Label1", "Impression avec  :"},
        {"Command1", "Propriétés"},
        {"OptNoir", "En Noir (pour typons)"},
        {"OptCouleur", "En couleur (pour contrôle)"},
        {"CheckComposants", "Coté Composants"},
        {"CheckSoudures", "Coté Soudures"},
        {"CheckSerig", "Sérigraphie"},
        {"CheckPercage", "Plan de perçage"},
        {"Label2", "Echelle :"},
        {"Label3", "Attention : l'imprimante doit être configurée en 600DPI, sinon impression 2 "
                   "fois trop grande !"},
        {"CmdImprim", "Imprimer"},
        {"CmdAnnuler", "Annuler"}};
    for (auto [name, caption] : captions) {
      QWidget* control = Child<QWidget>(form, name);
      const QString text = control->property("text").toString();
      EXPECT_EQ(text.toStdString(), caption) << name;
    }
    EXPECT_EQ(Child<QGroupBox>(form, "Frame1")->title().toStdString(), " Impression ");
    auto* printers = Child<QComboBox>(form, "ComboPrinter");
    EXPECT_EQ(printers->itemText(printers->count() - 1), lyt::PrintDialog::PdfEntry());
    const lyt::PrintChoice first = static_cast<lyt::PrintDialog*>(form)->Choice();
    EXPECT_FALSE(first.Black || first.Component || first.Solder || first.Silkscreen || first.Drill);
    EXPECT_EQ(first.Scale, "1.00");
    Child<QRadioButton>(form, "OptNoir")->setChecked(true);
    Child<QCheckBox>(form, "CheckSerig")->setChecked(true);
    Child<QLineEdit>(form, "TextEchelle")->setText("2");
    Click(form, "CmdAnnuler");
  });
  window.Editor().MnuImpression();
  lyt::PrintDialog* first = Form();
  ASSERT_NE(first, nullptr);
  EXPECT_FALSE(first->isVisible());
  lyt::PrintChoice kept;
  WhenShown<lyt::PrintDialog>([&](lyt::PrintDialog* form) {
    kept = form->Choice();
    Click(form, "CmdAnnuler");
  });
  window.Editor().MnuImpression();
  EXPECT_EQ(Form(), first);
  EXPECT_TRUE(kept.Black && kept.Silkscreen && !kept.Component);
  EXPECT_EQ(kept.Scale, "2");
}

// Message boxes shown while the dialog is open: their text and title, and
// whether the dialog was still there behind them.
TEST_F(PrintDialogTest, RefusedScaleAndUnknownPrinterKeepTheDialogOpen) {
  std::vector<std::string> messages;
  auto closeMessage = [&](QMessageBox* box) {
    messages.push_back(box->windowTitle().toStdString() + "|" + box->text().toStdString());
    box->accept();
  };
  WhenShown<lyt::PrintDialog>([&](lyt::PrintDialog* form) {
    Child<QLineEdit>(form, "TextEchelle")->setText("abc");
    Child<QCheckBox>(form, "CheckComposants")->setChecked(true);
    WhenShown<QMessageBox>(closeMessage);
    Click(form, "CmdImprim");
    EXPECT_TRUE(form->isVisible());

    auto* printers = Child<QComboBox>(form, "ComboPrinter");
    printers->addItem("Imprimante disparue");
    printers->setCurrentIndex(printers->count() - 1);
    WhenShown<QMessageBox>(closeMessage);
    Click(form, "Command1");
    EXPECT_TRUE(form->isVisible());
    Click(form, "CmdAnnuler");
  });
  const std::int32_t zoom = window.Editor().View().Zoom;
  window.Editor().MnuImpression();
  EXPECT_EQ(messages, (std::vector<std::string>{"Lytplan|échelle incorrecte !",
                                                "Echec|Impossible d'accéder à l'imprimante!"}));
  EXPECT_EQ(window.Editor().View().Zoom, zoom);
}

TEST_F(PrintDialogTest, PdfEntryAsksForTheFileThenPrintsAndHides) {
  QTemporaryDir folder;
  window.Editor().SetFileName(folder.filePath("carte.Lyt").toStdString());
  ASSERT_TRUE(window.Editor().Write());
  WhenShown<lyt::PrintDialog>([&](lyt::PrintDialog* form) {
    auto* printers = Child<QComboBox>(form, "ComboPrinter");
    printers->setCurrentIndex(printers->findText(lyt::PrintDialog::PdfEntry()));
    Child<QCheckBox>(form, "CheckPercage")->setChecked(true);
    // Giving up the file name prints nothing and leaves the dialog open.
    WhenShown<QFileDialog>([](QFileDialog* files) { files->reject(); });
    Click(form, "CmdImprim");
    EXPECT_TRUE(form->isVisible());
    // The name offered: the board's, beside it.
    WhenShown<QFileDialog>([](QFileDialog* files) {
      EXPECT_EQ(files->acceptMode(), QFileDialog::AcceptSave);
      static_cast<QDialog*>(files)->accept();  // QFileDialog hides it
    });
    Click(form, "CmdImprim");
  });
  const std::int32_t zoom = window.Editor().View().Zoom;
  window.Editor().MnuImpression();
  EXPECT_FALSE(Form()->isVisible());
  EXPECT_EQ(window.Editor().View().Zoom, zoom);
  QFile written(folder.filePath("carte.pdf"));
  ASSERT_TRUE(written.open(QIODevice::ReadOnly));
  EXPECT_TRUE(written.read(5).startsWith("%PDF"));
}

}  // namespace
