// The main window's controls as the layout defines them: place and size in twips, caption,
// face, colours, alignment and visibility when the window is created.
#pragma once

#include <QColor>
#include <QString>
#include <vector>

#include "ui/GameFonts.h"

namespace kelvora::ui {

// Colours that follow the desktop's scheme for push buttons.
enum class ColorRole { kFixed, kButtonText, kButtonFace };

struct LabelColor {
  ColorRole role = ColorRole::kFixed;
  QColor fixed;
};

// What a label does for the player: only the row arrows and "back" and "next" take clicks (they
// are also the two control arrays, named with their index).
enum class LabelRole { kCaption, kRowArrow, kStageStep };

struct LabelDefinition {
  int number;                    // Label1 .. Label11
  int index;                     // within Label2 and Label8; 0 elsewhere
  int left, top, width, height;  // twips
  QString caption;
  Face face;
  int pixelSize;
  bool italic;
  LabelColor text;
  LabelColor background;
  bool leftAligned;
  bool shownAtStart;
  LabelRole role;
};

std::vector<LabelDefinition> Form1Labels();

// The window's own background.
inline const QColor kForm1Background(0, 64, 0);

// Client area below the menu bar, and where its top left corner stands on the screen.
constexpr int kForm1ClientWidth = 15240;
constexpr int kForm1ClientHeight = 10710;
constexpr int kForm1ClientLeft = 60;
constexpr int kForm1ClientTop = 660;

// Tile box i: column i / 4, row i % 4.
constexpr int Image1Left(int i) {
  return 1320 + (i / 4) * 2040;
}
constexpr int Image1Top(int i) {
  return 1800 + (i % 4) * 1680;
}
constexpr int kImage1Width = 1935;
constexpr int kImage1Height = 1575;

// Column bars k = 0..4, beside rows 2 and 3 only.
constexpr int Shape1Left(int k) {
  return 1200 + k * 2040;
}
constexpr int kShape1Top = 3480;
constexpr int kShape1Width = 135;
constexpr int kShape1Height = 3255;

// Colour markers: 0..3 above columns 1..4, 4..7 below columns 4..1.
constexpr int Shape2Left(int k) {
  return k < 4 ? 1920 + k * 2040 : 8040 - (k - 4) * 2040;
}
constexpr int Shape2Top(int k) {
  return k < 4 ? 840 : 8640;
}
constexpr int kShape2Size = 735;
QColor Shape2Fill(int k);

}  // namespace kelvora::ui
