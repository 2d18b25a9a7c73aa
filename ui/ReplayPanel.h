// The replay half of the records window: a small board that plays a list of moves from a stage's
// start, with its title, the count as it runs, the speed, pause, step and stop, and a line for
// what the window has to say. It plays by the game's rules and leaves the game alone.
#pragma once

#include <QWidget>
#include <string>

#include "core/Position.h"

class QComboBox;
class QLabel;
class QPushButton;
class QTimer;

namespace kelvora::ui {

class PictureStore;
class ReplayBoard;

class ReplayPanel : public QWidget {
  Q_OBJECT

 public:
  enum class Speed { kSlow, kNormal, kFast };

  ReplayPanel(PictureStore& pictures, QWidget* parent);

  // Puts start on the board and plays moves (letters A-T) from it, which the caller has checked
  // lead to the goal.
  void Play(const std::string& title, const Position& start, const std::string& moves);
  // Plays nothing: start on the board and why in the message line.
  void Refuse(const Position& start, const char* why);
  void PauseOrResume();
  void Step();
  void Stop();
  void SetSpeed(Speed speed);
  void Say(const char* message);

  bool Running() const;
  // The moves of what plays (or last played) and how many of them are on the board.
  const std::string& Moves() const { return moves_; }
  int Played() const { return played_; }
  ReplayBoard* Board() const { return board_; }
  QLabel* Count() const { return count_; }
  QLabel* Message() const { return message_; }
  QPushButton* StepButton() const { return step_; }
  QComboBox* SpeedBox() const { return speed_; }

 private:
  void Advance();
  void ShowProgress();

  ReplayBoard* board_;
  QLabel* title_;
  QLabel* count_;
  QLabel* message_;
  QComboBox* speed_;
  QPushButton* pause_;
  QPushButton* step_;
  QPushButton* stop_;
  QTimer* timer_;

  std::string moves_;
  int played_ = 0;
  // Nothing more to play: the last move is on the board, or the player stopped.
  bool over_ = true;
};

}  // namespace kelvora::ui
