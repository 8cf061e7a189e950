#include "lyt/ui/main_window.h"

#include "common/ui/file_type_registration.h"
#include "common/ui/qt_ui_services.h"
#include "common/ui/tool_icons.h"

#include <QAction>
#include <QApplication>
#include <QButtonGroup>
#include <QClipboard>
#include <QCloseEvent>
#include <QComboBox>
#include <QCursor>
#include <QFileInfo>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>

namespace lyt {
namespace {

struct ToolButton {
  const char* Name;
  const char* ToolTip;
};

constexpr ToolButton kTools[] = {
    {"OptSelect", "Séléction"},
    {"OptPiste", "Piste"},
    {"OptPastilleR", "Pastille Ronde"},
    {"OptPastilleC", "Pastille Carrée"},
    {"OptPastilleOH", "Pastille Ovale"},
    {"OptPastilleRect", "Pastille Rectangulaire"},
    {"OptTrou", "Trou"},
    {"OptRond", "Cercle (pour Sérigraphie)"},
    {"OptTexte", "Texte 'T'"},
    {"OptEmp", "Empreinte"},
};

constexpr ToolButton kLayers[] = {
    {"OptComposant", "Couche Composants"},
    {"OptSoudure", "Couche Soudures"},
    {"OptSerig", "Couche Sérigraphie"},
};

constexpr int kButtonSize = 24;

// The palette strip is only 50 pixels wide: its captions use a smaller font.
QLabel* PaletteCaption(const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  QFont font = label->font();
  font.setPointSizeF(font.pointSizeF() * 0.8);
  label->setFont(font);
  return label;
}

QString Q(const std::string& text) { return QString::fromStdString(text); }

}  // namespace

MainWindow::MainWindow(const QString& programFolder) : programFolder_(programFolder) {
  setObjectName("Form1");
  setWindowIcon(common::ProgramIcon(common::Program::Lyt));
  central_ = new QWidget(this);
  central_->setObjectName("Form1Client");
  setCentralWidget(central_);
  central_->installEventFilter(this);
  drawingArea_ = std::make_unique<common::DrawingArea>(central_);
  BuildSizeLists(central_);
  BuildPalette(central_);
  BuildStatusBar();
  help_ = std::make_unique<common::HelpWindowLauncher>(common::LytHelpContent(), this);
  editor_ = std::make_unique<BoardEditor>(*this, programFolder.toStdString());
  BuildMenus();
  ConnectDrawingArea();
  ConnectMouse();
  ConnectToolButtons();
  resize(1024, 700);
}

// The editor goes first: the window must not call it while tearing down.
MainWindow::~MainWindow() {
  central_->removeEventFilter(this);
  drawingArea_.reset();
}

// ---- menus ---------------------------------------------------------------

QAction* MainWindow::AddItem(QMenu* menu, const char* name, const char* caption,
                             void (BoardEditor::*command)()) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setObjectName(name);
  if (command) connect(action, &QAction::triggered, this, [this, command] { (Editor().*command)(); });
  return action;
}

void MainWindow::AddSeparator(QMenu* menu, const char* name) {
  menu->addSeparator()->setObjectName(name);
}

void MainWindow::BuildMenus() {
  menuBar()->addMenu(BuildFileMenu());
  menuBar()->addMenu(BuildEditMenu());
  menuBar()->addMenu(BuildViewMenu());
  menuBar()->addMenu(BuildHelpMenu());
}

QMenu* MainWindow::BuildFileMenu() {
  QMenu* menu = new QMenu(QString::fromUtf8("&Fichier"), this);
  menu->setObjectName("MnuFichier");
  AddItem(menu, "MnuNouveau", "&Nouveau ", &BoardEditor::MnuNouveau)->setShortcut(QKeySequence("Ctrl+N"));
  AddItem(menu, "MnuOuvrir", "&Ouvrir ", &BoardEditor::MnuOuvrir)->setShortcut(QKeySequence("Ctrl+O"));
  AddSeparator(menu, "MnuSep1");
  AddItem(menu, "MnuEnreg", "En&registrer", &BoardEditor::MnuEnreg);
  AddItem(menu, "MnuEnregSous", "&Enregistrer Sous", &BoardEditor::MnuEnregSous);
  AddSeparator(menu, "MnuSep2");
  AddItem(menu, "MnuImpression", "Im&pression", &BoardEditor::MnuImpression);
  AddSeparator(menu, "MnuSep3");
  AddItem(menu, "MnuGerber", "&Gerber RS-274X", &BoardEditor::MnuGerber);
  AddItem(menu, "MnuExcellon", "E&xcellon format 2", &BoardEditor::MnuExcellon);
  AddSeparator(menu, "Mnusep4");
  connect(AddItem(menu, "MnuQuitter", "&Quitter"), &QAction::triggered, this, [this] { Quit(); });
  return menu;
}

