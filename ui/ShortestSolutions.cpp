// A shortest solution is the hint asked again from each position it leads to: the first answer
// searches, and the hint's solver remembers the whole path, so the rest come at once.
#include "ui/ShortestSolutions.h"

#include <QWidget>
#include <utility>

#include "core/Move.h"
#include "core/Rules.h"

namespace kelvora::ui {

namespace {
// Far beyond the longest shortest solution: a source that never reaches the goal is a failure.
constexpr std::size_t kMostMoves = 200;
}  // namespace

ShortestSolutions::ShortestSolutions(QWidget* window, HintAdvisor::SourceMaker makeSource,
                                     std::function<void()> failed)
    : QObject(window), makeSource_(makeSource), failed_(std::move(failed)) {
  advisor_ = new HintAdvisor(window, std::move(makeSource), [this] {
    if (!current_) return;
    GiveUpAll();
    failed_();
  });
  advisor_->setParent(this);
  advisor_->WhenCancelled([this] { GiveUpAll(); });
}

bool ShortestSolutions::TablesCached() const {
  try {
    return makeSource_()->TablesCached();
  } catch (...) {
    // A cache folder that cannot be looked at holds nothing to use.
    return false;
  }
}

void ShortestSolutions::Find(const Position& start, Found found, bool first) {
  Question question{start, std::move(found)};
  if (first) {
    waiting_.push_front(std::move(question));
  } else {
    waiting_.push_back(std::move(question));
  }
  if (!current_) StartNext();
}

void ShortestSolutions::StartNext() {
  if (current_ || waiting_.empty()) return;
  current_ = std::move(waiting_.front());
  waiting_.pop_front();
  reached_ = current_->start;
  letters_.clear();
  advisor_->Ask(reached_, [this](std::optional<solver::Hint> hint) { Answered(hint); });
}

void ShortestSolutions::Answered(std::optional<solver::Hint> hint) {
  if (!current_) return;
  if (hint) {
    const Move move = Move::FromIndex(hint->move);
    const std::optional<Position> next = Apply(reached_, move);
    if (!next || letters_.size() >= kMostMoves) {
      GiveUpAll();
      failed_();
      return;
    }
    reached_ = *next;
    letters_ += move.Letter();
    advisor_->Ask(reached_, [this](std::optional<solver::Hint> more) { Answered(more); });
    return;
  }
  Question done = std::move(*current_);
  current_.reset();
  done.found(std::exchange(letters_, {}));
  StartNext();
}

void ShortestSolutions::GiveUpAll() {
  std::deque<Question> open = std::exchange(waiting_, {});
  if (current_) open.push_front(std::move(*current_));
  current_.reset();
  for (Question& question : open) question.found(std::nullopt);
}

}  // namespace kelvora::ui
