#include "bench/move_cases.h"

#include "bench/board_maker.h"
#include "bench/interleaved_timer.h"
#include "common/ui/qt_canvas.h"
#include "lyt/editor/board_editor.h"
#include "lyt/ui/main_window.h"
#include "support/scripted_board_ui.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPaintEvent>

#include <algorithm>
#include <cstdio>
#include <memory>

namespace bench {
namespace {

using namespace lyt;

// The editor's window reduced to a drawing area backed by an image, as the
// real one is, without widgets: the editor's own share of a move.
class ImageBoardUi : public testing_support::ScriptedBoardUi {
 public:
  common::Canvas& DrawingArea() override { return *canvas_; }
  void ApplyLayout(const common::WindowLayout& layout) override {
    canvas_.reset();
    image_ = QImage(std::max(1, layout.Picture1.Width), std::max(1, layout.Picture1.Height),
                    QImage::Format_RGB32);
    canvas_ = std::make_unique<common::QtCanvas>(
        image_, QPoint(-layout.Picture2Left(), -layout.Picture2Top()), Qt::black, QColor(0, 0, 128));
  }

 private:
  QImage image_;
  std::unique_ptr<common::QtCanvas> canvas_;
};

// Takes the moved footprint in hand, as a click on it does, with a
// selection box around it; a click in the box then starts the drag. Done
// here rather than by a click, so that nothing lying on the footprint
// joins the selection.
template <class Editor>
void SelectMovedFootprint(Editor& editor, const Board& board) {
  Board& document = editor.Document();
  document.Elements = board.Elements;
  document.LastGroup = board.LastGroup;
  SelectGroup(document, kMovedGroup);
  MmBox box{BoardWidth, BoardHeight, 0.0f, 0.0f};
  for (const PendingItem& item : document.Pending)
    box = {std::min(box.Left, item.X1 - 1.0f), std::min(box.Top, item.Y1 - 1.0f),
           std::max(box.Right, item.X1 + 1.0f), std::max(box.Bottom, item.Y1 + 1.0f)};
  document.SelectionBox = box;
  if (document.Pending.size() != kMovedGroupSize) std::fprintf(stderr, "wrong selection\n");
}

// The first pad of the moved footprint, in drawing pixels.
QPointF GripOf(const Board& board, const common::Viewport& viewport) {
  const BoardElement& pad = board.Elements.front();
  return QPointF(viewport.MmToPixels(pad.X1), viewport.MmToPixels(pad.Y1));
}

// One grid step to the right and back again, move after move.
class Shuttle {
 public:
  Shuttle(QPointF grip, double step) : grip_(grip), step_(step) {}
  QPointF Next() {
    away_ = !away_;
    return grip_ + QPointF(away_ ? step_ : 0.0, 0.0);
  }

 private:
  QPointF grip_;
  double step_;
  bool away_ = false;
};

BenchResult EditorMove(const Board& board, const std::string& programFolder, int rounds) {
  ImageBoardUi ui;
  BoardEditor editor(ui, programFolder);
  editor.Start("");
  SelectMovedFootprint(editor, board);
  editor.MnuRafraichi();
  const QPointF grip = GripOf(board, editor.View());
  editor.MouseDown(common::MouseButton::Left, false, grip.x(), grip.y());
  Shuttle shuttle(grip, editor.View().Zoom);
  common::MouseButtons left;
  left.Left = true;
  const double seconds = TimeAlone(
      [&] {
        const QPointF to = shuttle.Next();
        editor.MouseMove(left, false, static_cast<float>(to.x()), static_cast<float>(to.y()));
      },
      rounds);
  return {"move 40 elements, editor only", board.Elements.size(), seconds * 1e3, 0.0, seconds * 1e3, 0.1};
}

// Counts the pixels the drawing area repaints.
class PaintCounter : public QObject {
 public:
  long long Pixels = 0;
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      for (const QRect& r : static_cast<QPaintEvent*>(event)->region())
        Pixels += static_cast<long long>(r.width()) * r.height();
    }
    return QObject::eventFilter(watched, event);
  }
};

void SendMouse(QWidget* target, QEvent::Type type, QPointF at) {
  const Qt::MouseButtons held = type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton;
  QMouseEvent event(type, at, target->mapToGlobal(at), Qt::LeftButton, held, Qt::NoModifier);
  QApplication::sendEvent(target, &event);
}

BenchResult WindowMove(const Board& board, const std::string& programFolder, int rounds) {
  MainWindow window(QString::fromStdString(programFolder));
  window.resize(1280, 800);
  window.show();
  QApplication::processEvents();
  SelectMovedFootprint(window.Editor(), board);
  window.Editor().MnuRafraichi();
  QApplication::processEvents();
  auto* surface = window.findChild<QWidget*>("Picture2");
  const QPointF grip = GripOf(board, window.Editor().View());
  SendMouse(surface, QEvent::MouseButtonPress, grip);
  QApplication::processEvents();
  Shuttle shuttle(grip, window.Editor().View().Zoom);
  PaintCounter counter;
  surface->installEventFilter(&counter);
  long long moves = 0;
  const double seconds = TimeAlone(
      [&] {
        SendMouse(surface, QEvent::MouseMove, shuttle.Next());
        QApplication::processEvents();
        ++moves;
      },
      rounds);
  surface->removeEventFilter(&counter);
  std::printf("  window move: %lld pixels repainted per move, drawing area %d x %d\n",
              counter.Pixels / std::max(1LL, moves), window.Editor().Layout().Picture1.Width,
              window.Editor().Layout().Picture1.Height);
  SendMouse(surface, QEvent::MouseButtonRelease, grip);
  window.Editor().Document().Modified = false;  // no question when it closes
  return {"move 40 elements, real window with paint", board.Elements.size(), seconds * 1e3, 0.0,
          seconds * 1e3, 0.2};
}

}  // namespace

std::vector<BenchResult> RunMoveCases(const Board& board, const std::string& programFolder,
                                      int rounds) {
  return {EditorMove(board, programFolder, rounds), WindowMove(board, programFolder, rounds)};
}

}  // namespace bench
