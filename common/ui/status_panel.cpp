#include "common/ui/status_panel.h"

#include <QEvent>

#include <algorithm>

namespace common {

StatusPanel::StatusPanel(int leastWidth, QWidget* parent) : QWidget(parent), label_(new QLabel(this)) {
  label_->setFrameShape(QFrame::Panel);
  label_->setFrameShadow(QFrame::Sunken);
  setMinimumWidth(leastWidth);
  room_ = Room();
}

QSize StatusPanel::Room() const {
  const QSize hint = label_->sizeHint();
  return {std::max(minimumWidth(), hint.width()), hint.height()};
}

// The label asks for a new layout at each new text; the status bar is
// asked only when the panel's room changed.
bool StatusPanel::event(QEvent* event) {
  if (event->type() != QEvent::LayoutRequest) return QWidget::event(event);
  const QSize room = Room();
  if (room != room_) {
    room_ = room;
    updateGeometry();
  }
  return true;
}

void StatusPanel::resizeEvent(QResizeEvent* event) {
  label_->setGeometry(rect());
  QWidget::resizeEvent(event);
}

}  // namespace common
