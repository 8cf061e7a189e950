#include "common/ui/drawing_area.h"

#include <QApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPalette>
#include <QSignalBlocker>
#include <QWheelEvent>

namespace common {
namespace {

const QColor kDrawingBackground(0, 0, 0);
const QColor kContainerBackground(128, 128, 128);

// Tells the drawing area when a scroll bar takes or loses the keyboard focus.
class FocusWatcher : public QObject {
 public:
  FocusWatcher(QObject* parent, std::function<void(bool)>* handler)
      : QObject(parent), handler_(handler) {}
  bool eventFilter(QObject* watched, QEvent* event) override {
    if ((event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut) && *handler_)
      (*handler_)(event->type() == QEvent::FocusIn);
    return QObject::eventFilter(watched, event);
  }

 private:
  std::function<void(bool)>* handler_;
};

void Paint(QWidget* widget, const QColor& colour) {
  QPalette palette = widget->palette();
  palette.setColor(QPalette::Window, colour);
  widget->setPalette(palette);
  widget->setAutoFillBackground(true);
}

}  // namespace

DrawingSurface::DrawingSurface(QWidget* parent) : QWidget(parent) {
  setObjectName("Picture2");
  setFocusPolicy(Qt::ClickFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

// What is drawn now is shown once the event that draws it is over: then the
// canvas knows which part it drew on, and only that part is repainted (a
// moved selection, not the whole drawing).
Canvas& DrawingSurface::BeginDrawing() {
  if (!canvas_) {
    QColor highlight = QApplication::palette().color(QPalette::Highlight);
    canvas_ = std::make_unique<QtCanvas>(backing_, origin_, kDrawingBackground, highlight);
  }
  if (!repaintAsked_) {
    repaintAsked_ = true;
    QMetaObject::invokeMethod(this, &DrawingSurface::RepaintDrawn, Qt::QueuedConnection);
  }
  return *canvas_;
}

void DrawingSurface::RepaintDrawn() {
  repaintAsked_ = false;
  if (canvas_) update(canvas_->TakeDamage());
}

void DrawingSurface::EndDrawing() {
  RepaintDrawn();
  canvas_.reset();
}

void DrawingSurface::SetVisibleRect(const QRect& visibleInDrawing) {
  EndDrawing();
  origin_ = visibleInDrawing.topLeft();
  QSize size = visibleInDrawing.size().expandedTo(QSize(1, 1));
  if (backing_.size() != size) {
    backing_ = QImage(size, QImage::Format_RGB32);
    backing_.fill(kDrawingBackground);
  }
}

void DrawingSurface::paintEvent(QPaintEvent* event) {
  // The painter on the image must be closed before showing it; the canvas
  // itself stays, as a drawing may be under way (a message box shown while
  // drawing lets paint events through).
  if (canvas_) canvas_->Suspend();
  QPainter painter(this);
  const QRect image(origin_, backing_.size());
  const QRect asked = event->rect();
  if (!image.contains(asked)) painter.fillRect(asked, kDrawingBackground);
  const QRect shown = asked & image;
  if (!shown.isEmpty()) painter.drawImage(shown, backing_, shown.translated(-origin_));
}

void DrawingSurface::mousePressEvent(QMouseEvent* event) {
  if (MousePressed) MousePressed(event);
}
void DrawingSurface::mouseMoveEvent(QMouseEvent* event) {
  if (MouseMoved) MouseMoved(event);
}
void DrawingSurface::mouseReleaseEvent(QMouseEvent* event) {
  if (MouseReleased) MouseReleased(event);
}
void DrawingSurface::mouseDoubleClickEvent(QMouseEvent* event) {
  if (DoubleClicked) DoubleClicked(event);
}
void DrawingSurface::keyPressEvent(QKeyEvent* event) {
  if (KeyPressed) KeyPressed(event);
}
void DrawingSurface::keyReleaseEvent(QKeyEvent* event) {
  if (KeyReleased) KeyReleased(event);
}
void DrawingSurface::wheelEvent(QWheelEvent* event) {
  if (!Wheeled) return QWidget::wheelEvent(event);
  Wheeled(event);
  event->accept();
}
// Tab belongs to the drawing, not to focus travel.
bool DrawingSurface::focusNextPrevChild(bool) { return false; }

DrawingArea::DrawingArea(QWidget* parent)
    : picture1_(new QWidget(parent)),
      picture2_(new DrawingSurface(picture1_)),
      hScroll_(new QScrollBar(Qt::Horizontal, parent)),
      vScroll_(new QScrollBar(Qt::Vertical, parent)) {
  picture1_->setObjectName("Picture1");
  hScroll_->setObjectName("HScroll1");
  vScroll_->setObjectName("VScroll1");
  Paint(picture1_, kContainerBackground);
  for (QScrollBar* bar : {hScroll_, vScroll_}) {
    bar->setFocusPolicy(Qt::StrongFocus);
    focusWatchers_.push_back(new FocusWatcher(bar, &ScrollFocusChanged));
    bar->installEventFilter(focusWatchers_.back());
    QObject::connect(bar, &QScrollBar::valueChanged, bar, [this, bar] { UserScrolled(bar); });
  }
}

// The widgets outlive this object inside their window: they must stop
// calling back into it.
DrawingArea::~DrawingArea() {
  for (QObject* watcher : focusWatchers_) delete watcher;
  QObject::disconnect(hScroll_, nullptr, hScroll_, nullptr);
  QObject::disconnect(vScroll_, nullptr, vScroll_, nullptr);
  picture2_->MousePressed = picture2_->MouseMoved = picture2_->MouseReleased = nullptr;
  picture2_->DoubleClicked = nullptr;
  picture2_->KeyPressed = picture2_->KeyReleased = nullptr;
  picture2_->Wheeled = nullptr;
}

void DrawingArea::Apply(const WindowLayout& layout) {
  if (layout.Minimised) {
    hScroll_->hide();
    vScroll_->hide();
    return;
  }
  const PixelRect& p1 = layout.Picture1;
  picture1_->setGeometry(p1.Left, p1.Top, std::max(0, p1.Width), std::max(0, p1.Height));
  picture2_->setGeometry(layout.Picture2Left(), layout.Picture2Top(), layout.Picture2Width,
                         layout.Picture2Height);
  picture2_->SetVisibleRect(QRect(-layout.Picture2Left(), -layout.Picture2Top(),
                                  std::max(1, p1.Width), std::max(1, p1.Height)));
  const std::pair<QScrollBar*, const ScrollBar*> bars[] = {{hScroll_, &layout.HScroll1},
                                                           {vScroll_, &layout.VScroll1}};
  for (auto [bar, place] : bars) {
    QSignalBlocker quiet(bar);
    bar->setGeometry(place->Place.Left, place->Place.Top, place->Place.Width, place->Place.Height);
    bar->setRange(place->Minimum, std::max(place->Minimum, place->Maximum));
    bar->setSingleStep(place->SmallChange);
    bar->setPageStep(place->LargeChange);
    bar->setValue(place->Value);
    bar->setVisible(place->Visible);
  }
}

void DrawingArea::UserScrolled(QScrollBar* bar) {
  if (Scrolled) Scrolled(bar == hScroll_, bar->value());
}

}  // namespace common
