// The keys of the board, from the key event to the same click the mouse makes.
#include "ui/BoardKeys.h"

#include <QKeyEvent>
#include <QWidget>

#include "ui/ClickableLabel.h"
#include "ui/TargetFrame.h"

namespace kelvora::ui {

BoardKeys::BoardKeys(QWidget& window, const BoardTargets& targets, ClickableLabel& back,
                     ClickableLabel& next)
    : QObject(&window), window_(window), targets_(targets), back_(back), next_(next) {
  window.installEventFilter(this);
}

bool BoardKeys::CursorShown() const {
  return frame_ != nullptr && frame_->isVisible();
}

bool BoardKeys::eventFilter(QObject* watched, QEvent* event) {
  // A key the target under the cursor did not take comes on to the window; keys the menu bar
  // or an open menu takes never arrive, nor do its access keys.
  if (watched == &window_ && event->type() == QEvent::KeyPress &&
      KeyPressed(static_cast<const QKeyEvent&>(*event))) {
    event->accept();
    return true;
  }
  return QObject::eventFilter(watched, event);
}

bool BoardKeys::KeyPressed(const QKeyEvent& key) {
  // With Alt, Ctrl or Shift a key belongs to someone else.
  if ((key.modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier) return false;
  using Direction = BoardTargets::Direction;
  Direction direction;
  switch (key.key()) {
    case Qt::Key_PageUp:
      back_.Click();
      return true;
    case Qt::Key_PageDown:
      next_.Click();
      return true;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
      // Held down, a key would play a stream of moves no one asked for.
      if (key.isAutoRepeat()) return true;
      if (!CursorShown()) {
        PutCursor(cursor_);
      } else {
        targets_.Click(cursor_);
      }
      return true;
    case Qt::Key_Left:
      direction = Direction::kLeft;
      break;
    case Qt::Key_Right:
      direction = Direction::kRight;
      break;
    case Qt::Key_Up:
      direction = Direction::kUp;
      break;
    case Qt::Key_Down:
      direction = Direction::kDown;
      break;
    default:
      return false;
  }
  // The first key only shows where the cursor is.
  PutCursor(CursorShown() ? BoardTargets::Neighbour(cursor_, direction) : cursor_);
  return true;
}

void BoardKeys::PutCursor(int target) {
  cursor_ = target;
  if (frame_ == nullptr) frame_ = new TargetFrame(targets_, kCursorColour);
  frame_->ShowOn(target);
  // The target under the cursor has the keyboard focus (though no focus of its own to show):
  // a screen reader then reads its name as the cursor reaches it.
  targets_.Widget(target)->setFocus(Qt::OtherFocusReason);
}

}  // namespace kelvora::ui
