#pragma once

#include <QLabel>
#include <QSize>
#include <QWidget>

namespace common {

// A panel of the status bar: a sunken label in a holder of its own, which
// the status bar lays out in the label's place with the label's size hints.
// A new text reaches the status bar only when it changes the room the
// panel takes, so the pointer's position, shown at every move, repaints
// its panel alone rather than laying out and repainting the whole bar.
class StatusPanel : public QWidget {
 public:
  StatusPanel(int leastWidth, QWidget* parent);

  QLabel* Label() const { return label_; }
  QSize sizeHint() const override { return label_->sizeHint(); }
  QSize minimumSizeHint() const override { return label_->minimumSizeHint(); }

 protected:
  bool event(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The room the layout gives the label's hints: never narrower than the
  // least width.
  QSize Room() const;

  QLabel* label_;
  QSize room_;
};

}  // namespace common
