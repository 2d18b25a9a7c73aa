// Ends the program right after a window's first paint, and reports its memory there: the
// common end of the start-up benchmarks of the game window and of a bare window.
#pragma once

#include <QObject>
#include <functional>

class QWidget;

namespace kelvora::bench {

// Peak and current resident memory of this process, in kilobytes.
struct Memory {
  long peakKb = 0;
  long currentKb = 0;
};
Memory ReadMemory();

// Calls `then` once, after `window` has been painted for the first time.
class FirstPaint : public QObject {
 public:
  FirstPaint(QWidget& window, std::function<void()> then);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  std::function<void()> then_;
  bool done_ = false;
};

}  // namespace kelvora::bench
