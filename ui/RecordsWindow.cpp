// The records window's lists, drawn from the one records report, and its replays, played a move
// at a time by the game's own rules on a board that is not the game's.
#include "ui/RecordsWindow.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "game/DeliveredPars.h"
#include "text/GameText.h"
#include "ui/GameFonts.h"
#include "ui/RecordsButton.h"
#include "ui/ReplayPanel.h"
#include "ui/ShortestSolutions.h"

namespace kelvora::ui {

namespace {

constexpr int kGap = 8;

QString Utf8(const std::string& text) {
  return QString::fromStdString(text);
}

QTreeWidget* MakeList(QWidget* parent, const char* name, const QStringList& columns) {
  auto* list = new QTreeWidget(parent);
  list->setObjectName(QString::fromUtf8(name));
  list->setRootIsDecorated(false);
  list->setUniformRowHeights(true);
  list->setAllColumnsShowFocus(true);
  list->setSelectionMode(QAbstractItemView::SingleSelection);
  list->setHeaderLabels(columns);
  list->header()->setStretchLastSection(false);
  list->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
  return list;
}

// A cell that shows figure, or nothing, and that a screen reader reads as the figure or "なし".
void SetFigure(QTreeWidgetItem& item, int column, const std::optional<int>& figure) {
  item.setText(column, figure ? QString::number(*figure) : QString());
  item.setData(column, Qt::AccessibleTextRole,
               figure ? QString::number(*figure) : QString::fromUtf8(text::kSpokenNoFigure));
  item.setTextAlignment(column, Qt::AlignRight | Qt::AlignVCenter);
}

// As wide as its columns need, so the list takes no more of the screen than it shows.
void FitToColumns(QTreeWidget& list) {
  int width = 2 * list.frameWidth() + list.verticalScrollBar()->sizeHint().width();
  for (int column = 0; column < list.columnCount(); ++column) {
    list.resizeColumnToContents(column);
    width += list.columnWidth(column);
  }
  list.setFixedWidth(width);
}

QLabel* MakeListHeading(QWidget* parent, const char* caption, QWidget* list) {
  auto* heading = new QLabel(QString::fromUtf8(caption), parent);
  heading->setBuddy(list);
  return heading;
}

}  // namespace

RecordsWindow::RecordsWindow(QWidget& mainWindow, const Kelvora& game, PictureStore& pictures,
                             HintAdvisor::SourceMaker makeSource)
    : QDialog(&mainWindow),
      mainWindow_(mainWindow),
      game_(game),
      makeSource_(std::move(makeSource)) {
  setObjectName(QStringLiteral("記録"));
  setWindowTitle(QString::fromUtf8(text::kRecordsTitle));
  setModal(false);
  // A face that holds the Japanese captions and their figures alike.
  setFont(MenuFont());

  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("記録概要"));
  preparedList_ =
      MakeList(this, "用意された面の記録",
               {QString::fromUtf8(text::kStageColumn), QString::fromUtf8(text::kBestColumn),
                QString::fromUtf8(text::kParColumn), QString::fromUtf8(text::kAtParColumn)});
  preparedList_->setAccessibleName(QString::fromUtf8(text::kPreparedList).remove('&'));
  archiveSummary_ = new QLabel(this);
  archiveSummary_->setObjectName(QStringLiteral("ランダム面概要"));
  archiveList_ =
      MakeList(this, "ランダム面の記録",
               {QString::fromUtf8(text::kEntryColumn), QString::fromUtf8(text::kMovesColumn)});
  archiveList_->setAccessibleName(QString::fromUtf8(text::kArchiveList).remove('&'));

  replay_ = MakeRecordsButton(this, "再生", text::kReplay);
  shortest_ = MakeRecordsButton(this, "最短手順", text::kShortest);
  panel_ = new ReplayPanel(pictures, this);
  QPushButton* close = MakeRecordsButton(this, "閉じる", text::kClose);

  // Two narrow columns, the lists and the replay with its controls, so that the window finds
  // room beside the main window on a small screen.
  auto* lists = new QVBoxLayout;
  lists->addWidget(summary_);
  lists->addWidget(MakeListHeading(this, text::kPreparedList, preparedList_));
  lists->addWidget(preparedList_, 3);
  lists->addWidget(MakeListHeading(this, text::kArchiveList, archiveList_));
  lists->addWidget(archiveSummary_);
  lists->addWidget(archiveList_, 2);
  auto* replay = new QVBoxLayout;
  replay->addWidget(replay_);
  replay->addWidget(shortest_);
  replay->addWidget(panel_);
  replay->addStretch();
  replay->addWidget(close);
  auto* whole = new QHBoxLayout(this);
  whole->addLayout(lists);
  whole->addLayout(replay);

