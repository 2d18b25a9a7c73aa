// Accessible names from the spoken texts, and the announcements of the status labels.
#include "ui/BoardSpeech.h"

#include <QAccessible>
#include <QLabel>

#include "core/Move.h"
#include "core/Tiles.h"
#include "text/SpokenText.h"

namespace kelvora::ui {

namespace {

// What a screen reader reads for a label: its own name, else its text.
QString Words(const QLabel& label) {
  return label.accessibleName().isEmpty() ? label.text() : label.accessibleName();
}

}  // namespace

QString TileSpeech(int code, Cell cell) {
  if (code == kBlank) return QString::fromStdString(text::SpokenBlank(cell.column, cell.row));
  // Before the first picture a box shows nothing, and says nothing.
  if (!IsTileCode(code)) return QString();
  return QString::fromStdString(text::SpokenTile(
      static_cast<int>(StrandOf(code)), static_cast<int>(PieceOf(code)), cell.column, cell.row));
}

QString ArrowSpeech(int arrow) {
  const Move move = Move::ArrowClick(arrow);
  return QString::fromStdString(text::SpokenTurn(move.TurnedRow(), move.TurnsRight()));
}

QString StatusSpeech(StatusLabel label, const QString& caption) {
  const char* heading = nullptr;
  switch (label) {
    case StatusLabel::kMoveCount:
      heading = text::kSpokenMoveCount;
      break;
    case StatusLabel::kMatchCount:
      heading = text::kSpokenMatchCount;
      break;
    case StatusLabel::kBest:
      heading = text::kSpokenBest;
      break;
    default:
      return QString();
  }
  if (caption.isEmpty()) return QString();
  return QString::fromStdString(text::SpokenStatus(heading, caption.toStdString()));
}

void Announcer::Caption(QLabel& label, StatusLabel which, const QString& caption) {
  const QString before = Words(label);
  // The name first: Qt announces a label's new text itself only while the label has no name of
  // its own, so a screen reader hears the new figure once, with its heading.
  label.setAccessibleName(StatusSpeech(which, caption));
  label.setText(caption);
  const QString after = Words(label);
  if (after != before && !after.isEmpty() && !label.isHidden()) emit announced(&label, after);
}

void Announcer::Appeared(QLabel& label) {
  const QString words = Words(label);
  if (words.isEmpty()) return;
  QAccessibleEvent event(&label, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
  emit announced(&label, words);
}

}  // namespace kelvora::ui
