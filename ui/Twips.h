// The window's measures are kept in twips, as the layout was drawn; 15 twips make one pixel.
#pragma once

namespace kelvora::ui {

constexpr int kTwipsPerPixel = 15;
constexpr int Px(int twips) {
  return twips / kTwipsPerPixel;
}

}  // namespace kelvora::ui
