// The main window: the board of tile boxes, the row arrows, the status labels and the menu. It
// shows what the game asks through the Screen operations and forwards its clicks to the game.
#pragma once

#include <QIcon>
#include <QMainWindow>
#include <array>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>

#include "core/Cells.h"
#include "core/Screen.h"
#include "game/Kelvora.h"
#include "solver/HintSolver.h"
#include "ui/BoardKeys.h"
#include "ui/BoardSpeech.h"
#include "ui/BoardTargets.h"
#include "ui/ClickableLabel.h"
#include "ui/HintAdvisor.h"
#include "ui/PictureStore.h"
#include "ui/ShapeBox.h"
#include "ui/TargetFrame.h"
#include "ui/TileBox.h"

class QLabel;

namespace kelvora::ui {

// The program's icon, four linked rings, as the window and the program show it.
QIcon WindowIcon();

class Form1 : public QMainWindow, public Screen {
  Q_OBJECT

 public:
  // endProgram ends the process (tests pass their own).
  explicit Form1(std::function<void()> endProgram);
  ~Form1() override;

  // From now on clicks and the start commands go to this game, whose screen the window is.
  void ForwardTo(Kelvora& game);

  // The menu commands.
  void StartPreparedStages();
  void StartRandomStage();
  void ShowRules();
  void ShowAbout();
  // The next move of a shortest solution, framed on the board with the moves still needed,
  // until the next click; a beep while no stage is in play.
  void ShowHint();

  // Where the hint's tables are cached and which they are: unless told otherwise, the cache
  // kelvora-stages shares and the full tables (tests take small ones).
  void UseHintTables(std::string cacheFolder, solver::TableSize size);
  void EndProgram();

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
  // The hint on show: its frame's target, or -1; the moves it says are left ("" when none).
  int HintTarget() const;
  QString HintMovesText() const;
  // The status news as a screen reader is told it.
  const Announcer& Announcements() const { return announcer_; }

 private:
  // The clicks of the control arrays, by index within the array.
  void Image1_Click(int index);
  void Label2_Click(int index);
  void Label8_Click(int index);

  void CreateControls(QWidget* client);
  void PresentHint(const solver::Hint& hint);
  void ClearHint();
  QLabel* LabelFor(StatusLabel label) const;

  PictureStore imageList1_;
  Kelvora* game_ = nullptr;
  std::function<void()> endProgram_;
  std::map<std::pair<int, int>, QLabel*> labels_;
  std::array<TileBox*, kCellCount> image1_{};
  std::array<ShapeBox*, 5> shape1_{};
  std::array<ShapeBox*, 8> shape2_{};
  std::unique_ptr<BoardTargets> targets_;
  Announcer announcer_;
  BoardKeys* keys_ = nullptr;
  // Unless a test chose another, the cache kelvora-stages shares.
  std::optional<std::string> hintFolder_;
  solver::TableSize hintSize_ = solver::TableSize::Full;
  // Made at the first hint: start-up neither reads nor maps the tables.
  HintAdvisor* hints_ = nullptr;
  TargetFrame* hintFrame_ = nullptr;
  QLabel* hintMoves_ = nullptr;
};

}  // namespace kelvora::ui
