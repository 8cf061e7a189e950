#include "common/ui/main_window_base.h"

#include "common/core/control_names.h"
#include "common/ui/file_type_registration.h"
#include "common/ui/qt_canvas.h"
#include "common/ui/qt_ui_services.h"
#include "common/ui/status_panel.h"
#include "common/ui/text_dialog.h"
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
#include <QMenu>
#include <QMouseEvent>
#include <QStatusBar>
#include <QStyle>
#include <QToolButton>
#include <QWheelEvent>

namespace common {
namespace {

constexpr int kButtonSize = 24;

QString Q(const std::string& text) { return QString::fromStdString(text); }

// The palette strip is only 50 pixels wide: its captions use a smaller font.
QLabel* PaletteCaption(const char* text, QWidget* parent) {
  auto* label = new QLabel(QString::fromUtf8(text), parent);
  QFont font = label->font();
  font.setPointSizeF(font.pointSizeF() * 0.8);
  label->setFont(font);
  return label;
}

const char* ProgramTitle(Program program) { return program == Program::Lyt ? "Lytplan" : "Sktplan"; }

Key KeyOf(const QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_C: return Key::C;
    case Qt::Key_Escape: return Key::Escape;
    case Qt::Key_F5: return Key::F5;
    default: return Key::Other;
  }
}

MouseButton ButtonOf(const QMouseEvent* event) {
  return event->button() == Qt::LeftButton    ? MouseButton::Left
         : event->button() == Qt::RightButton ? MouseButton::Right
                                              : MouseButton::Middle;
}

}  // namespace

MainWindowBase::MainWindowBase(Program program, const QString& programFolder)
    : program_(program), programFolder_(programFolder) {
  setObjectName("Form1");
  setWindowIcon(ProgramIcon(program));
  central_ = new QWidget(this);
  central_->setObjectName("Form1Client");
  setCentralWidget(central_);
  central_->installEventFilter(this);
  drawingArea_ = std::make_unique<common::DrawingArea>(central_);
  help_ = std::make_unique<HelpWindowLauncher>(
      program == Program::Lyt ? LytHelpContent() : SktHelpContent(), this);
  resize(1024, 700);
}

// The window must not call the editor while tearing down.
MainWindowBase::~MainWindowBase() {
  input_ = nullptr;
  central_->removeEventFilter(this);
  drawingArea_.reset();
}

void MainWindowBase::Attach(EditorInput& input) {
  input_ = &input;
  ConnectDrawingArea();
  ConnectMouse();
}

// ---- building blocks ----------------------------------------------------------

QToolButton* MainWindowBase::MakePaletteButton(const PaletteButton& button, QWidget* parent) {
  auto* tool = new QToolButton(parent);
  tool->setObjectName(button.Name);
  tool->setToolTip(QString::fromUtf8(button.ToolTip));
  tool->setIcon(program_ == Program::Lyt ? ToolIcon(button.Name) : SchematicToolIcon(button.Name));
  tool->setIconSize(QSize(kButtonSize - 4, kButtonSize - 4));
  tool->setCheckable(true);
  tool->setFocusPolicy(Qt::NoFocus);  // the keys belong to the drawing area
  return tool;
}

int MainWindowBase::BuildToolPalette(const char* caption, const std::vector<PaletteButton>& tools) {
  auto* frame2 = new QFrame(central_);
  frame2->setObjectName("Frame2");
  PaletteCaption(caption, central_)->setGeometry(2, 2, 48, 18);
  auto* group = new QButtonGroup(this);
  int index = 0;
  for (const PaletteButton& tool : tools) {
    QToolButton* button = MakePaletteButton(tool, frame2);
    button->setGeometry((index % 2) * kButtonSize, (index / 2) * kButtonSize, kButtonSize, kButtonSize);
    group->addButton(button);
    const QString name = tool.Name;
    connect(button, &QToolButton::clicked, this, [this, name] {
      if (input_) input_->ToolButton(name.toStdString());
    });
    ++index;
  }
  if (!tools.empty()) frame2->findChild<QToolButton*>(tools.front().Name)->setChecked(true);
  const int height = ((index + 1) / 2) * kButtonSize;
  frame2->setGeometry(1, 22, 2 * kButtonSize, height);
  return height;
}

