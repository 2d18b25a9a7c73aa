// The main window as a screen reader hears it: the accessible names of the tiles, the arrows and
// the status labels, and the announcement of a status caption.
#pragma once

#include <QString>

#include "core/Cells.h"
#include "core/Screen.h"

class QWidget;

namespace kelvora::ui {

// What the tile box of this cell shows, and where: "赤 上端 1列 2行", "空き 4列 1行".
QString TileSpeech(int code, Cell cell);
// Arrow 0..3 as Label2 numbers them: "1行 右へ回す".
QString ArrowSpeech(int arrow);
// The name of a status label showing `caption`, with the heading that stands beside it; empty
// where the caption says it all, so that the label's own text is its name.
QString StatusSpeech(StatusLabel label, const QString& caption);

// Tells a screen reader that the widget's name has something new to say, as Qt does itself
// when a label's text changes.
void Announce(QWidget& widget);

}  // namespace kelvora::ui
