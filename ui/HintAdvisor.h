// The hint's slow parts kept off the window's thread: the solver's tables made ready (built once
// on a machine, behind a progress dialog the player can cancel) and the next move found.
#pragma once

#include <QObject>
#include <QPointer>
#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <thread>

#include "core/Position.h"
#include "solver/HintSolver.h"

class QProgressDialog;
class QTimer;
class QWidget;

namespace kelvora::ui {

class HintAdvisor : public QObject {
  Q_OBJECT

 public:
  // The next move and the moves left; nothing at the goal.
  using Answer = std::function<void(std::optional<solver::Hint>)>;

  // Nothing is read or mapped until the first question.
  HintAdvisor(QWidget* window, std::string cacheFolder, solver::TableSize size);
  // A build still running is cancelled and waited for (it stops within a moment).
  ~HintAdvisor() override;

  // Finds the hint for position and calls answer on the window's thread. The answer never comes
  // when the player cancels the build, and a question asked while one is open is dropped.
  void Ask(const Position& position, Answer answer);
  bool Busy() const { return worker_.joinable(); }

 private:
  void Finish(bool ready, std::optional<solver::Hint> hint, const Answer& answer);

  QWidget* window_;
  solver::HintSolver solver_;
  bool prepared_ = false;
  std::thread worker_;
  std::atomic<bool> cancel_{false};
  // The build's progress, 0 to 1, written by the worker and shown by the dialog.
  std::atomic<double> progress_{0};
  QPointer<QProgressDialog> dialog_;
  QTimer* poll_ = nullptr;
  bool busyCursor_ = false;
};

}  // namespace kelvora::ui