  connect(replay_, &QPushButton::clicked, this, &RecordsWindow::PlayRecord);
  connect(shortest_, &QPushButton::clicked, this, &RecordsWindow::PlayShortest);
  connect(close, &QPushButton::clicked, this, &QDialog::reject);
  // A choice in one list is the row the buttons act on: the other list lets go of its own.
  // Plain names rather than a structured binding: the browser build's clang cannot capture one.
  for (const auto& chosenAndOther :
       {std::pair{preparedList_, archiveList_}, std::pair{archiveList_, preparedList_}}) {
    QTreeWidget* chosen = chosenAndOther.first;
    QTreeWidget* other = chosenAndOther.second;
    connect(chosen, &QTreeWidget::itemSelectionChanged, other, [chosen, other] {
      if (!chosen->selectedItems().isEmpty()) other->clearSelection();
    });
    connect(chosen, &QTreeWidget::itemActivated, this, &RecordsWindow::PlayRecord);
  }
  // Hidden (Esc, the close button), nothing plays on unseen.
  connect(this, &QDialog::finished, panel_, &ReplayPanel::Stop);
}

RecordsWindow::~RecordsWindow() = default;

void RecordsWindow::Open() {
  const bool first = !isVisible();
  Refresh();
  if (first) {
    adjustSize();
    PlaceBeside(mainWindow_);
  }
  show();
  raise();
  activateWindow();
  if (preparedList_->currentItem() == nullptr && preparedList_->topLevelItemCount() > 0) {
    preparedList_->setCurrentItem(preparedList_->topLevelItem(0));
  }
  preparedList_->setFocus();
}

void RecordsWindow::PlaceBeside(QWidget& mainWindow) {
  const QRect main = mainWindow.frameGeometry();
  QPoint place(main.right() + 1 + kGap, main.top());
  if (QScreen* screen = mainWindow.screen()) {
    const QRect room = screen->availableGeometry();
    // Where there is no room to the right, it overlaps the main window rather than leave the
    // screen.
    place.setX(
        std::max(room.left(), std::min(place.x(), room.right() + 1 - frameGeometry().width())));
    place.setY(
        std::max(room.top(), std::min(place.y(), room.bottom() + 1 - frameGeometry().height())));
  }
  move(place);
}

void RecordsWindow::Refresh() {
  const Records& records = game_.View().records;
  if (drawn_ && records == shown_) return;
  drawn_ = true;
  shown_ = records;
  ShowRows();
  FindOwnPars();
}

std::optional<int> RecordsWindow::ParOf(const Position& start) const {
  if (const std::optional<int> delivered = DeliveredPar(start)) return delivered;
  if (const auto found = foundPars_.find(start.Codes()); found != foundPars_.end()) {
    return found->second;
  }
  return std::nullopt;
}

void RecordsWindow::ShowRows() {
  const std::optional<Row> chosen = ChosenRow();
  report_ = ReportRecords(shown_, [this](const Position& start) { return ParOf(start); });
  const ReportTotals& totals = report_.preparedTotals;
  summary_->setText(Utf8(text::PreparedSummary(totals.stages, totals.withResult, totals.atPar)));
  archiveSummary_->setText(Utf8(text::ArchiveSummary(report_.archiveTotals.stages,
                                                     report_.archiveCapacity, report_.randomBest)));

  const QSignalBlocker holdPrepared(preparedList_);
  const QSignalBlocker holdArchive(archiveList_);
  preparedList_->clear();
  for (const PreparedRow& row : report_.prepared) {
    auto* item = new QTreeWidgetItem(preparedList_);
    item->setText(0, QString::number(row.stage));
    item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    SetFigure(*item, 1, row.best);
    SetFigure(*item, 2, row.par);
    item->setText(3, row.atPar ? QString::fromUtf8(text::kAtParMark) : QString());
    item->setData(3, Qt::AccessibleTextRole,
                  QString::fromUtf8(row.atPar ? text::kSpokenAtPar : ""));
    item->setTextAlignment(3, Qt::AlignHCenter | Qt::AlignVCenter);
  }
  archiveList_->clear();
  for (const ArchiveRow& row : report_.archive) {
    auto* item = new QTreeWidgetItem(archiveList_);
    item->setText(0, QString::number(row.entry));
    item->setTextAlignment(0, Qt::AlignRight | Qt::AlignVCenter);
    SetFigure(*item, 1, row.moves);
  }
  for (QTreeWidget* list : {preparedList_, archiveList_}) FitToColumns(*list);
  if (chosen) {
    QTreeWidget* list = chosen->archive ? archiveList_ : preparedList_;
    if (QTreeWidgetItem* item = list->topLevelItem(chosen->index)) list->setCurrentItem(item);
  }
}

