// The board played from the keyboard: the arrow keys walk a cursor over the twenty targets,
// Space or Enter clicks the one under it, Page Up and Page Down click "back" and "next".
#pragma once

#include <QColor>
#include <QObject>

#include "ui/BoardTargets.h"

class QKeyEvent;

namespace kelvora::ui {

class ClickableLabel;
class TargetFrame;

class BoardKeys : public QObject {
  Q_OBJECT

 public:
  // Takes the keys that reach the window and that the menu bar has left alone.
  BoardKeys(QWidget& window, const BoardTargets& targets, ClickableLabel& back,
            ClickableLabel& next);

  // The target under the cursor, where it first shows: the tile top left.
  int Cursor() const { return cursor_; }
  // The cursor shows from the first arrow, Space or Enter key on; until then the window looks
  // as if there were no keyboard at all.
  bool CursorShown() const;

  static inline const QColor kCursorColour{0, 255, 255};

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool KeyPressed(const QKeyEvent& key);
  void PutCursor(int target);

  QWidget& window_;
  const BoardTargets& targets_;
  ClickableLabel& back_;
  ClickableLabel& next_;
  int cursor_ = BoardTargets::TileTarget(0);
  TargetFrame* frame_ = nullptr;
};

}  // namespace kelvora::ui
