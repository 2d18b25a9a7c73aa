// The hint's slow parts kept off the window's thread: the solver's tables made ready (built once
// on a machine, behind a progress dialog the player can cancel) and the next move found.
#pragma once

#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>
#include <memory>
#include <optional>
#include <thread>
#include <utility>

#include "core/Position.h"
#include "solver/HintSource.h"

class QProgressDialog;
class QTimer;
class QWidget;

namespace kelvora::ui {

class HintWorker;

class HintAdvisor : public QObject {
  Q_OBJECT

 public:
  // The next move and the moves left; nothing at the goal.
  using Answer = std::function<void(std::optional<solver::Hint>)>;
  // Makes the solver, at the first question: start-up reads and maps nothing.
  using SourceMaker = std::function<std::unique_ptr<solver::HintSource>()>;

  // failed: called on the window's thread when the hint's work could not be done (memory, a
  // thread, the disk), once for the question that met it.
  HintAdvisor(QWidget* window, SourceMaker makeSource, std::function<void()> failed);
  // Any work still running is cancelled and waited for: it stops within a moment.
  ~HintAdvisor() override;

  // Finds the hint for position and calls answer on the window's thread. A question asked while
  // another is worked on waits for it, the newest in place of any older one, and is answered
  // from that work if it was about the same board. Nothing comes when the player cancels the
  // build, which drops the waiting question too.
  void Ask(const Position& position, Answer answer);
  // Works out the hint for position unasked, so that the first hint of a new stage comes at once:
  // only once the tables are ready (a hint was asked before in this run) and nothing else is
  // being worked on. Nothing is shown, and a failure is told only to a question that waits.
  void Anticipate(const Position& position);
  bool Busy() const { return running_.has_value(); }
  // Called when the player cancels the build, for whoever waits on more than one answer.
  void WhenCancelled(std::function<void()> cancelled) { cancelled_ = std::move(cancelled); }

 private:
  enum class Outcome { kAnswered, kCancelled, kFailed };
  struct Question {
    Position position;
    // Empty for work no one waits on yet.
    Answer answer;
  };

  void Start(Question question);
  // The worker's whole run; never throws.
  void Work(const Position& position) noexcept;
  // On the window's thread, as the timer sees the worker done or building.
  void Poll();
  void ShowProgress();
  void Finish();
  void EndWaitFeedback();
  // The busy pointer, once someone waits on the work.
  void ShowWaiting();

  QWidget* window_;
  SourceMaker makeSource_;
  std::function<void()> failed_;
  std::function<void()> cancelled_;
  // Made, prepared and asked on the worker only (one at a time).
  std::unique_ptr<solver::HintSource> source_;
  bool prepared_ = false;

  std::thread worker_;
  // In place of the thread where the system has none.
  std::unique_ptr<HintWorker> pageWorker_;
  // The last work done unasked, kept until other work starts.
  struct Anticipated {
    Position position;
    std::optional<solver::Hint> hint;
  };
  std::optional<Anticipated> anticipated_;
  std::optional<Question> running_;
  std::optional<Question> waiting_;
  std::atomic<bool> cancel_{false};
  // Written by the worker, read once done_ is seen.
  Outcome outcome_ = Outcome::kFailed;
  std::optional<solver::Hint> hint_;
  std::atomic<bool> done_{false};
  std::atomic<bool> building_{false};
  // The build's progress, 0 to 1.
  std::atomic<double> progress_{0};

  QTimer* poll_ = nullptr;
  QPointer<QProgressDialog> dialog_;
  bool busyCursor_ = false;
};

}  // namespace kelvora::ui