QMenu* MainWindow::BuildEditMenu() {
  editMenu_ = new QMenu(QString::fromUtf8("&Edition"), this);
  QMenu* menu = editMenu_;
  menu->setObjectName("MnuEdit");
  AddItem(menu, "MnuAnnuler", "&Annuler supprimer", &BoardEditor::MnuAnnuler)->setShortcut(QKeySequence("Ctrl+Z"));
  AddSeparator(menu, "mnusep5");
  AddItem(menu, "MnuCouper", "&Couper", &BoardEditor::MnuCouper)->setShortcut(QKeySequence("Ctrl+X"));
  AddItem(menu, "MnuCopier", "Co&pier", &BoardEditor::MnuCopier)->setShortcut(QKeySequence("Ctrl+C"));
  AddItem(menu, "MnuColler", "C&oller", &BoardEditor::MnuColler)->setShortcut(QKeySequence("Ctrl+V"));
  AddItem(menu, "MnuSuppr", "&Supprimer   ", &BoardEditor::MnuSuppr)->setShortcut(QKeySequence(Qt::Key_Delete));
  AddSeparator(menu, "Mnusep6");
  AddItem(menu, "MnuRotation", "&Rotation", &BoardEditor::MnuRotation);
  AddItem(menu, "MnuChanger", "Chan&gement de couche", &BoardEditor::MnuChanger);
  AddItem(menu, "MnuEditTexte", "Editer &Texte", &BoardEditor::MnuEditTexte);
  AddItem(menu, "MnuInfo", "&Information", &BoardEditor::MnuInfo);
  return menu;
}

QMenu* MainWindow::BuildViewMenu() {
  QMenu* menu = new QMenu(QString::fromUtf8("&Affichage"), this);
  menu->setObjectName("MnuAffich");
  QAction* grid = AddItem(menu, "MnuGrille", "Grille", &BoardEditor::MnuGrille);
  grid->setShortcut(QKeySequence("Ctrl+G"));
  QAction* stay = AddItem(menu, "MnuRester", "Rester &Sur la Grille", &BoardEditor::MnuRester);
  AddItem(menu, "MnuPas", "Pas de la Grille", &BoardEditor::MnuPas);
  AddItem(menu, "MnuRafraichi", "Rafraichissement", &BoardEditor::MnuRafraichi)
      ->setShortcut(QKeySequence(Qt::Key_F5));
  AddSeparator(menu, "MnuSep7");
  QAction* component = AddItem(menu, "MnuComposant", "Couche Composants", &BoardEditor::MnuComposant);
  QAction* solder = AddItem(menu, "MnuSoudure", "Couche Soudures", &BoardEditor::MnuSoudure);
  QAction* silk = AddItem(menu, "MnuSerig", "Couche Sérigraphie", &BoardEditor::MnuSerig);
  AddSeparator(menu, "Mnusep8");
  AddItem(menu, "MnuZoomIn", "Zoom &In", &BoardEditor::MnuZoomIn);
  AddItem(menu, "MnuZoomOut", "Zoom &Out", &BoardEditor::MnuZoomOut);
  for (QAction* action : {grid, stay, component, solder, silk}) {
    action->setCheckable(true);
    action->setChecked(true);
  }
  return menu;
}

QMenu* MainWindow::BuildHelpMenu() {
  QMenu* menu = new QMenu(QString::fromUtf8("&?"), this);
  menu->setObjectName("MnuExclamation");
  QAction* help = AddItem(menu, "MnuAide", "Aide");
  help->setShortcut(QKeySequence(Qt::Key_F1));
  connect(help, &QAction::triggered, this, [this] { ShowHelp(); });
  AddSeparator(menu, "mnusep9");
  AddItem(menu, "MnuAPropos", "A propos...", &BoardEditor::MnuAPropos);
  return menu;
}

// ---- palette, lists, status bar -------------------------------------------

