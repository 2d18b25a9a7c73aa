// The records window: the player's results on every prepared stage against par and the random
// archive, with a replay of each record and the shortest solution of any stage on a board of its
// own. Built at its first opening; it reads the game's records and writes nothing.
#pragma once

#include <QDialog>
#include <array>
#include <map>
#include <optional>
#include <set>
#include <string>

#include "core/Position.h"
#include "game/Kelvora.h"
#include "game/RecordsReport.h"
#include "records/Records.h"
#include "ui/HintAdvisor.h"

class QLabel;
class QPushButton;
class QTreeWidget;

namespace kelvora::ui {

class PictureStore;
class ReplayPanel;
class ShortestSolutions;

class RecordsWindow : public QDialog {
  Q_OBJECT

 public:
  // makeSource: what the hint uses, so the shortest solutions come from the same tables.
  RecordsWindow(QWidget& mainWindow, const Kelvora& game, PictureStore& pictures,
                HintAdvisor::SourceMaker makeSource);
  ~RecordsWindow() override;

  // Shows the records as they stand, beside the main window.
  void Open();
  // Shows the records again if a save changed them since they were last shown.
  void Refresh();

  // The buttons' commands, on the row chosen in either list.
  void PlayRecord();
  void PlayShortest();

  const RecordsReport& Report() const { return report_; }
  QLabel* Summary() const { return summary_; }
  QLabel* ArchiveSummary() const { return archiveSummary_; }
  QTreeWidget* PreparedList() const { return preparedList_; }
  QTreeWidget* ArchiveList() const { return archiveList_; }
  QPushButton* ReplayButton() const { return replay_; }
  QPushButton* ShortestButton() const { return shortest_; }
  ReplayPanel* Replay() const { return panel_; }
  // The solver works for the window: a shortest solution or a par is being found.
  bool Searching() const;

 private:
  struct Row {
    bool archive = false;
    // Counted from 0 in its list.
    int index = 0;
  };
  using Key = std::array<int, kCellCount>;

  std::optional<Row> ChosenRow() const;
  const Position& StartOf(const Row& row) const;
  std::optional<int> ParOf(const Position& start) const;
  void ShowRows();
  // The pars of the player's own stages, found in the background when the tables are on the
  // machine already: the window never builds them for a par.
  void FindOwnPars();
  ShortestSolutions& Solutions();
  void Say(const char* message);
  void PlaceBeside(QWidget& mainWindow);

  QWidget& mainWindow_;
  const Kelvora& game_;
  HintAdvisor::SourceMaker makeSource_;
  ShortestSolutions* solutions_ = nullptr;
  Records shown_;
  RecordsReport report_;
  std::map<Key, int> foundPars_;
  std::set<Key> parsAsked_;

  QLabel* summary_;
  QLabel* archiveSummary_;
  QTreeWidget* preparedList_;
  QTreeWidget* archiveList_;
  QPushButton* replay_;
  QPushButton* shortest_;
  ReplayPanel* panel_;

  bool drawn_ = false;
};

}  // namespace kelvora::ui
