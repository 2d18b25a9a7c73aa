// The table of the main window's labels and the marker colours.
#include "ui/Form1Layout.h"

#include "text/GameText.h"

namespace kelvora::ui {

namespace {

LabelColor Fixed(int r, int g, int b) {
  return {ColorRole::kFixed, QColor(r, g, b)};
}
const LabelColor kButtonText{ColorRole::kButtonText, {}};
const LabelColor kButtonFace{ColorRole::kButtonFace, {}};
const LabelColor kWindowGreen = Fixed(0, 64, 0);

}  // namespace

std::vector<LabelDefinition> Form1Labels() {
  const Face pop = Face::kPopP;
  const Face gothic = Face::kGothic;
  const int big = kPx36pt;
  const int small = kPx27_75pt;
  return {
      {1, 0, 9960, 840, 5175, 735, text::kGameTitle, pop, big, false, Fixed(128, 128, 255),
       kWindowGreen, false, true, LabelRole::kCaption},
      {2, 0, 240, 2160, 855, 735, text::kArrowRight, gothic, big, false, kButtonText, kButtonFace,
       false, true, LabelRole::kRowArrow},
      {2, 1, 240, 7200, 855, 735, text::kArrowRight, gothic, big, false, kButtonText, kButtonFace,
       false, true, LabelRole::kRowArrow},
      {2, 2, 9600, 2280, 855, 735, text::kArrowLeft, gothic, big, false, kButtonText, kButtonFace,
       false, true, LabelRole::kRowArrow},
      {2, 3, 9600, 7200, 855, 735, text::kArrowLeft, gothic, big, false, kButtonText, kButtonFace,
       false, true, LabelRole::kRowArrow},
      {3, 0, 11760, 5040, 735, 735, text::kMatchHeading, gothic, big, false, Fixed(255, 128, 0),
       kWindowGreen, false, true, LabelRole::kCaption},
      {4, 0, 12720, 5040, 1575, 735, "", gothic, big, false, Fixed(255, 128, 0), kWindowGreen,
       false, true, LabelRole::kCaption},
      {5, 0, 11400, 2400, 1575, 735, text::kMoveHeading, gothic, big, false, Fixed(255, 128, 255),
       kWindowGreen, true, true, LabelRole::kCaption},
      {6, 0, 13080, 2400, 2055, 735, "", gothic, big, false, Fixed(255, 128, 255), kWindowGreen,
       false, true, LabelRole::kCaption},
      {7, 0, 3960, 9600, 2775, 855, "", gothic, big, false, Fixed(128, 255, 255), kWindowGreen,
       false, false, LabelRole::kCaption},
      {8, 0, 2280, 9720, 1425, 615, text::kBack, gothic, small, true, kButtonText,
       Fixed(192, 192, 192), false, false, LabelRole::kStageStep},
      {8, 1, 7080, 9720, 1380, 615, text::kNext, gothic, small, true, Fixed(0, 0, 0),
       Fixed(192, 192, 192), false, false, LabelRole::kStageStep},
      {9, 0, 11400, 3720, 1575, 735, text::kBestHeading, gothic, big, false, Fixed(255, 128, 255),
       kWindowGreen, false, false, LabelRole::kCaption},
      {10, 0, 13080, 3720, 2055, 735, "", gothic, big, false, Fixed(255, 128, 255), kWindowGreen,
       false, false, LabelRole::kCaption},
      {11, 0, 9960, 8760, 5175, 735, text::kCongratulations, Face::kPopS, small, false,
       Fixed(255, 128, 128), kWindowGreen, false, false, LabelRole::kCaption},
  };
}

QColor Shape2Fill(int k) {
  // The strand colour of the column, matched in hue (the green is lighter than the tiles').
  static const QColor kColumnColors[4] = {QColor(255, 0, 0), QColor(0, 192, 96),
                                          QColor(255, 255, 0), QColor(255, 255, 255)};
  const int column = k < 4 ? k : 7 - k;
  return kColumnColors[column];
}

}  // namespace kelvora::ui