void MainWindow::BuildPalette(QWidget* central) {
  QFrame* frame2 = new QFrame(central);
  frame2->setObjectName("Frame2");
  QLabel* elements = PaletteCaption("Eléments:", central);
  elements->setGeometry(2, 2, 48, 18);
  auto* tools = new QButtonGroup(this);
  int index = 0;
  for (const ToolButton& tool : kTools) {
    auto* button = new QToolButton(frame2);
    button->setObjectName(tool.Name);
    button->setToolTip(QString::fromUtf8(tool.ToolTip));
    button->setIcon(common::ToolIcon(tool.Name));
    button->setIconSize(QSize(kButtonSize - 4, kButtonSize - 4));
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);  // the keys belong to the drawing area
    button->setGeometry((index % 2) * kButtonSize, (index / 2) * kButtonSize, kButtonSize, kButtonSize);
    tools->addButton(button);
    ++index;
  }
  central->findChild<QToolButton*>("OptSelect")->setChecked(true);
  const int toolsHeight = ((index + 1) / 2) * kButtonSize;
  frame2->setGeometry(1, 22, 2 * kButtonSize, toolsHeight);

  QLabel* layer = PaletteCaption("Couche:", central);
  layer->setGeometry(2, 30 + toolsHeight, 48, 18);
  QFrame* frame1 = new QFrame(central);
  frame1->setObjectName("Frame1");
  frame1->setGeometry(13, 50 + toolsHeight, kButtonSize, 3 * kButtonSize);
  auto* layers = new QButtonGroup(this);
  index = 0;
  for (const ToolButton& option : kLayers) {
    auto* button = new QToolButton(frame1);
    button->setObjectName(option.Name);
    button->setToolTip(QString::fromUtf8(option.ToolTip));
    button->setIcon(common::ToolIcon(option.Name));
    button->setIconSize(QSize(kButtonSize - 4, kButtonSize - 4));
    button->setCheckable(true);
    button->setFocusPolicy(Qt::NoFocus);
    button->setGeometry(0, index * kButtonSize, kButtonSize, kButtonSize);
    layers->addButton(button);
    ++index;
  }
  connect(frame1->findChild<QToolButton*>("OptComposant"), &QToolButton::clicked, this,
          [this] { Editor().OptComposant(); });
  connect(frame1->findChild<QToolButton*>("OptSoudure"), &QToolButton::clicked, this,
          [this] { Editor().OptSoudure(); });
  connect(frame1->findChild<QToolButton*>("OptSerig"), &QToolButton::clicked, this,
          [this] { Editor().OptSerig(); });
  shape1_ = new QFrame(central);
  shape1_->setObjectName("Shape1");
  shape1_->setFrameShape(QFrame::Box);
  shape1_->setGeometry(15, 56 + toolsHeight + 3 * kButtonSize, 20, 14);
  shape1_->setAutoFillBackground(true);
}

void MainWindow::BuildSizeLists(QWidget* central) {
  struct Entry {
    const char* Label;
    const char* Name;
    int Width;
  };
  const Entry entries[] = {{"Taille Pastilles :", "ComboPastille", 90},
                           {"Taille Pistes :", "ComboPiste", 90},
                           {"Taille Trous :", "ComboTrou", 80},
                           {"Empreinte :", "ComboEmp", 160}};
  int x = 56;
  for (const Entry& entry : entries) {
    auto* label = new QLabel(QString::fromUtf8(entry.Label), central);
    label->adjustSize();
    auto* combo = new QComboBox(central);
    combo->setObjectName(entry.Name);
    combo->setFocusPolicy(Qt::ClickFocus);
    combo->installEventFilter(this);  // a list taking the focus ends the tool
    const int height = combo->sizeHint().height();
    label->move(x, (height - label->height()) / 2);
    x += label->width() + 4;
    combo->setGeometry(x, 0, entry.Width, height);
    x += entry.Width + 14;
  }
  comboPastille_ = central->findChild<QComboBox*>("ComboPastille");
}

void MainWindow::BuildStatusBar() {
  statusBar()->setObjectName("StatusBar1");
  statusBar()->setSizeGripEnabled(false);
  const int widths[] = {150, 250, 250, 130, 130};
  for (int width : widths) {
    auto* panel = new QLabel(statusBar());
    panel->setFrameShape(QFrame::Panel);
    panel->setFrameShadow(QFrame::Sunken);
    panel->setMinimumWidth(width);
    statusBar()->addWidget(panel);
    panels_.push_back(panel);
  }
}

// ---- drawing area events ---------------------------------------------------

