#include "lyt/ui/main_window.h"

#include "common/ui/qt_canvas.h"

#include <QAction>
#include <QButtonGroup>
#include <QFrame>
#include <QLabel>
#include <QMenuBar>
#include <QToolButton>

#include <tuple>

namespace lyt {
namespace {

const std::vector<common::PaletteButton> kTools = {
    {control::OptSelect, "Séléction"},
    {control::OptPiste, "Piste"},
    {control::OptPastilleR, "Pastille Ronde"},
    {control::OptPastilleC, "Pastille Carrée"},
    {control::OptPastilleOH, "Pastille Ovale"},
    {control::OptPastilleRect, "Pastille Rectangulaire"},
    {control::OptTrou, "Trou"},
    {control::OptRond, "Cercle (pour Sérigraphie)"},
    {control::OptTexte, "Texte 'T'"},
    {control::OptEmp, "Empreinte"},
};

constexpr int kButtonSize = 24;

}  // namespace

MainWindow::MainWindow(const QString& programFolder)
    : MainWindowBase(common::Program::Lyt, programFolder) {
  BuildLists();
  BuildLayerButtons(BuildToolPalette("Eléments:", kTools));
  BuildStatusBar({150, 250, 250, 130, 130});
  editor_ = std::make_unique<BoardEditor>(*this, programFolder.toStdString());
  menuBar()->addMenu(BuildFileMenu([this](QMenu* menu) {
    AddItem(menu, "MnuGerber", "&Gerber RS-274X", &BoardEditor::MnuGerber);
    AddItem(menu, "MnuExcellon", "E&xcellon format 2", &BoardEditor::MnuExcellon);
    AddMenuSeparator(menu, "Mnusep4");
  }));
  menuBar()->addMenu(BuildEditMenu("Mnusep6", [this](QMenu* menu) {
    AddItem(menu, control::MnuRotation, "&Rotation", &BoardEditor::MnuRotation);
    AddItem(menu, control::MnuChanger, "Chan&gement de couche", &BoardEditor::MnuChanger);
    AddItem(menu, control::MnuEditTexte, "Editer &Texte", &BoardEditor::MnuEditTexte);
    AddItem(menu, control::MnuInfo, "&Information", &BoardEditor::MnuInfo);
  }));
  menuBar()->addMenu(BuildViewMenu("MnuSep7", [this](QMenu* menu) { AddLayerItems(menu); }));
  menuBar()->addMenu(BuildHelpMenu("mnusep9"));
  Attach(*editor_);
}

MainWindow::~MainWindow() = default;

// ---- menus ---------------------------------------------------------------

QAction* MainWindow::AddItem(QMenu* menu, const char* name, const char* caption,
                             void (BoardEditor::*command)()) {
  return AddMenuItem(menu, name, caption, [this, command] { (Editor().*command)(); });
}

// Each layer menu starts checked: every layer is shown.
void MainWindow::AddLayerItems(QMenu* menu) {
  for (auto [name, caption, command] : {std::tuple{control::MnuComposant, "Couche Composants", &BoardEditor::MnuComposant},
                                        std::tuple{control::MnuSoudure, "Couche Soudures", &BoardEditor::MnuSoudure},
                                        std::tuple{control::MnuSerig, "Couche Sérigraphie", &BoardEditor::MnuSerig}}) {
    QAction* layer = AddItem(menu, name, caption, command);
    layer->setCheckable(true);
    layer->setChecked(true);
  }
  AddMenuSeparator(menu, "Mnusep8");
}

// ---- palette, lists, status bar -------------------------------------------

// The layer buttons under the tool palette, and Shape1 showing the colour
// of the current layer.
void MainWindow::BuildLayerButtons(int toolsHeight) {
  QWidget* central = Central();
  QLabel* caption = new QLabel(QString::fromUtf8("Couche:"), central);
  QFont font = caption->font();
  font.setPointSizeF(font.pointSizeF() * 0.8);
  caption->setFont(font);
  caption->setGeometry(2, 30 + toolsHeight, 48, 18);
  QFrame* frame1 = new QFrame(central);
  frame1->setObjectName("Frame1");
  frame1->setGeometry(13, 50 + toolsHeight, kButtonSize, 3 * kButtonSize);
  auto* layers = new QButtonGroup(this);
  const std::pair<common::PaletteButton, void (BoardEditor::*)()> buttons[] = {
      {{control::OptComposant, "Couche Composants"}, &BoardEditor::OptComposant},
      {{control::OptSoudure, "Couche Soudures"}, &BoardEditor::OptSoudure},
      {{control::OptSerig, "Couche Sérigraphie"}, &BoardEditor::OptSerig}};
  int index = 0;
  for (const auto& [button, command] : buttons) {
    QToolButton* layer = MakePaletteButton(button, frame1);
    layer->setGeometry(0, index++ * kButtonSize, kButtonSize, kButtonSize);
    layers->addButton(layer);
    connect(layer, &QToolButton::clicked, this, [this, command = command] { (Editor().*command)(); });
  }
  shape1_ = new QFrame(central);
  shape1_->setObjectName("Shape1");
  shape1_->setFrameShape(QFrame::Box);
  shape1_->setGeometry(15, 56 + toolsHeight + 3 * kButtonSize, 20, 14);
  shape1_->setAutoFillBackground(true);
}

void MainWindow::BuildLists() {
  BuildListRow({{"Taille Pastilles :", control::ComboPastille, 90},
                {"Taille Pistes :", control::ComboPiste, 90},
                {"Taille Trous :", control::ComboTrou, 80},
                {"Empreinte :", control::ComboEmp, 160}});
}

// ---- the board's own part of the UI port -------------------------------------

void MainWindow::SetShapeColour(common::Colour colour) {
  QPalette palette = shape1_->palette();
  palette.setColor(QPalette::Window, common::QtCanvas::ToQColor(colour));
  shape1_->setPalette(palette);
}

}  // namespace lyt
