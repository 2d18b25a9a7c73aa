// The main window as a screen reader hears it: the accessible names of the tiles, the arrows and
// the status labels, and the announcements of the status labels as they change or appear.
#pragma once

#include <QObject>
#include <QString>

#include "core/Cells.h"
#include "core/Screen.h"

class QLabel;
class QWidget;

namespace kelvora::ui {

// What the tile box of this cell shows, and where: "赤 上端 1列 2行", "空き 4列 1行".
QString TileSpeech(int code, Cell cell);
// Arrow 0..3 as Label2 numbers them: "1行 右へ回す".
QString ArrowSpeech(int arrow);
// The name of a status label showing `caption`, with the heading that stands beside it; empty
// where the caption says it all, so that the label's own text is its name.
QString StatusSpeech(StatusLabel label, const QString& caption);

// Names the status labels and announces their news: a changed figure, a message that appeared.
// Qt tells a screen reader, and no one else, and only while one is attached; `announced` tells
// anyone who listens the same words.
class Announcer : public QObject {
  Q_OBJECT

 public:
  using QObject::QObject;

  // The label shows `caption` from now on; a shown label that says something new announces it.
  void Caption(QLabel& label, StatusLabel which, const QString& caption);
  // The label has just appeared: what it says is news, though it did not change.
  void Appeared(QLabel& label);

 signals:
  void announced(QWidget* label, const QString& words);
};

}  // namespace kelvora::ui
