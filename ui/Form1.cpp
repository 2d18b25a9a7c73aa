// Building the main window and carrying out the screen operations of the game.
#include "ui/Form1.h"

#include <QApplication>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <algorithm>
#include <utility>

#include "solver/TableCache.h"
#include "text/GameText.h"
#include "ui/AboutBox.h"
#include "ui/BoardSpeech.h"
#include "ui/Form1Layout.h"
#include "ui/Form1Menus.h"
#include "ui/Form2.h"
#include "ui/GameFonts.h"
#include "ui/GameLabel.h"
#include "ui/RawPicture.h"
#include "ui/Twips.h"

namespace kelvora::ui {

namespace {

QRect PxRect(int left, int top, int width, int height) {
  return QRect(Px(left), Px(top), Px(width), Px(height));
}

QColor Resolve(const LabelColor& color, const QPalette& palette) {
  switch (color.role) {
    case ColorRole::kButtonText:
      return palette.color(QPalette::ButtonText);
    case ColorRole::kButtonFace:
      return palette.color(QPalette::Button);
    case ColorRole::kFixed:
      break;
  }
  return color.fixed;
}

// The hint's frame: a colour no strand, caption or keyboard cursor has.
const QColor kHintColour(255, 0, 255);

}  // namespace

QIcon WindowIcon() {
  // Stored raw by the build: decoding the icon's PNG alone would cost the start-up more than
  // everything else it shows.
  return QIcon(QPixmap::fromImage(RawPicture(QStringLiteral(":/icon/32x32/kelvora.argb32"),
                                             QSize(32, 32), QImage::Format_ARGB32)));
}

Form1::Form1(std::function<void()> endProgram) : endProgram_(std::move(endProgram)) {
  setWindowTitle(QString::fromUtf8(text::kGameTitle));
  setWindowIcon(WindowIcon());

  auto* client = new QWidget(this);
  client->setObjectName(QStringLiteral("Form1Client"));
  client->setAutoFillBackground(true);
  QPalette palette = client->palette();
  palette.setColor(QPalette::Window, kForm1Background);
  client->setPalette(palette);
  client->setFixedSize(Px(kForm1ClientWidth), Px(kForm1ClientHeight));
  setCentralWidget(client);
  CreateControls(client);
  keys_ = new BoardKeys(*this, *targets_, static_cast<ClickableLabel&>(*Label(8, 0)),
                        static_cast<ClickableLabel&>(*Label(8, 1)));
  // The menu bar belongs in the window, above the client area, even on desktops that would
  // move it to a global menu; asking the desktop would also cost the start-up a bus round.
  menuBar()->setNativeMenuBar(false);
  BuildMenus(*menuBar(), *this);

  // A fixed client area, its top left corner at a fixed place on the screen: the geometry of a
  // top-level window leaves out its frame, and the menu bar stands above the client area.
  const int menuHeight = menuBar()->sizeHint().height();
  setFixedSize(Px(kForm1ClientWidth), Px(kForm1ClientHeight) + menuHeight);
  setGeometry(Px(kForm1ClientLeft), Px(kForm1ClientTop) - menuHeight, width(), height());
}

Form1::~Form1() = default;

void Form1::CreateControls(QWidget* client) {
  const QPalette system = QApplication::palette();
  for (const LabelDefinition& definition : Form1Labels()) {
    QLabel* label = nullptr;
    if (definition.number == 2 || definition.number == 8) {
      auto* clickable = new ClickableLabel(client);
      const int index = definition.index;
      if (definition.number == 2) {
        connect(clickable, &ClickableLabel::clicked, this, [this, index] { Label2_Click(index); });
        clickable->setAccessibleName(ArrowSpeech(index));
      } else {
        connect(clickable, &ClickableLabel::clicked, this, [this, index] { Label8_Click(index); });
      }
      label = clickable;
    } else {
      label = new GameLabel(client);
    }
    label->setObjectName(
        definition.number == 2 || definition.number == 8
            ? QStringLiteral("Label%1(%2)").arg(definition.number).arg(definition.index)
            : QStringLiteral("Label%1").arg(definition.number));
    label->setGeometry(
        PxRect(definition.left, definition.top, definition.width, definition.height));
    label->setText(definition.caption);
    label->setFont(GameFont(definition.face, definition.pixelSize, definition.italic));
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, Resolve(definition.text, system));
    palette.setColor(QPalette::Window, Resolve(definition.background, system));
    label->setPalette(palette);
    label->setAutoFillBackground(true);
    // Captions stand at the top of their label, as the layout was drawn.
    label->setAlignment(Qt::AlignTop | (definition.leftAligned ? Qt::AlignLeft : Qt::AlignHCenter));
    label->setVisible(definition.shownAtStart);
    labels_[{definition.number, definition.index}] = label;
  }