void MainWindowBase::BuildStatusBar(const std::vector<int>& panelWidths) {
  statusBar()->setObjectName("StatusBar1");
  statusBar()->setSizeGripEnabled(false);
  for (int width : panelWidths) {
    auto* panel = new StatusPanel(width, statusBar());
    statusBar()->addWidget(panel);
    panels_.push_back(panel->Label());
  }
}

QComboBox* MainWindowBase::AddList(const char* name, QWidget* parent) {
  auto* combo = new QComboBox(parent);
  combo->setObjectName(name);
  combo->setFocusPolicy(Qt::ClickFocus);
  combo->installEventFilter(this);  // a list taking the focus ends the tool
  if (!referenceList_) referenceList_ = combo;
  return combo;
}

void MainWindowBase::BuildListRow(const std::vector<ListEntry>& entries) {
  int x = 56;  // right of the palette
  for (const ListEntry& entry : entries) {
    auto* label = new QLabel(QString::fromUtf8(entry.Label), central_);
    label->adjustSize();
    QComboBox* combo = AddList(entry.Name, central_);
    const int height = combo->sizeHint().height();
    label->move(x, (height - label->height()) / 2);
    x += label->width() + 4;
    combo->setGeometry(x, 0, entry.Width, height);
    x += entry.Width + 14;
  }
}

QAction* MainWindowBase::AddMenuItem(QMenu* menu, const char* name, const char* caption,
                                     std::function<void()> command) {
  QAction* action = menu->addAction(QString::fromUtf8(caption));
  action->setObjectName(name);
  if (command) connect(action, &QAction::triggered, this, std::move(command));
  return action;
}

QMenu* MainWindowBase::NewMenu(const char* caption, const char* name) {
  auto* menu = new QMenu(QString::fromUtf8(caption), this);
  menu->setObjectName(name);
  connect(menu, &QMenu::aboutToHide, this, [this] { menuClosedAt_ = QCursor::pos(); });
  return menu;
}

void MainWindowBase::AddMenuSeparator(QMenu* menu, const char* name) {
  menu->addSeparator()->setObjectName(name);
}

// ---- menus -------------------------------------------------------------------------

QMenu* MainWindowBase::BuildFileMenu(const std::function<void(QMenu*)>& outputs) {
  QMenu* menu = NewMenu("&Fichier", "MnuFichier");
  AddMenuItem(menu, "MnuNouveau", "&Nouveau ", [this] { input_->MnuNouveau(); })->setShortcut(QKeySequence("Ctrl+N"));
  AddMenuItem(menu, "MnuOuvrir", "&Ouvrir ", [this] { input_->MnuOuvrir(); })->setShortcut(QKeySequence("Ctrl+O"));
  AddMenuSeparator(menu, "MnuSep1");
  AddMenuItem(menu, "MnuEnreg", "En&registrer", [this] { input_->MnuEnreg(); })->setShortcut(QKeySequence("Ctrl+S"));
  AddMenuItem(menu, "MnuEnregSous", "&Enregistrer Sous", [this] { input_->MnuEnregSous(); });
  AddMenuSeparator(menu, "MnuSep2");
  AddMenuItem(menu, "MnuImpression", "Im&pression", [this] { input_->MnuImpression(); });
  AddMenuSeparator(menu, "MnuSep3");
  outputs(menu);
  AddMenuItem(menu, "MnuQuitter", "&Quitter", [this] { Quit(); });
  return menu;
}

QMenu* MainWindowBase::BuildEditMenu(const char* separator, const std::function<void(QMenu*)>& own) {
  QMenu* menu = NewMenu("&Edition", "MnuEdit");
  editMenu_ = menu;
  AddMenuItem(menu, control::MnuAnnuler, "&Annuler supprimer", [this] { input_->MnuAnnuler(); })
      ->setShortcut(QKeySequence("Ctrl+Z"));
  AddMenuSeparator(menu, "mnusep5");
  AddMenuItem(menu, control::MnuCouper, "&Couper", [this] { input_->MnuCouper(); })->setShortcut(QKeySequence("Ctrl+X"));
  AddMenuItem(menu, control::MnuCopier, "Co&pier", [this] { input_->MnuCopier(); })->setShortcut(QKeySequence("Ctrl+C"));
  AddMenuItem(menu, control::MnuColler, "C&oller", [this] { input_->MnuColler(); })->setShortcut(QKeySequence("Ctrl+V"));
  AddMenuItem(menu, control::MnuSuppr, "&Supprimer   ", [this] { input_->MnuSuppr(); })
      ->setShortcut(QKeySequence(Qt::Key_Delete));
  AddMenuSeparator(menu, separator);
  own(menu);
  return menu;
}

