// The main window: the board of tile boxes, the row arrows, the status labels and the menu. It
// shows what the game asks through the Screen operations and forwards its clicks to the game.
#pragma once

#include <QIcon>
#include <QMainWindow>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "core/Cells.h"
#include "core/RandomSource.h"
#include "core/Screen.h"
#include "game/Kelvora.h"
#include "records/RecordFiles.h"
#include "ui/BoardKeys.h"
#include "ui/BoardSpeech.h"
#include "ui/BoardTargets.h"
#include "ui/ClickableLabel.h"
#include "ui/HintAdvisor.h"
#include "ui/HintOverlay.h"
#include "ui/PictureStore.h"
#include "ui/ShapeBox.h"
#include "ui/TileBox.h"

class QLabel;

namespace kelvora::ui {
class RecordsWindow;
class RecordsTransfer;
}  // namespace kelvora::ui

namespace kelvora::ui {

// The program's icon, four linked rings, as the window and the program show it.
QIcon WindowIcon();

class Form1 : public QMainWindow, public Screen {
  Q_OBJECT

 public:
  // Makes the game that plays on the screen it is given: the window, or something that passes
  // the window's operations on.
  using GameMaker = std::function<std::unique_ptr<Kelvora>(Screen& window)>;

  // The window and its game, made together: every click has a game to go to. endProgram ends
  // the process (tests pass their own). The game is not started.
  Form1(std::function<void()> endProgram, RandomSource& random, RecordFiles& files);
  Form1(std::function<void()> endProgram, const GameMaker& makeGame);
  ~Form1() override;

  Kelvora& Game() const { return *game_; }

  // The menu commands.
  void StartPreparedStages();
  void StartRandomStage();
  void ShowRules();
  void ShowAbout();
  // The next move of a shortest solution, framed on the board with the moves still needed,
  // until the next click; a beep while no stage is in play.
  void ShowHint();
  // The records window, beside this one; built at its first opening.
  void ShowRecords();
  // Nothing until the records window is first opened.
  RecordsWindow* Records() const { return records_; }

  // What finds the hints: unless told otherwise, the solver over the full tables in the cache
  // kelvora-stages shares (tests take small tables, or a source of their own). Before the first
  // hint only.
  void UseHintSource(HintAdvisor::SourceMaker makeSource);
  void EndProgram();
  // Where the player's records lie out of their own tools' reach (a browser's storage): the
  // puzzle menu gains entries to take the data files in folder out and to put them back.
  void OfferRecordsTransfer(const std::string& folder, FileStore& store);
  RecordsTransfer* Transfer() const { return transfer_.get(); }

  // Screen
  void SetTilePicture(int tileIndex, int code) override;
  void ShowTile(int tileIndex) override;
  void SetCaption(StatusLabel label, const std::string& caption) override;
  void SetLabelVisible(StatusLabel label, bool visible) override;
  void SetToolTip(StatusLabel label, const std::string& tip) override;
  void Beep() override;
  void ShowMessage(const std::string& title, const std::string& text) override;

  // The controls, by the names the layout gives them.
  QLabel* Label(int number, int index = 0) const;
  TileBox* Image1(int index) const { return image1_.at(index); }
  ShapeBox* Shape1(int index) const { return shape1_.at(index); }
  ShapeBox* Shape2(int index) const { return shape2_.at(index); }

  // The tile boxes and arrows a click plays, and the keys that play them.
  const BoardTargets& Targets() const { return *targets_; }
  const BoardKeys& Keys() const { return *keys_; }
  // The hint on show, if any.
  const HintOverlay& Hint() const { return *hint_; }
  // The status news as a screen reader is told it.
  const Announcer& Announcements() const { return announcer_; }

 private:
  // The clicks of the control arrays, by index within the array.
  void Image1_Click(int index);
  void Label2_Click(int index);
  void Label8_Click(int index);
  // A new stage's first hint worked out before it is asked for.
  void AnticipateHint();

  void CreateControls(QWidget* client);
  QLabel* LabelFor(StatusLabel label) const;
  // Runs show now, or once no window of the game is modal: nothing of the hint comes up over
  // the rules, a message or the version box. Only the newest held is kept.
  void WhenNoModal(std::function<void()> show);
  // A move may have saved a record: an open records window shows it.
  void RefreshRecords();

  PictureStore imageList1_;
  std::function<void()> endProgram_;
  std::map<std::pair<int, int>, QLabel*> labels_;
  std::array<TileBox*, kCellCount> image1_{};
  std::array<ShapeBox*, 5> shape1_{};
  std::array<ShapeBox*, 8> shape2_{};
  std::unique_ptr<BoardTargets> targets_;
  Announcer announcer_;
  BoardKeys* keys_ = nullptr;
  std::unique_ptr<HintOverlay> hint_;
  HintAdvisor::SourceMaker hintSource_;
  // Made at the first hint: start-up neither reads nor maps the tables.
  HintAdvisor* hints_ = nullptr;
  RecordsWindow* records_ = nullptr;
  std::unique_ptr<RecordsTransfer> transfer_;
  std::function<void()> heldForModal_;
  // Made last, once the window it plays on is whole.
  std::unique_ptr<Kelvora> game_;
};

}  // namespace kelvora::ui
