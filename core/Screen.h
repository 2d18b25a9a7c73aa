// The seam between the game and the window: the only screen and speaker operations the game
// uses. The window implements it; tests and tools use fakes.
#pragma once

#include <string>

namespace kelvora {

// The status texts beside and below the board whose caption or visibility the game changes.
enum class StatusLabel {
  kMatchCount,    // cells in their goal place
  kMoveCount,     // moves of the stage in play
  kStageCaption,  // "第 3面", the prepared stage on the board
  kBack,          // steps to the previous prepared stage
  kNext,          // steps to the next prepared stage
  kBestHeading,   // "Best"
  kBest,          // the best result of the mode in play
  kCompletion,    // "Congratulations!"
};

class Screen {
 public:
  virtual ~Screen() = default;

  // Tile box tileIndex (0..15) shows the picture of a tile code, stretched to the box.
  virtual void SetTilePicture(int tileIndex, int code) = 0;
  virtual void ShowTile(int tileIndex) = 0;

  // Captions are UTF-8.
  virtual void SetCaption(StatusLabel label, const std::string& caption) = 0;
  virtual void SetLabelVisible(StatusLabel label, bool visible) = 0;
  // The text shown while the pointer rests on a label; empty for none.
  virtual void SetToolTip(StatusLabel label, const std::string& tip) = 0;

  // One short system sound per call.
  virtual void Beep() = 0;

  // A modal message with an OK button; returns when the player has closed it.
  virtual void ShowMessage(const std::string& title, const std::string& text) = 0;
};

}  // namespace kelvora
