// Where the hint's count stands: inside the foot of a tile, beside an arrow on the side away
// from the tiles, never over another target.
#include "ui/HintOverlay.h"

#include <QLabel>
#include <algorithm>

#include "core/Cells.h"
#include "text/GameText.h"
#include "ui/GameFonts.h"
#include "ui/TargetFrame.h"

namespace kelvora::ui {

namespace {
// A colour no strand, caption or keyboard cursor has.
const QColor kHintColour(255, 0, 255);
}  // namespace

void HintOverlay::Present(const solver::Hint& hint) {
  if (frame_ == nullptr) {
    frame_ = new TargetFrame(targets_, kHintColour);
    frame_->setObjectName(QStringLiteral("ヒント枠"));
    moves_ = new QLabel(targets_.Board());
    moves_->setObjectName(QStringLiteral("ヒント手数"));
    moves_->setFont(GameFont(Face::kGothic, 18));
    moves_->setAlignment(Qt::AlignCenter);
    moves_->setAttribute(Qt::WA_TransparentForMouseEvents);
    moves_->setStyleSheet(QStringLiteral(
        "QLabel { color: white; background: black; border: 2px solid rgb(255, 0, 255);"
        " padding: 0px 4px; }"));
  }
  const int target = hint.move;
  frame_->ShowOn(target);
  // Inside the foot of a hinted tile, on one line; beside a hinted arrow, on two, on the side
  // away from the tiles (above the top row's, below the bottom row's), where the narrow margin
  // beside the board holds it.
  QString said = QString::fromStdString(text::MovesLeft(hint.movesLeft));
  const bool arrow = target >= kCellCount;
  if (arrow) said.replace(said.indexOf(u' '), 1, u'\n');
  moves_->setText(said);
  moves_->adjustSize();
  const QRect at = targets_.Geometry(target);
  const QSize size = moves_->size();
  const QRect board = targets_.Board()->rect();
  int top = at.bottom() - TargetFrame::kOutside - size.height();
  if (arrow) {
    top = at.center().y() < board.center().y() ? at.top() - TargetFrame::kOutside - size.height()
                                               : at.bottom() + TargetFrame::kOutside + 1;
  }
  const int left = at.center().x() - size.width() / 2;
  moves_->move(std::clamp(left, 0, board.width() - size.width()), top);
  moves_->raise();
  moves_->show();
}

void HintOverlay::Clear() {
  if (frame_ == nullptr) return;
  frame_->hide();
  moves_->hide();
}

int HintOverlay::Target() const {
  return frame_ != nullptr && !frame_->isHidden() ? frame_->Target() : -1;
}

QString HintOverlay::MovesText() const {
  if (moves_ == nullptr || moves_->isHidden()) return {};
  return moves_->text().replace(u'\n', u' ');
}

}  // namespace kelvora::ui
