// First-paint detection and memory readings from /proc.
#include "FirstPaint.h"

#include <QEvent>
#include <QTimer>
#include <QWidget>
#include <fstream>
#include <string>

namespace kelvora::bench {

Memory ReadMemory() {
  Memory memory;
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (line.rfind("VmHWM:", 0) == 0) memory.peakKb = std::stol(line.substr(6));
    if (line.rfind("VmRSS:", 0) == 0) memory.currentKb = std::stol(line.substr(6));
  }
  return memory;
}

FirstPaint::FirstPaint(QWidget& window, std::function<void()> then) : then_(std::move(then)) {
  window.installEventFilter(this);
  for (QWidget* child : window.findChildren<QWidget*>()) child->installEventFilter(this);
}

bool FirstPaint::eventFilter(QObject*, QEvent* event) {
  if (event->type() == QEvent::Paint && !done_) {
    done_ = true;
    // Let this paint, and the rest of the window's, finish before stopping.
    QTimer::singleShot(0, [this] { then_(); });
  }
  return false;
}

}  // namespace kelvora::bench
