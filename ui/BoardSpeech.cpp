// Accessible names from the spoken texts, and the one announcement the window makes itself.
#include "ui/BoardSpeech.h"

#include <QAccessible>
#include <QWidget>

#include "core/Move.h"
#include "core/Tiles.h"
#include "text/SpokenText.h"

namespace kelvora::ui {

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

void Announce(QWidget& widget) {
  QAccessibleEvent event(&widget, QAccessible::NameChanged);
  QAccessible::updateAccessibility(&event);
}

}  // namespace kelvora::ui
