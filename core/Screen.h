// The seam between the game logic and the window: the only screen and speaker operations the
// rules use. The window implements it; tests and tools use fakes.
#pragma once

#include <string>

namespace kelvora {

// The labels whose caption or visibility the logic changes, named as on the window.
enum class ScreenLabel {
  Label4,    // match count
  Label6,    // move count
  Label7,    // stage caption
  Label8_0,  // "back"
  Label8_1,  // "next"
  Label9,    // "Best"
  Label10,   // best result
  Label11,   // completion message
};

class Screen {
 public:
  virtual ~Screen() = default;

  // Tile box tileIndex (0..15) shows picture number picture (a tile code) stretched to the box.
  virtual void SetTilePicture(int tileIndex, int picture) = 0;
  virtual void ShowTile(int tileIndex) = 0;

  // Captions are UTF-8.
  virtual void SetCaption(ScreenLabel label, const std::string& caption) = 0;
  virtual void SetLabelVisible(ScreenLabel label, bool visible) = 0;

  // One short system sound per call.
  virtual void Beep() = 0;

  // A modal message with an OK button; returns when the player has closed it.
  virtual void ShowMessage(const std::string& title, const std::string& text) = 0;
};

}  // namespace kelvora
