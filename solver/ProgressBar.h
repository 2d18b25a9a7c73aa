// Progress of long table builds: a bar redrawn in place on a terminal, plain lines anywhere else.
#pragma once

#include <ostream>
#include <string>

namespace kelvora::solver {

class ProgressBar {
 public:
  enum class Style {
    kInPlace,  // one line redrawn with carriage returns, for a person watching a terminal
    kLines,    // a line at every tenth, for a log or a pipe, where carriage returns pile up
  };

  // In place only on a standard stream that is a terminal.
  static Style StyleFor(const std::ostream& out);

  explicit ProgressBar(std::ostream& out) : ProgressBar(out, StyleFor(out)) {}
  ProgressBar(std::ostream& out, Style style, int width = 30)
      : out_(out), style_(style), width_(width) {}

  // Writes only when the label or the shown step (a percent in place, a tenth in lines)
  // changes; in place, 1 ends the line.
  void Show(const std::string& label, double done);

 private:
  std::ostream& out_;
  Style style_;
  int width_;
  std::string label_;
  int step_ = -1;
};

}  // namespace kelvora::solver
