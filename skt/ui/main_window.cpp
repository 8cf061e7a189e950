#include "skt/ui/main_window.h"

#include <QAction>
#include <QComboBox>
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
  menuBar()->addMenu(BuildFileMenu([](QMenu*) {}));
  menuBar()->addMenu(BuildEditMenu("MnuSep4", [this](QMenu* menu) {
    AddItem(menu, control::MnuRotation, "&Rotation ", &SchematicEditor::MnuRotation);
    AddItem(menu, control::MnuHoriz, "Miroir &Horizontal ", &SchematicEditor::MnuHoriz);
    AddItem(menu, control::MnuVertical, "Miroir &Vertical   ", &SchematicEditor::MnuVertical);
    AddItem(menu, control::MnuEditTexte, "Editer &Texte ", &SchematicEditor::MnuEditTexte);
  }));
  menuBar()->addMenu(BuildViewMenu("Mnusep10", [](QMenu*) {}));
  menuBar()->addMenu(BuildHelpMenu("mnutiret20"));
  Attach(*editor_);
}

MainWindow::~MainWindow() = default;

// ---- menus ---------------------------------------------------------------

QAction* MainWindow::AddItem(QMenu* menu, const char* name, const char* caption,
                             void (SchematicEditor::*command)()) {
  return AddMenuItem(menu, name, caption, [this, command] { (Editor().*command)(); });
}

// ---- lists -----------------------------------------------------------------

// A family chosen by the user lists its components; the editor fills both
// lists itself on New and Open.
void MainWindow::BuildLists() {
  BuildListRow({{"Taille Cercle :", control::ComboRond, 80},
                {"Dossier :", control::ComboDossier, 160},
                {"Composants :", control::ComboEmp, 200}});
  connect(Central()->findChild<QComboBox*>(control::ComboDossier), &QComboBox::activated, this,
          [this] { Editor().ComboDossierClick(); });
}

}  // namespace skt
