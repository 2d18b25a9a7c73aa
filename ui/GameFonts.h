// The two faces of the game, sized in pixels so the layout holds at any screen resolution: the
// pop display face of the title and the completion message, and the proportional gothic.
#pragma once

#include <QFont>

namespace kelvora::ui {

// 36 pt and 27.75 pt at 96 dots per inch.
constexpr int kPx36pt = 48;
constexpr int kPx27_75pt = 37;

enum class Face {
  kPopP,    // the title
  kPopS,    // the completion message
  kGothic,  // everything else
};

QFont GameFont(Face face, int pixelSize, bool italic = false);

// Where a desktop has neither a face nor its substitute (Windows without Japanese fonts), the
// substitutes that came with the game in the fonts folder beside the program are loaded. A
// game folder without that folder (Linux, where the system's packages bring the faces) costs
// nothing here.
void LoadSubstituteFaces(const QString& programFolder);

// The menu bar's face: the gothic at the desktop's usual menu size (9 pt), not bold. The
// desktop's default face has no Japanese, and every caption on the bar is Japanese.
QFont MenuFont();

}  // namespace kelvora::ui
