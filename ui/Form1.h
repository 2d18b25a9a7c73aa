// The main window: the board of tile boxes, the row arrows, the status labels and the menu. It
// shows what the game logic asks through the Screen operations and forwards its clicks.
#pragma once

#include <QIcon>
#include <QMainWindow>
#include <array>
#include <functional>
#include <map>
#include <string>

#include "core/ClockRandom.h"
#include "core/Screen.h"
#include "modes/DiskFileStore.h"
#include "modes/Kelvora.h"
#include "ui/ClickableLabel.h"
#include "ui/PictureStore.h"
#include "ui/ShapeBox.h"
#include "ui/TileBox.h"

class QLabel;

namespace kelvora::ui {

// The program's icon, four linked rings, as the window and the program show it.
QIcon WindowIcon();

class Form1 : public QMainWindow, public Screen {
  Q_OBJECT

 public:
  // programFolder holds the data files; endProgram ends the process (tests pass their own).
  Form1(const std::string& programFolder, std::function<void()> endProgram,
        FileStore* store = nullptr, RandomSource* random = nullptr);
  ~Form1() override;

  // Start-up of the game; throws DataFileError over a damaged data file, having written nothing.
  void Form_Load() { game_.Form_Load(); }

  // The menu commands.
  void StartPreparedStages() { game_.StartPreparedStages(); }
  void StartRandomStage() { game_.StartRandomStage(); }
  void ShowRules();
  void ShowAbout();
  void EndProgram();

  // Screen
  void SetTilePicture(int tileIndex, int picture) override;
  void ShowTile(int tileIndex) override;
  void SetCaption(ScreenLabel label, const std::string& caption) override;
  void SetLabelVisible(ScreenLabel label, bool visible) override;
  void Beep() override;
  void ShowMessage(const std::string& title, const std::string& text) override;

  // The controls, by the names the layout gives them.
  QLabel* Label(int number, int index = 0) const;
  TileBox* Image1(int index) const { return image1_.at(index); }
  ShapeBox* Shape1(int index) const { return shape1_.at(index); }
  ShapeBox* Shape2(int index) const { return shape2_.at(index); }
  Kelvora& Game() { return game_; }

 private:
  void CreateControls(QWidget* client);
  QLabel* LabelFor(ScreenLabel label) const;

  DiskFileStore diskStore_;
  ClockRandom clockRandom_;
  PictureStore imageList1_;
  Kelvora game_;
  std::function<void()> endProgram_;
  std::map<std::pair<int, int>, QLabel*> labels_;
  std::array<TileBox*, 16> image1_{};
  std::array<ShapeBox*, 5> shape1_{};
  std::array<ShapeBox*, 8> shape2_{};
};

}  // namespace kelvora::ui
