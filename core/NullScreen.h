// A screen that shows nothing: for replaying moves in tools and checks, away from any window.
#pragma once

#include "core/Screen.h"

namespace kelvora {

class NullScreen final : public Screen {
 public:
  void SetTilePicture(int, int) override {}
  void ShowTile(int) override {}
  void SetCaption(ScreenLabel, const std::string&) override {}
  void SetLabelVisible(ScreenLabel, bool) override {}
  void Beep() override {}
  void ShowMessage(const std::string&, const std::string&) override {}
};

}  // namespace kelvora