  for (int i = 0; i < kCellCount; ++i) {
    auto* box = new TileBox(imageList1_, client);
    box->setObjectName(QStringLiteral("Image1(%1)").arg(i));
    box->setGeometry(PxRect(Image1Left(i), Image1Top(i), kImage1Width, kImage1Height));
    connect(box, &TileBox::clicked, this, [this, i] { Image1_Click(i); });
    image1_[i] = box;
  }
  for (int k = 0; k < 5; ++k) {
    shape1_[k] = new ShapeBox(Qt::black, client);
    shape1_[k]->setObjectName(QStringLiteral("Shape1(%1)").arg(k));
    shape1_[k]->setGeometry(PxRect(Shape1Left(k), kShape1Top, kShape1Width, kShape1Height));
  }
  for (int k = 0; k < 8; ++k) {
    shape2_[k] = new ShapeBox(Shape2Fill(k), client);
    shape2_[k]->setObjectName(QStringLiteral("Shape2(%1)").arg(k));
    shape2_[k]->setGeometry(PxRect(Shape2Left(k), Shape2Top(k), kShape2Size, kShape2Size));
  }
  std::array<ClickableLabel*, kArrowCount> arrows{};
  for (int i = 0; i < kArrowCount; ++i) arrows[i] = static_cast<ClickableLabel*>(Label(2, i));
  targets_ = std::make_unique<BoardTargets>(image1_, arrows);
}

QLabel* Form1::Label(int number, int index) const {
  auto it = labels_.find({number, index});
  return it == labels_.end() ? nullptr : it->second;
}

QLabel* Form1::LabelFor(StatusLabel label) const {
  switch (label) {
    case StatusLabel::kMatchCount:
      return Label(4);
    case StatusLabel::kMoveCount:
      return Label(6);
    case StatusLabel::kStageCaption:
      return Label(7);
    case StatusLabel::kBack:
      return Label(8, 0);
    case StatusLabel::kNext:
      return Label(8, 1);
    case StatusLabel::kBestHeading:
      return Label(9);
    case StatusLabel::kBest:
      return Label(10);
    case StatusLabel::kCompletion:
      return Label(11);
  }
  return nullptr;
}

void Form1::ForwardTo(Kelvora& game) {
  game_ = &game;
}

void Form1::Image1_Click(int index) {
  ClearHint();
  if (game_ != nullptr) game_->ClickTile(index);
}

void Form1::Label2_Click(int index) {
  ClearHint();
  if (game_ != nullptr) game_->ClickArrow(index);
}

void Form1::Label8_Click(int index) {
  ClearHint();
  if (game_ != nullptr) game_->StepStage(index == 0 ? StageStep::kBack : StageStep::kNext);
}

void Form1::StartPreparedStages() {
  ClearHint();
  if (game_ != nullptr) game_->StartPreparedStages();
}

void Form1::StartRandomStage() {
  ClearHint();
  if (game_ != nullptr) game_->StartRandomStage();
}

void Form1::UseHintTables(std::string cacheFolder, solver::TableSize size) {
  hintFolder_ = std::move(cacheFolder);
  hintSize_ = size;
}

void Form1::ShowHint() {
  ClearHint();
  if (game_ == nullptr || !game_->View().takesMoves) {
    Beep();
    return;
  }
  if (hints_ == nullptr) {
    hints_ =
        new HintAdvisor(this, hintFolder_.value_or(solver::TableCache::DefaultFolder()), hintSize_);
  }
  const GameView asked = game_->View();
  const Position board = asked.board;
  const std::string history = asked.history;
  hints_->Ask(board, [this, board, history](std::optional<solver::Hint> hint) {
    // The player may have played on while the solver thought: that hint is for another board.
    const GameView now = game_->View();
    if (!hint || !now.takesMoves || now.board != board || now.history != history) return;
    game_->NoteHintShown();
    PresentHint(*hint);
  });
}

