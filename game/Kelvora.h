// The whole game behind the window, and the one way in: start it, begin a game in a mode,
// click tiles and arrows, step prepared stages, and look at what is going on.
#pragma once

#include <string>

#include "core/Puzzle.h"
#include "core/RandomSource.h"
#include "core/Screen.h"
#include "game/GameMode.h"
#include "game/PreparedStageMode.h"
#include "game/RandomStageMode.h"
#include "records/RecordFiles.h"
#include "records/Records.h"

namespace kelvora {

// What the game is doing, for reading only.
struct GameView {
  const Position& board;
  int moveCount;
  // The letters of the moves of the stage in play, oldest first.
  const std::string& history;
  bool takesMoves;
  int matchCount;
  // A hint was shown for the stage in play, whose solve will not be recorded.
  bool hinted;
  // The mode of the last game begun; none before the first.
  const GameMode* mode;
  // The prepared stage last put on the board, 1-based; 0 before the first.
  int preparedStage;
  const Records& records;
};

class Kelvora {
 public:
  Kelvora(Screen& screen, RandomSource& random, RecordFiles& files);
  Kelvora(const Kelvora&) = delete;
  Kelvora& operator=(const Kelvora&) = delete;

  // Start-up: the generator seeded, the records loaded, the goal on the board, which takes no
  // moves until a game begins. Over a damaged data file it fails naming it, having written
  // nothing and shown nothing.
  Status Start();

  // Begins a game in a mode, dropping any game in progress without a question.
  void Begin(GameMode& mode);
  void StartPreparedStages() { Begin(prepared_); }
  void StartRandomStage() { Begin(randomStages_); }

  // A click on tile box 0..15 or arrow 0..3.
  void ClickTile(int tileIndex);
  void ClickArrow(int arrow);
  // "back" and "next", while the mode in play shows them.
  void StepStage(StageStep step);
  // A hint is shown for the stage in play: the stage is played to its end but not recorded,
  // which the first hint of the stage tells the player. Nothing while no stage is in play.
  void NoteHintShown();

  GameView View() const;

 private:
  // A solve goes to the mode in play, once the board has settled; nothing else needs acting on.
  void Settle(const MoveOutcome& outcome);

  Screen& screen_;
  RandomSource& generator_;
  RecordFiles& files_;
  Records records_;
  Puzzle puzzle_;
  GameContext context_;
  PreparedStageMode prepared_;
  RandomStageMode randomStages_;
  GameMode* active_ = nullptr;
};

}  // namespace kelvora
