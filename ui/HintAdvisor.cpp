// The tables are built at most once per run (and once per machine, as they are cached); the
// window stays responsive throughout, and the player may give up the wait.
#include "ui/HintAdvisor.h"

#include <QApplication>
#include <QProgressDialog>
#include <QTimer>
#include <utility>

#include "text/GameText.h"

namespace kelvora::ui {

namespace {
constexpr int kDialogSteps = 1000;
}

HintAdvisor::HintAdvisor(QWidget* window, std::string cacheFolder, solver::TableSize size)
    : QObject(window), window_(window), solver_(std::move(cacheFolder), size) {}

HintAdvisor::~HintAdvisor() {
  cancel_ = true;
  if (worker_.joinable()) worker_.join();
  if (busyCursor_) QApplication::restoreOverrideCursor();
}

void HintAdvisor::Ask(const Position& position, Answer answer) {
  if (Busy()) return;
  cancel_ = false;
  progress_ = 0;
  const bool prepare = !prepared_;
  if (prepare && !solver_.TablesCached()) {
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
    poll_ = new QTimer(this);
    connect(poll_, &QTimer::timeout, this, [this] {
      if (dialog_) dialog_->setValue(static_cast<int>(progress_.load() * (kDialogSteps - 1)));
    });
    poll_->start(100);
  } else {
    // A first hint far from the goal may take the solver a second: the pointer says it thinks.
    QApplication::setOverrideCursor(Qt::BusyCursor);
    busyCursor_ = true;
  }
  worker_ = std::thread([this, prepare, position, answer = std::move(answer)] {
    const bool ready =
        !prepare || solver_.Prepare([this](double done) { progress_ = done; }, cancel_);
    std::optional<solver::Hint> hint;
    if (ready && !cancel_) hint = solver_.Next(position);
    QMetaObject::invokeMethod(
        this, [this, ready, hint, answer] { Finish(ready, hint, answer); }, Qt::QueuedConnection);
  });
}

void HintAdvisor::Finish(bool ready, std::optional<solver::Hint> hint, const Answer& answer) {
  worker_.join();
  if (busyCursor_) {
    QApplication::restoreOverrideCursor();
    busyCursor_ = false;
  }
  if (poll_ != nullptr) {
    poll_->deleteLater();
    poll_ = nullptr;
  }
  if (dialog_) {
    // Hidden now: the answer may open a message box, whose own event loop would keep a dialog
    // merely marked for deletion on the screen behind it.
    dialog_->hide();
    dialog_->deleteLater();
  }
  prepared_ = prepared_ || ready;
  if (ready && !cancel_) answer(hint);
}

}  // namespace kelvora::ui
