#pragma once

#include "common/core/window_layout.h"
#include "common/ui/qt_canvas.h"

#include <QImage>
#include <QScrollBar>
#include <QWidget>

#include <functional>
#include <memory>
#include <vector>

namespace common {

// Picture2: the drawing, as large as the sheet at the current zoom, moved
// inside Picture1 by the scroll bars, so its own coordinates are drawing
// pixels. Only the part visible in Picture1 is backed by an image.
class DrawingSurface : public QWidget {
  Q_OBJECT
 public:
  explicit DrawingSurface(QWidget* parent);

  // The canvas on the visible part; it stays valid until the next paint.
  Canvas& BeginDrawing();
  void SetVisibleRect(const QRect& visibleInDrawing);
  const QImage& Backing() const { return backing_; }

  std::function<void(QMouseEvent*)> MousePressed, MouseMoved, MouseReleased, DoubleClicked;
  std::function<void(QKeyEvent*)> KeyPressed, KeyReleased;
  std::function<void(QWheelEvent*)> Wheeled;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  // Shows the part of the drawing the canvas changed.
  void RepaintDrawn();
  void EndDrawing();

  QImage backing_;
  QPoint origin_;  // drawing pixel of the image's top-left corner
  std::unique_ptr<QtCanvas> canvas_;
  bool repaintAsked_ = false;
};

// Picture1 with its Picture2 and the two scroll bars HScroll1 / VScroll1,
// placed by the window layout.
class DrawingArea {
 public:
  explicit DrawingArea(QWidget* parent);
  ~DrawingArea();
  DrawingArea(const DrawingArea&) = delete;
  DrawingArea& operator=(const DrawingArea&) = delete;

  void Apply(const WindowLayout& layout);
  DrawingSurface* Surface() const { return picture2_; }
  QWidget* Container() const { return picture1_; }
  QScrollBar* Horizontal() const { return hScroll_; }
  QScrollBar* Vertical() const { return vScroll_; }

  // Called when the user moves a bar: which one, and its new value.
  std::function<void(bool horizontal, int value)> Scrolled;
  std::function<void(bool)> ScrollFocusChanged;

 private:
  void UserScrolled(QScrollBar* bar);

  QWidget* picture1_;
  DrawingSurface* picture2_;
  QScrollBar* hScroll_;
  QScrollBar* vScroll_;
  std::vector<QObject*> focusWatchers_;
};

}  // namespace common
