// Carriage returns keep the bar on one line; a full bar ends the line so later output starts fresh.
#include "solver/ProgressBar.h"

#include <algorithm>
#include <cmath>

namespace kelvora::solver {

void ProgressBar::Show(const std::string& label, double done) {
  const int percent = static_cast<int>(std::floor(std::clamp(done, 0.0, 1.0) * 100.0));
  if (label == label_ && percent == percent_) return;
  label_ = label;
  percent_ = percent;
  const int filled = percent * width_ / 100;
  out_ << '\r' << "building table " << label << " [" << std::string(filled, '#')
       << std::string(width_ - filled, '.') << "] " << percent << '%';
  if (percent == 100) out_ << '\n';
  out_.flush();
}

}  // namespace kelvora::solver
