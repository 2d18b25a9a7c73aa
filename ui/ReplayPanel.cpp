// A replay is a timer that applies the next letter by the rules; pausing stops the timer and a
// step applies one letter by hand.
#include "ui/ReplayPanel.h"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "core/Move.h"
#include "core/Rules.h"
#include "text/GameText.h"
#include "ui/RecordsButton.h"
#include "ui/ReplayBoard.h"

namespace kelvora::ui {

namespace {

// Milliseconds between moves, slow to fast.
constexpr int kIntervals[] = {900, 450, 150};

}  // namespace

ReplayPanel::ReplayPanel(PictureStore& pictures, QWidget* parent) : QWidget(parent) {
  title_ = new QLabel(this);
  title_->setObjectName(QStringLiteral("再生題"));
  board_ = new ReplayBoard(pictures, this);
  count_ = new QLabel(this);
  count_->setObjectName(QStringLiteral("再生手数"));
  speed_ = new QComboBox(this);
  speed_->setObjectName(QStringLiteral("速さ"));
  for (const char* speed : text::kSpeeds) speed_->addItem(QString::fromUtf8(speed));
  auto* speedLabel = new QLabel(QString::fromUtf8(text::kSpeed), this);
  speedLabel->setBuddy(speed_);
  pause_ = MakeRecordsButton(this, "一時停止", text::kPause);
  step_ = MakeRecordsButton(this, "1手進める", text::kStep);
  stop_ = MakeRecordsButton(this, "停止", text::kStop);
  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("記録メッセージ"));
  message_->setWordWrap(true);
  message_->setFixedWidth(board_->sizeHint().width());
  message_->setAlignment(Qt::AlignTop | Qt::AlignLeft);

  auto* speed = new QHBoxLayout;
  speed->addWidget(speedLabel);
  speed->addWidget(speed_, 1);
  auto* column = new QVBoxLayout(this);
  column->setContentsMargins(0, 0, 0, 0);
  column->addWidget(title_);
  column->addWidget(board_);
  column->addWidget(count_);
  column->addLayout(speed);
  for (QWidget* button : {pause_, step_, stop_}) column->addWidget(button);
  column->addWidget(message_);

  timer_ = new QTimer(this);
  connect(timer_, &QTimer::timeout, this, &ReplayPanel::Advance);
  connect(pause_, &QPushButton::clicked, this, &ReplayPanel::PauseOrResume);
  connect(step_, &QPushButton::clicked, this, &ReplayPanel::Step);
  connect(stop_, &QPushButton::clicked, this, &ReplayPanel::Stop);
  connect(speed_, &QComboBox::currentIndexChanged, this,
          [this](int index) { SetSpeed(static_cast<Speed>(index)); });
  SetSpeed(Speed::kNormal);
  ShowProgress();
}

void ReplayPanel::Play(const std::string& title, const Position& start, const std::string& moves) {
  timer_->stop();
  message_->clear();
  moves_ = moves;
  played_ = 0;
  over_ = moves_.empty();
  title_->setText(QString::fromStdString(title));
  board_->Show(start);
  if (!over_) timer_->start();
  ShowProgress();
}

void ReplayPanel::Refuse(const Position& start, const char* why) {
  timer_->stop();
  moves_.clear();
  played_ = 0;
  over_ = true;
  title_->clear();
  board_->Show(start);
  ShowProgress();
  Say(why);
}

void ReplayPanel::Advance() {
  if (over_) {
    timer_->stop();
    ShowProgress();
    return;
  }
  const std::optional<Move> move = Move::FromLetter(moves_[played_]);
  // Checked before it began, every move is one the rules allow; anything else ends the replay
  // rather than show a board the moves never made.
  const std::optional<Position> next = move ? Apply(board_->Shown(), *move) : std::nullopt;
  if (!next) {
    Refuse(board_->Shown(), text::kRecordDoesNotReplay);
    return;
  }
  ++played_;
  board_->Show(*next);
  if (played_ >= static_cast<int>(moves_.size())) {
    over_ = true;
    timer_->stop();
  }
  ShowProgress();
}

void ReplayPanel::PauseOrResume() {
  if (timer_->isActive()) {
    timer_->stop();
  } else if (!over_) {
    timer_->start();
  }
  ShowProgress();
}

void ReplayPanel::Step() {
  timer_->stop();
  Advance();
}

void ReplayPanel::Stop() {
  timer_->stop();
  // What was playing is over, where it stands: the step and pause have nothing left to act on.
  over_ = true;
  ShowProgress();
}

void ReplayPanel::SetSpeed(Speed speed) {
  const int index = static_cast<int>(speed);
  timer_->setInterval(kIntervals[index]);
  if (speed_->currentIndex() != index) speed_->setCurrentIndex(index);
}

bool ReplayPanel::Running() const {
  return timer_->isActive();
}

void ReplayPanel::Say(const char* message) {
  message_->setText(QString::fromUtf8(message));
}

void ReplayPanel::ShowProgress() {
  const int total = static_cast<int>(moves_.size());
  count_->setText(moves_.empty() && played_ == 0
                      ? QString()
                      : QString::fromStdString(text::ReplayCount(played_, total)));
  pause_->setEnabled(!over_);
  pause_->setText(QString::fromUtf8(timer_->isActive() || over_ ? text::kPause : text::kResume));
  step_->setEnabled(!over_);
  stop_->setEnabled(!over_);
}

}  // namespace kelvora::ui
