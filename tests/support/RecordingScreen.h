// A fake screen that remembers what every tile box and label shows and every call made to it.
#pragma once

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/GameState.h"
#include "core/Screen.h"
#include "core/TileIndex.h"

namespace kelvora::testing {

inline const char* LabelName(ScreenLabel label) {
  switch (label) {
    case ScreenLabel::Label4:
      return "Label4";
    case ScreenLabel::Label6:
      return "Label6";
    case ScreenLabel::Label7:
      return "Label7";
    case ScreenLabel::Label8_0:
      return "Label8(0)";
    case ScreenLabel::Label8_1:
      return "Label8(1)";
    case ScreenLabel::Label9:
      return "Label9";
    case ScreenLabel::Label10:
      return "Label10";
    case ScreenLabel::Label11:
      return "Label11";
  }
  return "?";
}

class RecordingScreen : public Screen {
 public:
  void SetTilePicture(int tileIndex, int picture) override {
    pictures.at(tileIndex) = picture;
    log.push_back("picture " + std::to_string(tileIndex) + "=" + std::to_string(picture));
  }
  void ShowTile(int tileIndex) override { tileShown.at(tileIndex) = true; }
  void SetCaption(ScreenLabel label, const std::string& caption) override {
    captions[label] = caption;
    log.push_back(std::string("caption ") + LabelName(label) + "=" + caption);
  }
  void SetLabelVisible(ScreenLabel label, bool visible) override {
    shown[label] = visible;
    log.push_back(std::string(visible ? "show " : "hide ") + LabelName(label));
  }
  void Beep() override {
    ++beeps;
    log.push_back("beep");
  }
  void ShowMessage(const std::string& title, const std::string& text) override {
    messages.emplace_back(title, text);
    log.push_back("message " + title);
  }

  std::string Caption(ScreenLabel label) const {
    auto it = captions.find(label);
    return it == captions.end() ? std::string() : it->second;
  }
  bool Shown(ScreenLabel label) const {
    auto it = shown.find(label);
    return it != shown.end() && it->second;
  }
  // Every tile box shows exactly the code of its cell.
  bool ShowsBoard(const Board& board) const {
    for (int index = 0; index < kTileBoxCount; ++index) {
      if (pictures[index] != board.At(ColumnOf(index), RowOf(index))) return false;
    }
    return true;
  }

  std::array<int, kTileBoxCount> pictures{};  // 0: no picture yet
  std::array<bool, kTileBoxCount> tileShown{};
  std::map<ScreenLabel, std::string> captions;
  std::map<ScreenLabel, bool> shown;
  int beeps = 0;
  std::vector<std::pair<std::string, std::string>> messages;
  std::vector<std::string> log;
};

}  // namespace kelvora::testing
