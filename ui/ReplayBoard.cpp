// Sixteen tile boxes laid out in the main board's order, at half its size.
#include "ui/ReplayBoard.h"

#include <QGridLayout>

#include "text/GameText.h"
#include "ui/BoardSpeech.h"
#include "ui/TileBox.h"

namespace kelvora::ui {

namespace {
constexpr int kTileSide = 40;
}  // namespace

ReplayBoard::ReplayBoard(PictureStore& pictures, QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("再生盤"));
  setAccessibleName(QString::fromUtf8(text::kReplayBoard));
  auto* grid = new QGridLayout(this);
  grid->setSpacing(1);
  grid->setContentsMargins(0, 0, 0, 0);
  for (int i = 0; i < kCellCount; ++i) {
    auto* tile = new TileBox(pictures, this);
    tile->setObjectName(QStringLiteral("再生盤(%1)").arg(i));
    tile->setFixedSize(kTileSide, kTileSide);
    const Cell cell = CellAt(i);
    grid->addWidget(tile, cell.row - 1, cell.column - 1);
    tiles_[i] = tile;
  }
  setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
  Show(Position::Goal());
}

void ReplayBoard::Show(const Position& position) {
  shown_ = position;
  for (int i = 0; i < kCellCount; ++i) {
    const int code = position.Codes()[i];
    tiles_[i]->SetPicture(code);
    tiles_[i]->setAccessibleName(TileSpeech(code, CellAt(i)));
  }
}

}  // namespace kelvora::ui