QMenu* MainWindowBase::BuildViewMenu(const char* separator, const std::function<void(QMenu*)>& own) {
  QMenu* menu = NewMenu("&Affichage", "MnuAffich");
  QAction* grid = AddMenuItem(menu, control::MnuGrille, "Grille", [this] { input_->MnuGrille(); });
  grid->setShortcut(QKeySequence("Ctrl+G"));
  QAction* stay = AddMenuItem(menu, control::MnuRester, "Rester &Sur la Grille", [this] { input_->MnuRester(); });
  for (QAction* action : {grid, stay}) {
    action->setCheckable(true);
    action->setChecked(true);
  }
  AddMenuItem(menu, "MnuPas", "Pas de la Grille", [this] { input_->MnuPas(); });
  AddMenuItem(menu, "MnuRafraichi", "Rafraichissement", [this] { input_->MnuRafraichi(); })
      ->setShortcut(QKeySequence(Qt::Key_F5));
  AddMenuSeparator(menu, separator);
  own(menu);
  AddMenuItem(menu, "MnuZoomIn", "Zoom &In", [this] { input_->MnuZoomIn(); });
  AddMenuItem(menu, "MnuZoomOut", "Zoom &Out", [this] { input_->MnuZoomOut(); });
  AddMenuItem(menu, "MnuZoomTout", "Zoom &Tout", [this] { input_->MnuZoomTout(); });
  return menu;
}

QMenu* MainWindowBase::BuildHelpMenu(const char* separator) {
  QMenu* menu = NewMenu("&?", "MnuExclamation");
  AddMenuItem(menu, "MnuAide", "Aide", [this] { input_->MnuAide(); })->setShortcut(QKeySequence(Qt::Key_F1));
  AddMenuSeparator(menu, separator);
  AddMenuItem(menu, "MnuAPropos", "A propos...", [this] { input_->MnuAPropos(); });
  return menu;
}

// ---- events ------------------------------------------------------------------------

// Every key press reaches the editor as a key (auto-repeat included, as a
// held key repeats), and a plain character also as a typed character; only
// the release of C matters, and not its auto-repeated ones.
void MainWindowBase::ConnectDrawingArea() {
  DrawingSurface* surface = drawingArea_->Surface();
  surface->KeyPressed = [this](QKeyEvent* event) {
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    const bool shift = modifiers & Qt::ShiftModifier;
    const bool ctrl = modifiers & Qt::ControlModifier;
    const bool alt = modifiers & Qt::AltModifier;
    input_->KeyDown(KeyOf(event), shift, ctrl, alt);
    const QString text = event->text();
    if (!shift && !ctrl && !alt && text.size() == 1 && text[0].unicode() < 128)
      input_->KeyPress(static_cast<char>(text[0].unicode()));
  };
  surface->KeyReleased = [this](QKeyEvent* event) {
    if (event->isAutoRepeat() || event->key() != Qt::Key_C) return;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    input_->KeyUp(Key::C, modifiers & Qt::ShiftModifier, modifiers & Qt::ControlModifier,
                  modifiers & Qt::AltModifier);
  };
  drawingArea_->Scrolled = [this](bool horizontal, int value) { input_->Scrolled(horizontal, value); };
  drawingArea_->ScrollFocusChanged = [this](bool focused) { input_->ScrollFocusChanged(focused); };
}