void MainWindow::ConnectDrawingArea() {
  common::DrawingSurface* surface = drawingArea_->Surface();
  surface->KeyPressed = [this](QKeyEvent* event) {
    const bool plain = !(event->modifiers() & (Qt::ShiftModifier | Qt::ControlModifier | Qt::AltModifier));
    const lyt::Key key = event->key() == Qt::Key_C        ? lyt::Key::C
                         : event->key() == Qt::Key_Escape ? lyt::Key::Escape
                         : event->key() == Qt::Key_F5     ? lyt::Key::F5
                                                          : lyt::Key::Other;
    Editor().KeyDown(key, event->modifiers() & Qt::ShiftModifier,
                     event->modifiers() & Qt::ControlModifier, event->modifiers() & Qt::AltModifier);
    const QString text = event->text();
    if (plain && text.size() == 1 && text[0].unicode() < 128)
      Editor().KeyPress(static_cast<char>(text[0].unicode()));
  };
  surface->KeyReleased = [this](QKeyEvent* event) {
    if (event->isAutoRepeat() || event->key() != Qt::Key_C) return;
    Editor().KeyUp(lyt::Key::C, event->modifiers() & Qt::ShiftModifier,
                   event->modifiers() & Qt::ControlModifier, event->modifiers() & Qt::AltModifier);
  };
  drawingArea_->Scrolled = [this](bool horizontal, int value) { Editor().Scrolled(horizontal, value); };
  drawingArea_->ScrollFocusChanged = [this](bool focused) { Editor().ScrollFocusChanged(focused); };
}

void MainWindow::ConnectMouse() {
  common::DrawingSurface* surface = drawingArea_->Surface();
  auto button = [](QMouseEvent* event) {
    return event->button() == Qt::LeftButton    ? MouseButton::Left
           : event->button() == Qt::RightButton ? MouseButton::Right
                                                : MouseButton::Middle;
  };
  auto shift = [](QMouseEvent* event) { return bool(event->modifiers() & Qt::ShiftModifier); };
  auto x = [](QMouseEvent* event) { return static_cast<float>(event->position().x()); };
  auto y = [](QMouseEvent* event) { return static_cast<float>(event->position().y()); };
  surface->MousePressed = [=](QMouseEvent* event) {
    Editor().MouseDown(button(event), shift(event), x(event), y(event));
  };
  surface->MouseReleased = [=](QMouseEvent* event) {
    Editor().MouseUp(button(event), shift(event), x(event), y(event));
  };
  surface->MouseMoved = [=](QMouseEvent* event) {
    MouseButtons held;
    held.Left = event->buttons() & Qt::LeftButton;
    held.Right = event->buttons() & Qt::RightButton;
    Editor().MouseMove(held, shift(event), x(event), y(event));
  };
  surface->DoubleClicked = [this](QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) Editor().DoubleClick();
  };
}

