// Building the main window and carrying out the screen operations of the game.
#include "ui/Form1.h"

#include <QApplication>
#include <QDialog>
#include <QLabel>
#include <QMenuBar>
#include <utility>

#include "game/DeliveredPars.h"
#include "solver/HintSolver.h"
#include "solver/TableCache.h"
#include "text/GameText.h"
#include "ui/AboutBox.h"
#include "ui/BoardSpeech.h"
#include "ui/Form1Layout.h"
#include "ui/Form1Menus.h"
#include "ui/Form2.h"
#include "ui/GameFonts.h"
#include "ui/GameLabel.h"
#include "ui/ModalDialog.h"
#include "ui/RawPicture.h"
#include "ui/RecordsTransfer.h"
#include "ui/RecordsWindow.h"
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

}  // namespace

QIcon WindowIcon() {
  // Stored raw by the build: decoding the icon's PNG alone would cost the start-up more than
  // everything else it shows.
  return QIcon(QPixmap::fromImage(RawPicture(QStringLiteral(":/icon/32x32/kelvora.argb32"),
                                             QSize(32, 32), QImage::Format_ARGB32)));
}

Form1::Form1(std::function<void()> endProgram, RandomSource& random, RecordFiles& files)
    : Form1(std::move(endProgram), [&random, &files](Screen& window) {
        return std::make_unique<Kelvora>(window, random, files);
      }) {}

Form1::Form1(std::function<void()> endProgram, const GameMaker& makeGame)
    : endProgram_(std::move(endProgram)), hintSource_([] {
        // Where there are no threads (a browser page) the hint asks its worker program instead,
        // which makes a solver of its own (solver/worker/).
        auto hints = std::make_unique<solver::HintSolver>(solver::TableCache::DefaultFolder(),
                                                          solver::TableSize::Full);
        // The delivered stages come with solutions proven shortest: a hint on or beside one
        // needs no search, and the deepest of them would otherwise take the longest.
        for (const DeliveredSolution& known : DeliveredSolutions()) {
          hints->Learn(known.start, known.letters);
        }
        return hints;
      }) {
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
  game_ = makeGame(*this);
}

Form1::~Form1() {
  // The hint's work and the records window's are stopped before the game they would answer goes.
  delete hints_;
  delete records_;
}

void Form1::CreateControls(QWidget* client) {
  const QPalette system = QApplication::palette();
  for (const LabelDefinition& definition : Form1Labels()) {
    QLabel* label = nullptr;
    const bool clickable = definition.role != LabelRole::kCaption;
    if (clickable) {
      auto* target = new ClickableLabel(client);
      const int index = definition.index;
      if (definition.role == LabelRole::kRowArrow) {
        connect(target, &ClickableLabel::clicked, this, [this, index] { Label2_Click(index); });
        target->setAccessibleName(ArrowSpeech(index));
      } else {
        connect(target, &ClickableLabel::clicked, this, [this, index] { Label8_Click(index); });
      }
      label = target;
    } else {
      label = new GameLabel(client);
    }
    label->setObjectName(
        clickable ? QStringLiteral("Label%1(%2)").arg(definition.number).arg(definition.index)
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
  hint_ = std::make_unique<HintOverlay>(*targets_);
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

void Form1::Image1_Click(int index) {
  hint_->Clear();
  game_->ClickTile(index);
  RefreshRecords();
}

void Form1::Label2_Click(int index) {
  hint_->Clear();
  game_->ClickArrow(index);
  RefreshRecords();
}

void Form1::RefreshRecords() {
  if (records_ != nullptr) records_->Refresh();
}

void Form1::Label8_Click(int index) {
  hint_->Clear();
  game_->StepStage(index == 0 ? StageStep::kBack : StageStep::kNext);
  AnticipateHint();
}

void Form1::StartPreparedStages() {
  hint_->Clear();
  game_->StartPreparedStages();
  AnticipateHint();
}

void Form1::StartRandomStage() {
  hint_->Clear();
  game_->StartRandomStage();
  AnticipateHint();
}

void Form1::AnticipateHint() {
  // Only for a player who asked for a hint already: before that, nothing of the hint's tables is
  // read.
  if (hints_ != nullptr && game_->View().takesMoves) hints_->Anticipate(game_->View().board);
}

void Form1::UseHintSource(HintAdvisor::SourceMaker makeSource) {
  hintSource_ = std::move(makeSource);
}

void Form1::ShowHint() {
  hint_->Clear();
  if (!game_->View().takesMoves) {
    Beep();
    return;
  }
  if (hints_ == nullptr) {
    hints_ = new HintAdvisor(this, hintSource_, [this] {
      WhenNoModal([this] { ShowMessage(text::kHintTitle, text::kHintTablesFailed); });
    });
  }
  const GameView asked = game_->View();
  const Position board = asked.board;
  const std::string history = asked.history;
  hints_->Ask(board, [this, board, history](std::optional<solver::Hint> hint) {
    WhenNoModal([this, board, history, hint] {
      // The player may have played on while the solver thought: that hint is for another board.
      const GameView now = game_->View();
      if (!hint || !now.takesMoves || now.board != board || now.history != history) return;
      game_->NoteHintShown();
      hint_->Present(*hint);
    });
  });
}

void Form1::ShowRecords() {
  if (records_ == nullptr) records_ = new RecordsWindow(*this, *game_, imageList1_, hintSource_);
  records_->Open();
}

void Form1::WhenNoModal(std::function<void()> show) {
  QWidget* modal = QApplication::activeModalWidget();
  if (modal == nullptr) {
    show();
    return;
  }
  heldForModal_ = std::move(show);
  // Looked at again once this one has gone: another may still be open beneath it.
  const auto again = [this] {
    if (heldForModal_) WhenNoModal(std::exchange(heldForModal_, nullptr));
  };
  if (auto* dialog = qobject_cast<QDialog*>(modal)) {
    connect(dialog, &QDialog::finished, this, again, Qt::QueuedConnection);
  }
  connect(modal, &QObject::destroyed, this, again, Qt::QueuedConnection);
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
  OpenMessage(this, QMessageBox::Warning, title, text);
}

void Form1::ShowRules() {
  // Built afresh at every opening: its text is back to its own, and it is placed beside the
  // main window wherever that stands now.
  OpenModal(new Form2(*this));
}

void Form1::ShowAbout() {
  kelvora::ui::ShowAbout(this);
}

void Form1::OfferRecordsTransfer(const std::string& folder, FileStore& store) {
  transfer_ = std::make_unique<RecordsTransfer>(*this, folder, store);
  AddTransferMenus(*menuBar(), *this, *transfer_);
}

void Form1::EndProgram() {
  endProgram_();
}

}  // namespace kelvora::ui