void RecordsWindow::FindOwnPars() {
  std::optional<bool> cached;
  for (const PreparedStage& stage : shown_.prepared) {
    const Key key = stage.start.Codes();
    if (ParOf(stage.start) || parsAsked_.count(key) > 0) continue;
    if (!cached) cached = Solutions().TablesCached();
    if (!*cached) return;
    parsAsked_.insert(key);
    Solutions().Find(stage.start, [this, key](std::optional<std::string> moves) {
      if (!moves) {
        parsAsked_.erase(key);
        return;
      }
      foundPars_[key] = static_cast<int>(moves->size());
      ShowRows();
    });
  }
}

ShortestSolutions& RecordsWindow::Solutions() {
  if (solutions_ == nullptr) {
    solutions_ = new ShortestSolutions(this, makeSource_, [this] { Say(text::kShortestFailed); });
  }
  return *solutions_;
}

std::optional<RecordsWindow::Row> RecordsWindow::ChosenRow() const {
  for (QTreeWidget* list : {preparedList_, archiveList_}) {
    QTreeWidgetItem* item = list->currentItem();
    if (item != nullptr && item->isSelected()) {
      return Row{list == archiveList_, list->indexOfTopLevelItem(item)};
    }
  }
  return std::nullopt;
}

const Position& RecordsWindow::StartOf(const Row& row) const {
  return row.archive ? shown_.archive.at(row.index).start : shown_.prepared.at(row.index).start;
}

void RecordsWindow::PlayRecord() {
  const std::optional<Row> row = ChosenRow();
  if (!row) {
    Say(text::kChooseStage);
    return;
  }
  if (row->archive) {
    const ArchiveRow& shown = report_.archive.at(row->index);
    if (!shown.holds) {
      panel_->Refuse(StartOf(*row), text::kRecordDoesNotReplay);
      return;
    }
    panel_->Play(text::ArchiveRecordTitle(shown.entry), StartOf(*row),
                 shown_.archive[row->index].history);
    return;
  }
  const PreparedRow& shown = report_.prepared.at(row->index);
  if (!shown.best) {
    Say(text::kNoRecordYet);
    return;
  }
  if (!shown.holds) {
    panel_->Refuse(StartOf(*row), text::kRecordDoesNotReplay);
    return;
  }
  panel_->Play(text::PreparedRecordTitle(shown.stage), StartOf(*row),
               shown_.prepared[row->index].bestHistory);
}

void RecordsWindow::PlayShortest() {
  const std::optional<Row> row = ChosenRow();
  if (!row) {
    Say(text::kChooseStage);
    return;
  }
  const Position start = StartOf(*row);
  const std::string title = row->archive ? text::ArchiveShortestTitle(row->index + 1)
                                         : text::PreparedShortestTitle(row->index + 1);
  panel_->Stop();
  Say(text::kFindingShortest);
  Solutions().Find(
      start,
      [this, start, title](std::optional<std::string> moves) {
        if (!moves) {
          if (panel_->Message()->text() == QString::fromUtf8(text::kFindingShortest)) {
            panel_->Message()->clear();
          }
          return;
        }
        // The tables are on the machine now: the pars of the player's own stages follow.
        foundPars_[start.Codes()] = static_cast<int>(moves->size());
        // Closed while the solver thought: nothing plays unseen.
        if (isVisible()) panel_->Play(title, start, *moves);
        ShowRows();
        FindOwnPars();
      },
      true);
}

bool RecordsWindow::Searching() const {
  return solutions_ != nullptr && solutions_->Busy();
}

void RecordsWindow::Say(const char* message) {
  panel_->Say(message);
}

}  // namespace kelvora::ui
