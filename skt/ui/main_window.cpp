#include "skt/ui/main_window.h"

#include <QAction>
#include <QComboBox>
#include <QLabel>
#include <QMenuBar>

namespace skt {
namespace {

const std::vector<common::PaletteButton> kTools = {
    {control::OptSelect, "Séléction 'Echap'"},
    {control::OptFil, "  Fil  'W' (Wire)"},
    {control::Optbus, "  Bus  'B'"},
    {control::OptPoint, " Ligne Pointillée  'L'"},
    {control::OptJonction, " Jonction  'J'"},
    {control::OptEntreeBus, " Entrée de Bus 'E'"},
    {control::OptMasse, "  Masse  'G'  (Ground)"},
    {control::OptTerre, "  Terre  "},
    {control::OptPlus5V, "  +5Volts "},
    {control::OptMoins5V, "  - 5Volts  "},
    {control::OptFleche, "  Flèche  'F'"},
    {control::OptRenvoi, "Renvoi vers un aute schéma 'S' "},
    {control::OptRond, " Cercle  "},
    {control::OptTexte, " Texte  'T'"},
    {control::OptComposant, " Composant 'P' (Placer) "},
};

}  // namespace

MainWindow::MainWindow(const QString& programFolder)
    : MainWindowBase(common::Program::Skt, programFolder) {
  BuildLists();
  BuildToolPalette("Eléments:", kTools);
  BuildStatusBar({250, 130, 130});
  editor_ = std::make_unique<SchematicEditor>(*this, programFolder.toStdString());
  menuBar()->addMenu(BuildFileMenu());
  menuBar()->addMenu(BuildEditMenu());
  menuBar()->addMenu(BuildViewMenu());
  menuBar()->addMenu(BuildHelpMenu());
  Attach(*editor_);
}

MainWindow::~MainWindow() = default;

// ---- menus ---------------------------------------------------------------

QAction* MainWindow::AddItem(QMenu* menu, const char* name, const char* caption,
                             void (SchematicEditor::*command)()) {
  return AddMenuItem(menu, name, caption, [this, command] { (Editor().*command)(); });
}

QMenu* MainWindow::BuildFileMenu() {
  QMenu* menu = new QMenu(QString::fromUtf8("&Fichier"), this);
  menu->setObjectName("MnuFichier");
  AddItem(menu, "MnuNouveau", "&Nouveau ", &SchematicEditor::MnuNouveau)->setShortcut(QKeySequence("Ctrl+N"));
  AddItem(menu, "MnuOuvrir", "&Ouvrir ", &SchematicEditor::MnuOuvrir)->setShortcut(QKeySequence("Ctrl+O"));
  AddMenuSeparator(menu, "MnuSep1");
  AddItem(menu, "MnuEnreg", "En&registrer", &SchematicEditor::MnuEnreg);
  AddItem(menu, "MnuEnregSous", "&Enregistrer Sous", &SchematicEditor::MnuEnregSous);
  AddMenuSeparator(menu, "MnuSep2");
  AddItem(menu, "MnuImpression", "Im&pression", &SchematicEditor::MnuImpression);
  AddMenuSeparator(menu, "MnuSep3");
  AddMenuItem(menu, "MnuQuitter", "&Quitter", [this] { Quit(); });
  return menu;
}

QMenu* MainWindow::BuildEditMenu() {
  auto* menu = new QMenu(QString::fromUtf8("&Edition"), this);
  SetEditMenu(menu);
  menu->setObjectName("MnuEdit");
  AddItem(menu, control::MnuAnnuler, "&Annuler supprimer", &SchematicEditor::MnuAnnuler)->setShortcut(QKeySequence("Ctrl+Z"));
  AddMenuSeparator(menu, "mnusep5");
  AddItem(menu, control::MnuCouper, "&Couper", &SchematicEditor::MnuCouper)->setShortcut(QKeySequence("Ctrl+X"));
  AddItem(menu, control::MnuCopier, "Co&pier", &SchematicEditor::MnuCopier)->setShortcut(QKeySequence("Ctrl+C"));
  AddItem(menu, control::MnuColler, "C&oller", &SchematicEditor::MnuColler)->setShortcut(QKeySequence("Ctrl+V"));
  AddItem(menu, control::MnuSuppr, "&Supprimer   ", &SchematicEditor::MnuSuppr)->setShortcut(QKeySequence(Qt::Key_Delete));
  AddMenuSeparator(menu, "MnuSep4");
  AddItem(menu, control::MnuRotation, "&Rotation ", &SchematicEditor::MnuRotation);
  AddItem(menu, control::MnuHoriz, "Miroir &Horizontal ", &SchematicEditor::MnuHoriz);
  AddItem(menu, control::MnuVertical, "Miroir &Vertical   ", &SchematicEditor::MnuVertical);
  AddItem(menu, control::MnuEditTexte, "Editer &Texte ", &SchematicEditor::MnuEditTexte);
  return menu;
}

QMenu* MainWindow::BuildViewMenu() {
  QMenu* menu = new QMenu(QString::fromUtf8("&Affichage"), this);
  menu->setObjectName("MnuAffich");
  QAction* grid = AddItem(menu, control::MnuGrille, "Grille", &SchematicEditor::MnuGrille);
  grid->setShortcut(QKeySequence("Ctrl+G"));
  QAction* stay = AddItem(menu, control::MnuRester, "Rester &Sur la Grille", &SchematicEditor::MnuRester);
  AddItem(menu, "MnuPas", "Pas de la Grille", &SchematicEditor::MnuPas);
  AddItem(menu, "MnuRafraichi", "Rafraichissement", &SchematicEditor::MnuRafraichi)
      ->setShortcut(QKeySequence(Qt::Key_F5));
  AddMenuSeparator(menu, "Mnusep10");
  AddItem(menu, "MnuZoomIn", "Zoom &In", &SchematicEditor::MnuZoomIn);
  AddItem(menu, "MnuZoomOut", "Zoom &Out", &SchematicEditor::MnuZoomOut);
  for (QAction* action : {grid, stay}) {
    action->setCheckable(true);
    action->setChecked(true);
  }
  return menu;
}

QMenu* MainWindow::BuildHelpMenu() {
  QMenu* menu = new QMenu(QString::fromUtf8("&?"), this);
  menu->setObjectName("MnuExclamation");
  AddItem(menu, "MnuAide", "Aide", &SchematicEditor::MnuAide)->setShortcut(QKeySequence(Qt::Key_F1));
  AddMenuSeparator(menu, "mnutiret20");
  AddItem(menu, "MnuAPropos", "A propos...", &SchematicEditor::MnuAPropos);
  return menu;
}

// ---- lists -----------------------------------------------------------------

// A family chosen by the user lists its components; the editor fills both
// lists itself on New and Open.
void MainWindow::BuildLists() {
  struct Entry {
    const char* Label;
    const char* Name;
    int Width;
  };
  const Entry entries[] = {{"Taille Cercle :", control::ComboRond, 80},
                           {"Dossier :", control::ComboDossier, 160},
                           {"Composants :", control::ComboEmp, 200}};
  int x = 56;
  for (const Entry& entry : entries) {
    auto* label = new QLabel(QString::fromUtf8(entry.Label), Central());
    label->adjustSize();
    QComboBox* combo = AddList(entry.Name, Central());
    const int height = combo->sizeHint().height();
    label->move(x, (height - label->height()) / 2);
    x += label->width() + 4;
    combo->setGeometry(x, 0, entry.Width, height);
    x += entry.Width + 14;
  }
  connect(Central()->findChild<QComboBox*>(control::ComboDossier), &QComboBox::activated, this,
          [this] { Editor().ComboDossierClick(); });
}

}  // namespace skt