void MainWindowBase::ConnectMouse() {
  DrawingSurface* surface = drawingArea_->Surface();
  auto shift = [](QMouseEvent* event) { return bool(event->modifiers() & Qt::ShiftModifier); };
  auto x = [](QMouseEvent* event) { return static_cast<float>(event->position().x()); };
  auto y = [](QMouseEvent* event) { return static_cast<float>(event->position().y()); };
  surface->MousePressed = [=](QMouseEvent* event) {
    input_->MouseDown(ButtonOf(event), shift(event), x(event), y(event));
  };
  surface->MouseReleased = [=](QMouseEvent* event) {
    input_->MouseUp(ButtonOf(event), shift(event), x(event), y(event));
  };
  surface->MouseMoved = [=](QMouseEvent* event) {
    MouseButtons held;
    held.Left = event->buttons() & Qt::LeftButton;
    held.Right = event->buttons() & Qt::RightButton;
    input_->MouseMove(held, shift(event), x(event), y(event));
  };
  surface->DoubleClicked = [this](QMouseEvent* event) {
    if (event->button() == Qt::LeftButton) input_->DoubleClick();
  };
  // A tilted wheel, or a touch pad moved sideways, scrolls sideways too.
  surface->Wheeled = [this](QWheelEvent* event) {
    const QPoint angle = event->angleDelta();
    const bool sideways = angle.y() == 0 && angle.x() != 0;
    const Qt::KeyboardModifiers modifiers = event->modifiers();
    input_->MouseWheel(sideways ? angle.x() : angle.y(), sideways || (modifiers & Qt::ShiftModifier),
                       modifiers & Qt::ControlModifier);
  };
}

bool MainWindowBase::eventFilter(QObject* watched, QEvent* event) {
  if (input_ && watched == central_ && event->type() == QEvent::Resize) input_->Resized();
  if (input_ && event->type() == QEvent::FocusIn && qobject_cast<QComboBox*>(watched))
    input_->ListFocused();
  return QMainWindow::eventFilter(watched, event);
}

void MainWindowBase::closeEvent(QCloseEvent* event) {
  if (quitting_ || !input_ || input_->MnuQuitter()) {
    event->accept();
  } else {
    event->ignore();
  }
}

void MainWindowBase::Quit() {
  if (input_ && !input_->MnuQuitter()) return;
  quitting_ = true;
  QApplication::closeAllWindows();
  QApplication::quit();
}

// ---- UI port ---------------------------------------------------------------------------

MessageAnswer MainWindowBase::ShowMessage(const std::string& text, MessageIcon icon,
                                          MessageButtons buttons, const std::string& title) {
  return ShowMessageBox(this, text, icon, buttons, title.empty() ? ProgramTitle(program_) : title);
}

std::string MainWindowBase::InputBox(const std::string& prompt, const std::string& title,
                                     const std::string& defaultAnswer) {
  return ShowInputBox(this, prompt, title, defaultAnswer);
}

void MainWindowBase::SetStatusText(int panel, const std::string& text) {
  if (panel >= 1 && panel <= static_cast<int>(panels_.size())) panels_[panel - 1]->setText(Q(text));
}

void MainWindowBase::SetCaption(const std::string& caption) { setWindowTitle(Q(caption)); }

void MainWindowBase::SetEnabled(const std::string& control, bool enabled) {
  SetControlEnabled(this, Q(control), enabled);
}

void MainWindowBase::SetChecked(const std::string& control, bool checked) {
  SetControlChecked(this, Q(control), checked);
}

void MainWindowBase::SetPointer(PointerShape shape) {
  drawingArea_->Surface()->setCursor(CursorFor(shape));
}

void MainWindowBase::FillList(const std::string& control, const std::vector<std::string>& items,
                              int selected) {
  FillComboBox(this, Q(control), items, selected);
}

int MainWindowBase::ListIndex(const std::string& control) const {
  auto* combo = findChild<QComboBox*>(Q(control));
  return combo ? combo->currentIndex() : -1;
}

std::string MainWindowBase::ListText(const std::string& control) const {
  auto* combo = findChild<QComboBox*>(Q(control));
  return combo ? combo->currentText().toStdString() : std::string();
}

void MainWindowBase::SelectOption(const std::string& control) {
  SetControlChecked(this, Q(control), true);
}

void MainWindowBase::Beep() { QApplication::beep(); }

std::optional<FileChoice> MainWindowBase::AskFileName(FileDialogKind kind,
                                                      const FileDialogSettings& settings) {
  return ShowFileDialog(this, kind, settings);
}

Canvas& MainWindowBase::DrawingArea() { return drawingArea_->Surface()->BeginDrawing(); }

