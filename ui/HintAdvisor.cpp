// The tables are built at most once per run (and once per machine, as they are cached); the
// window stays responsive throughout, the player may give up the wait, and nothing the work
// throws leaves the worker.
#include "ui/HintAdvisor.h"

#include <QApplication>
#include <QProgressDialog>
#include <QTimer>
#include <exception>
#include <utility>

#include "platform/System.h"
#include "solver/Solver.h"
#include "text/GameText.h"
#include "ui/HintWorker.h"

namespace kelvora::ui {

namespace {
constexpr int kDialogSteps = 1000;
// Often enough that an answer at hand seems immediate; the timer runs only while work does.
constexpr int kPollMilliseconds = 10;
}  // namespace

HintAdvisor::HintAdvisor(QWidget* window, SourceMaker makeSource, std::function<void()> failed)
    : QObject(window),
      window_(window),
      makeSource_(std::move(makeSource)),
      failed_(std::move(failed)) {
  // Without threads (a browser page) the work goes to a worker program, which keeps its tables
  // once prepared; its replies come on the window's thread, and Poll takes them as a thread's.
  if (!platform::System::Default().HasThreads()) {
    pageWorker_ = HintWorker::Make({.progress =
                                        [this](double done) {
                                          progress_ = done;
                                          building_ = true;
                                        },
                                    .answered =
                                        [this](std::optional<solver::Hint> hint) {
                                          prepared_ = true;
                                          hint_ = hint;
                                          outcome_ = Outcome::kAnswered;
                                          done_ = true;
                                        },
                                    .failed =
                                        [this] {
                                          prepared_ = false;
                                          outcome_ = Outcome::kFailed;
                                          done_ = true;
                                        }});
  }
  poll_ = new QTimer(this);
  poll_->setInterval(kPollMilliseconds);
  connect(poll_, &QTimer::timeout, this, &HintAdvisor::Poll);
}

HintAdvisor::~HintAdvisor() {
  cancel_ = true;
  if (worker_.joinable()) worker_.join();
  if (busyCursor_) QApplication::restoreOverrideCursor();
}

void HintAdvisor::Ask(const Position& position, Answer answer) {
  if (!Busy() && anticipated_ && anticipated_->position == position) {
    answer(anticipated_->hint);
    return;
  }
  if (Busy()) {
    waiting_ = Question{position, std::move(answer)};
    // Work begun unasked had no pointer of its own.
    if (!dialog_) ShowWaiting();
    return;
  }
  Start(Question{position, std::move(answer)});
}

void HintAdvisor::Anticipate(const Position& position) {
  // prepared_ is the worker's, and no worker runs while not Busy.
  if (Busy() || !prepared_) return;
  Start(Question{position, {}});
}

void HintAdvisor::Start(Question question) {
  anticipated_.reset();
  cancel_ = false;
  done_ = false;
  building_ = false;
  progress_ = 0;
  const Position position = question.position;
  const bool asked = static_cast<bool>(question.answer);
  running_ = std::move(question);
  if (pageWorker_) {
    pageWorker_->Ask(position);
  } else {
    try {
      worker_ = std::thread([this, position] { Work(position); });
    } catch (const std::exception&) {
      // No thread (std::system_error), or no memory for its start.
      running_.reset();
      waiting_.reset();
      if (asked) failed_();
      return;
    }
  }
  if (asked) ShowWaiting();
  poll_->start();
}

void HintAdvisor::ShowWaiting() {
  // A first hint far from the goal may take the solver a second: the pointer says it thinks,
  // until a build (if one is needed) brings its own dialog.
  if (busyCursor_) return;
  QApplication::setOverrideCursor(Qt::BusyCursor);
  busyCursor_ = true;
}

void HintAdvisor::Work(const Position& position) noexcept {
  Outcome outcome = Outcome::kFailed;
  std::optional<solver::Hint> hint;
  try {
    if (source_ == nullptr) source_ = makeSource_();
    if (!prepared_) {
      prepared_ = source_->Prepare(
          [this](double done) {
            progress_ = done;
            building_ = true;
          },
          cancel_);
    }
    if (prepared_ && !cancel_) {
      hint = source_->Next(position, cancel_);
      outcome = Outcome::kAnswered;
    } else {
      outcome = Outcome::kCancelled;
    }
  } catch (const solver::SearchCancelled&) {
    outcome = Outcome::kCancelled;
  } catch (...) {
    // Out of memory for the tables or the search's memory, a builder thread that would not
    // start, a cache that cannot be read: the game goes on without the hint.
    outcome = Outcome::kFailed;
  }
  outcome_ = outcome;
  hint_ = hint;
  done_.store(true, std::memory_order_release);
}

void HintAdvisor::Poll() {
  // A worker program cannot be told mid-work: it is ended, and its tables made again next time.
  if (pageWorker_ && cancel_ && !done_) {
    pageWorker_->Cancel();
    prepared_ = false;
    outcome_ = Outcome::kCancelled;
    done_ = true;
  }
  // A build that began is shown even when it is over by now: its dialog opens and closes.
  if (building_ && !dialog_) ShowProgress();
  if (dialog_) dialog_->setValue(static_cast<int>(progress_.load() * (kDialogSteps - 1)));
  if (done_.load(std::memory_order_acquire)) Finish();
}

void HintAdvisor::ShowProgress() {
  EndWaitFeedback();
  dialog_ = new QProgressDialog(QString::fromUtf8(text::kHintTablesBuilding),
                                QString::fromUtf8(text::kHintCancel), 0, kDialogSteps, window_);
  dialog_->setObjectName(QStringLiteral("ヒント準備"));
  dialog_->setWindowTitle(QString::fromUtf8(text::kHintTitle));
  dialog_->setWindowModality(Qt::WindowModal);
  dialog_->setAutoClose(false);
  dialog_->setAutoReset(false);
  dialog_->setMinimumDuration(0);
  dialog_->setValue(0);
  connect(dialog_, &QProgressDialog::canceled, this, [this] { cancel_ = true; });
}

void HintAdvisor::EndWaitFeedback() {
  if (busyCursor_) {
    QApplication::restoreOverrideCursor();
    busyCursor_ = false;
  }
}

void HintAdvisor::Finish() {
  poll_->stop();
  if (worker_.joinable()) worker_.join();
  EndWaitFeedback();
  if (dialog_) {
    // Hidden now: the answer may open a message box, whose own event loop would keep a dialog
    // merely marked for deletion on the screen behind it.
    dialog_->hide();
    dialog_->deleteLater();
    // A build asked for again before it is gone gets a dialog of its own.
    dialog_ = nullptr;
    // In a browser page the keyboard stays with no window once the dialog is cancelled: the
    // player's next key would go nowhere.
    if (pageWorker_) window_->activateWindow();
  }
  Question ran = std::move(*running_);
  running_.reset();
  std::optional<Question> next = std::move(waiting_);
  waiting_.reset();
  const bool asked = static_cast<bool>(ran.answer);
  switch (outcome_) {
    case Outcome::kFailed:
      // Work no one asked for fails quietly; a question that came meanwhile tries for itself.
      if (asked) {
        failed_();
      } else if (next) {
        Start(std::move(*next));
      }
      return;
    case Outcome::kCancelled:
      // Only the player cancels a run that ends here; the waiting question goes with it.
      if (cancelled_) cancelled_();
      return;
    case Outcome::kAnswered:
      break;
  }
  if (!next) {
    if (asked) {
      ran.answer(hint_);
    } else {
      anticipated_ = Anticipated{ran.position, hint_};
    }
  } else if (next->position == ran.position) {
    next->answer(hint_);
  } else {
    Start(std::move(*next));
  }
}

}  // namespace kelvora::ui
