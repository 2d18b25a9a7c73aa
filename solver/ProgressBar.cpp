// A full bar ends its line so later output starts fresh; lines go by tenths so a log stays short.
#include "solver/ProgressBar.h"

#include <unistd.h>

#include <algorithm>
#include <cmath>
#include <iostream>

#include "text/ToolText.h"

namespace kelvora::solver {

ProgressBar::Style ProgressBar::StyleFor(const std::ostream& out) {
  int descriptor = -1;
  if (&out == &std::cerr || &out == &std::clog) descriptor = STDERR_FILENO;
  if (&out == &std::cout) descriptor = STDOUT_FILENO;
  return descriptor >= 0 && ::isatty(descriptor) == 1 ? Style::kInPlace : Style::kLines;
}

void ProgressBar::Show(const std::string& label, double done) {
  const int percent = static_cast<int>(std::floor(std::clamp(done, 0.0, 1.0) * 100.0));
  const int step = style_ == Style::kInPlace ? percent : percent / 10 * 10;
  if (label == label_ && step == step_) return;
  label_ = label;
  step_ = step;
  if (style_ == Style::kLines) {
    out_ << text::stages::TableProgressLine(label, step);
  } else {
    const int filled = percent * width_ / 100;
    out_ << '\r' << text::stages::TableProgressBar(label, filled, width_, percent);
    if (percent == 100) out_ << '\n';
  }
  out_.flush();
}

}  // namespace kelvora::solver