WindowMetrics MainWindowBase::Metrics() const {
  WindowMetrics metrics;
  metrics.InnerWidth = central_->width();
  metrics.InnerHeight = central_->height() + statusBar()->height();
  metrics.Minimised = isMinimized();
  metrics.ComboHeight = referenceList_ ? referenceList_->height() : 0;
  metrics.VScrollWidth = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
  metrics.HScrollHeight = metrics.VScrollWidth;
  metrics.StatusBarHeight = statusBar()->height();
  return metrics;
}

void MainWindowBase::ApplyLayout(const WindowLayout& layout) { drawingArea_->Apply(layout); }

PixelPoint MainWindowBase::ScreenCursor() const {
  const QPoint position = QCursor::pos();
  return {position.x(), position.y()};
}

PixelPoint MainWindowBase::CursorInDrawingArea() const {
  const QPoint position = drawingArea_->Surface()->mapFromGlobal(QCursor::pos());
  return {position.x(), position.y()};
}

PixelRect MainWindowBase::Picture1OnScreen() const {
  QWidget* picture1 = drawingArea_->Container();
  const QPoint topLeft = picture1->mapToGlobal(QPoint(0, 0));
  return {topLeft.x(), topLeft.y(), picture1->width(), picture1->height()};
}

void MainWindowBase::WarpPointer(PixelPoint screen) { QCursor::setPos(screen.X, screen.Y); }

void MainWindowBase::PopUpEditMenu() {
  if (editMenu_) editMenu_->exec(QCursor::pos());
}

void MainWindowBase::FocusDrawingArea() { drawingArea_->Surface()->setFocus(); }

// The text dialog is a child of the window, made on first use and kept, so
// its settings last while the program runs.
TextDialogAnswer MainWindowBase::ShowTextDialog(const TextDialogRequest& request) {
  auto* dialog = findChild<TextDialog*>(QStringLiteral("FormEditer"), Qt::FindDirectChildrenOnly);
  if (!dialog) dialog = new TextDialog(program_, this);
  return dialog->Ask(request);
}

// The desktop entry shows the program's icon from a file beside the program:
// it is drawn in code, so it is written there once if it is missing (an
// installed program's folder may not be writable: then there is no icon).
void MainWindowBase::RegisterFileTypes() {
  const FileTypes types =
      program_ == Program::Lyt ? LytFileTypes(programFolder_) : SktFileTypes(programFolder_);
  const QString iconPath = types.ProgramFolder + "/" + types.IconFile;
  if (!QFileInfo::exists(iconPath)) ProgramIconImage(program_, 256).save(iconPath);
  common::RegisterFileTypes(types);
}

void MainWindowBase::ShowHelp() { help_->Show(); }

void MainWindowBase::CopyPictureToClipboard(int width, int height, const PictureDrawer& draw) {
  QImage picture(width, height, QImage::Format_RGB32);
  {
    // A black drawing on the colour of an active window's frame, as other
    // programs show pasted pictures of this kind.
    const QColor background = palette().color(QPalette::Active, QPalette::Window);
    QtCanvas canvas(picture, QPoint(0, 0), background, palette().color(QPalette::Highlight));
    canvas.Clear();
    draw(canvas);
  }
  QApplication::clipboard()->setImage(picture);
}

char MainWindowBase::DecimalSeparator() const { return UserDecimalSeparator(); }

bool MainWindowBase::ShowPrinterProperties(const std::string& printer) {
  return PrintDialogWindow().Printers().ShowProperties(printer);
}

PrintOutcome MainWindowBase::PrintPage(const PrintJob& job, const PageDrawer& draw) {
  return PrintDialogWindow().Printers().PrintPage(job, draw);
}

// Not while the pointer still rests where a menu was chosen from, nor when
// another window or a dialog lies between it and the drawing.
bool MainWindowBase::PointerOverDrawingArea() const {
  const QPoint pointer = QCursor::pos();
  if (menuClosedAt_ == pointer) return false;
  QWidget* under = QApplication::widgetAt(pointer);
  QWidget* picture1 = drawingArea_->Container();
  return under && (under == picture1 || picture1->isAncestorOf(under));
}

UserFolders MainWindowBase::Folders() const { return PlatformUserFolders(); }

}  // namespace common