void MainWindow::ConnectToolButtons() {
  const std::pair<const char*, void (BoardEditor::*)()> tools[] = {
      {"OptSelect", &BoardEditor::OptSelect},         {"OptPiste", &BoardEditor::OptPiste},
      {"OptPastilleR", &BoardEditor::OptPastilleR},   {"OptPastilleC", &BoardEditor::OptPastilleC},
      {"OptPastilleOH", &BoardEditor::OptPastilleOH}, {"OptPastilleRect", &BoardEditor::OptPastilleRect},
      {"OptTrou", &BoardEditor::OptTrou},             {"OptRond", &BoardEditor::OptRond},
      {"OptTexte", &BoardEditor::OptTexte},           {"OptEmp", &BoardEditor::OptEmp}};
  for (auto [name, command] : tools) {
    auto* button = findChild<QToolButton*>(name);
    connect(button, &QToolButton::clicked, this, [this, command = command] { (Editor().*command)(); });
  }
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == central_ && event->type() == QEvent::Resize && editor_) Editor().Resized();
  if (event->type() == QEvent::FocusIn && qobject_cast<QComboBox*>(watched) && editor_)
    Editor().ListFocused();
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (quitting_ || Editor().MnuQuitter()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindow::Quit() {
  if (!Editor().MnuQuitter()) return;
  quitting_ = true;
  QApplication::closeAllWindows();
  QApplication::quit();
}

// ---- UI port -----------------------------------------------------------------

common::MessageAnswer MainWindow::ShowMessage(const std::string& text, common::MessageIcon icon,
                                              common::MessageButtons buttons,
                                              const std::string& title) {
  return common::ShowMessageBox(this, text, icon, buttons, title.empty() ? "Lytplan" : title);
}

std::string MainWindow::InputBox(const std::string& prompt, const std::string& title,
                                 const std::string& defaultAnswer) {
  return common::ShowInputBox(this, prompt, title, defaultAnswer);
}

void MainWindow::SetStatusText(int panel, const std::string& text) {
  if (panel >= 1 && panel <= static_cast<int>(panels_.size())) panels_[panel - 1]->setText(Q(text));
}

void MainWindow::SetCaption(const std::string& caption) { setWindowTitle(Q(caption)); }

void MainWindow::SetEnabled(const std::string& control, bool enabled) {
  common::SetControlEnabled(this, Q(control), enabled);
}

void MainWindow::SetChecked(const std::string& control, bool checked) {
  common::SetControlChecked(this, Q(control), checked);
}

void MainWindow::SetPointer(common::PointerShape shape) {
  drawingArea_->Surface()->setCursor(common::CursorFor(shape));
}

void MainWindow::FillList(const std::string& control, const std::vector<std::string>& items,
                          int selected) {
  common::FillComboBox(this, Q(control), items, selected);
}

void MainWindow::SelectOption(const std::string& control) {
  common::SetControlChecked(this, Q(control), true);
}

void MainWindow::SetShapeColour(common::Colour colour) {
  QPalette palette = shape1_->palette();
  palette.setColor(QPalette::Window, common::QtCanvas::ToQColor(colour));
  shape1_->setPalette(palette);
}

void MainWindow::Beep() { QApplication::beep(); }

std::optional<common::FileChoice> MainWindow::AskFileName(common::FileDialogKind kind,
                                                          const common::FileDialogSettings& settings) {
  return common::ShowFileDialog(this, kind, settings);
}

common::Canvas& MainWindow::DrawingArea() { return drawingArea_->Surface()->BeginDrawing(); }

common::WindowMetrics MainWindow::Metrics() const {
  common::WindowMetrics metrics;
  metrics.InnerWidth = central_->width();
  metrics.InnerHeight = central_->height() + statusBar()->height();
  metrics.Minimised = isMinimized();
  metrics.ComboHeight = comboPastille_->height();
  metrics.VScrollWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  metrics.HScrollHeight = metrics.VScrollWidth;
  metrics.StatusBarHeight = statusBar()->height();
  return metrics;
}

void MainWindow::ApplyLayout(const common::WindowLayout& layout) { drawingArea_->Apply(layout); }

common::PixelPoint MainWindow::ScreenCursor() const {
  QPoint position = QCursor::pos();
  return {position.x(), position.y()};
}

common::PixelPoint MainWindow::CursorInDrawingArea() const {
  QPoint position = drawingArea_->Surface()->mapFromGlobal(QCursor::pos());
  return {position.x(), position.y()};
}

common::PixelRect MainWindow::Picture1OnScreen() const {
  QWidget* picture1 = drawingArea_->Container();
  QPoint topLeft = picture1->mapToGlobal(QPoint(0, 0));
  return {topLeft.x(), topLeft.y(), picture1->width(), picture1->height()};
}

void MainWindow::WarpPointer(common::PixelPoint screen) { QCursor::setPos(screen.X, screen.Y); }

// The desktop entry shows the program's icon from a file beside the program:
// it is drawn in code, so it is written there once if it is missing (an
// installed program's folder may not be writable: then there is no icon).
void MainWindow::RegisterFileTypes() {
  const common::FileTypes types = common::LytFileTypes(programFolder_);
  const QString iconPath = types.ProgramFolder + "/" + types.IconFile;
  if (!QFileInfo::exists(iconPath)) common::ProgramIconImage(common::Program::Lyt, 256).save(iconPath);
  common::RegisterFileTypes(types);
}

int MainWindow::ListIndex(const std::string& control) const {
  auto* combo = findChild<QComboBox*>(Q(control));
  return combo ? combo->currentIndex() : -1;
}

std::string MainWindow::ListText(const std::string& control) const {
  auto* combo = findChild<QComboBox*>(Q(control));
  return combo ? combo->currentText().toStdString() : std::string();
}

void MainWindow::PopUpEditMenu() { editMenu_->exec(QCursor::pos()); }

void MainWindow::FocusDrawingArea() { drawingArea_->Surface()->setFocus(); }

void MainWindow::ShowHelp() { help_->Show(); }

void MainWindow::CopyPictureToClipboard(int width, int height, const common::PictureDrawer& draw) {
  QImage picture(width, height, QImage::Format_RGB32);
  {
    common::QtCanvas canvas(picture, QPoint(0, 0), Qt::white, palette().color(QPalette::Highlight));
    draw(canvas);
  }
  QApplication::clipboard()->setImage(picture);
}

char MainWindow::DecimalSeparator() const { return common::UserDecimalSeparator(); }

}  // namespace lyt
