// Whole shortest solutions, found through the hint's own machinery: the same tables, the same
// first-build dialog the player may cancel, the same worker that catches whatever it throws.
#pragma once

#include <QObject>
#include <deque>
#include <functional>
#include <optional>
#include <string>

#include "core/Position.h"
#include "ui/HintAdvisor.h"

class QWidget;

namespace kelvora::ui {

class ShortestSolutions : public QObject {
  Q_OBJECT

 public:
  // The moves' letters, or nothing when the work failed or the player cancelled the build.
  using Found = std::function<void(std::optional<std::string>)>;

  // window: where the build's dialog opens. failed: told once for each question the work failed.
  ShortestSolutions(QWidget* window, HintAdvisor::SourceMaker makeSource,
                    std::function<void()> failed);

  // Finds a shortest solution from start and calls found on the window's thread. Questions are
  // answered one at a time in the order asked; first puts this one before those still waiting.
  void Find(const Position& start, Found found, bool first = false);
  // Whether a question would cost no build: the tables are on the machine already.
  bool TablesCached() const;
  bool Busy() const { return current_.has_value(); }

 private:
  struct Question {
    Position start;
    Found found;
  };

  void StartNext();
  // The hint's answer for the position reached: the next move, or the goal.
  void Answered(std::optional<solver::Hint> hint);
  // Every question still open gets nothing.
  void GiveUpAll();

  HintAdvisor::SourceMaker makeSource_;
  std::function<void()> failed_;
  HintAdvisor* advisor_;
  std::deque<Question> waiting_;
  std::optional<Question> current_;
  Position reached_;
  std::string letters_;
};

}  // namespace kelvora::ui
