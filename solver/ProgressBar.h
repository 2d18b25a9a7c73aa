// A one-line progress bar for long table builds, redrawn in place on a terminal stream.
#pragma once

#include <ostream>
#include <string>

namespace kelvora::solver {

class ProgressBar {
 public:
  explicit ProgressBar(std::ostream& out, int width = 30) : out_(out), width_(width) {}

  // Redraws only when the label or the whole percentage changes; 1 ends the line.
  void Show(const std::string& label, double done);

 private:
  std::ostream& out_;
  int width_;
  std::string label_;
  int percent_ = -1;
};

}  // namespace kelvora::solver