void Form1::PresentHint(const solver::Hint& hint) {
  if (hintFrame_ == nullptr) {
    hintFrame_ = new TargetFrame(*targets_, kHintColour);
    hintFrame_->setObjectName(QStringLiteral("ヒント枠"));
    hintMoves_ = new QLabel(targets_->Board());
    hintMoves_->setObjectName(QStringLiteral("ヒント手数"));
    hintMoves_->setFont(GameFont(Face::kGothic, 18));
    hintMoves_->setAlignment(Qt::AlignCenter);
    hintMoves_->setAttribute(Qt::WA_TransparentForMouseEvents);
    hintMoves_->setStyleSheet(QStringLiteral(
        "QLabel { color: white; background: black; border: 2px solid rgb(255, 0, 255);"
        " padding: 0px 4px; }"));
  }
  const int target = hint.move;
  hintFrame_->ShowOn(target);
  // Inside the foot of a hinted tile, on one line; beside a hinted arrow, on two, on the side
  // away from the tiles (above the top row's, below the bottom row's), where the narrow margin
  // beside the board holds it: no other tile or arrow is covered.
  QString said = QString::fromStdString(text::MovesLeft(hint.movesLeft));
  const bool arrow = target >= kCellCount;
  if (arrow) said.replace(said.indexOf(u' '), 1, u'\n');
  hintMoves_->setText(said);
  hintMoves_->adjustSize();
  const QRect at = targets_->Geometry(target);
  const QSize size = hintMoves_->size();
  const QRect board = targets_->Board()->rect();
  int top = at.bottom() - TargetFrame::kOutside - size.height();
  if (arrow) {
    top = at.center().y() < board.center().y() ? at.top() - TargetFrame::kOutside - size.height()
                                               : at.bottom() + TargetFrame::kOutside + 1;
  }
  const int left = at.center().x() - size.width() / 2;
  hintMoves_->move(std::clamp(left, 0, board.width() - size.width()), top);
  hintMoves_->raise();
  hintMoves_->show();
}

void Form1::ClearHint() {
  if (hintFrame_ == nullptr) return;
  hintFrame_->hide();
  hintMoves_->hide();
}

int Form1::HintTarget() const {
  return hintFrame_ != nullptr && !hintFrame_->isHidden() ? hintFrame_->Target() : -1;
}

QString Form1::HintMovesText() const {
  if (hintMoves_ == nullptr || hintMoves_->isHidden()) return {};
  return hintMoves_->text().replace(u'\n', u' ');
}

void Form1::SetTilePicture(int tileIndex, int code) {
  TileBox* box = image1_.at(tileIndex);
  box->SetPicture(code);
  box->setAccessibleName(TileSpeech(code, CellAt(tileIndex)));
}

void Form1::ShowTile(int tileIndex) {
  image1_.at(tileIndex)->show();
}

void Form1::SetCaption(StatusLabel label, const std::string& caption) {
  announcer_.Caption(*LabelFor(label), label, QString::fromStdString(caption));
}

void Form1::SetLabelVisible(StatusLabel label, bool visible) {
  QLabel* shown = LabelFor(label);
  const bool appears = visible && shown->isHidden();
  shown->setVisible(visible);
  // The status that appears is news as much as one that changes: the completion message never
  // changes, it only appears. The navigation and the heading of the best are not.
  if (appears && label != StatusLabel::kBack && label != StatusLabel::kNext &&
      label != StatusLabel::kBestHeading) {
    announcer_.Appeared(*shown);
  }
}

void Form1::SetToolTip(StatusLabel label, const std::string& tip) {
  LabelFor(label)->setToolTip(QString::fromStdString(tip));
}

void Form1::Beep() {
  QApplication::beep();
}

void Form1::ShowMessage(const std::string& title, const std::string& text) {
  QMessageBox box(QMessageBox::Warning, QString::fromStdString(title), QString::fromStdString(text),
                  QMessageBox::Ok, this);
  box.exec();
}

void Form1::ShowRules() {
  // Built afresh at every opening: its text is back to its own, and it is placed beside the
  // main window wherever that stands now.
  Form2 rules(*this);
  rules.exec();
}

void Form1::ShowAbout() {
  kelvora::ui::ShowAbout(this);
}

void Form1::EndProgram() {
  endProgram_();
}

}  // namespace kelvora::ui
