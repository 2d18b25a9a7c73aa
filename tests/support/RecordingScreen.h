// A fake screen that remembers what every tile box and label shows and every call made to it.
#pragma once

#include <array>
#include <map>
#include <string>
#include <utility>
#include <vector>

#include "core/Cells.h"
#include "core/Position.h"
#include "core/Screen.h"

namespace kelvora::testing {

inline const char* LabelName(StatusLabel label) {
  switch (label) {
    case StatusLabel::kMatchCount:
      return "matches";
    case StatusLabel::kMoveCount:
      return "moves";
    case StatusLabel::kStageCaption:
      return "stage";
    case StatusLabel::kBack:
      return "back";
    case StatusLabel::kNext:
      return "next";
    case StatusLabel::kBestHeading:
      return "best heading";
    case StatusLabel::kBest:
      return "best";
    case StatusLabel::kCompletion:
      return "completion";
  }
  return "?";
}

class RecordingScreen : public Screen {
 public:
  void SetTilePicture(int tileIndex, int code) override {
    pictures.at(tileIndex) = code;
    log.push_back("picture " + std::to_string(tileIndex) + "=" + std::to_string(code));
  }
  void ShowTile(int tileIndex) override { tileShown.at(tileIndex) = true; }
  void SetCaption(StatusLabel label, const std::string& caption) override {
    captions[label] = caption;
    log.push_back(std::string("caption ") + LabelName(label) + "=" + caption);
  }
  void SetLabelVisible(StatusLabel label, bool visible) override {
    shown[label] = visible;
    log.push_back(std::string(visible ? "show " : "hide ") + LabelName(label));
  }
  void SetToolTip(StatusLabel label, const std::string& tip) override { toolTips[label] = tip; }
  void Beep() override {
    ++beeps;
    log.push_back("beep");
  }
  void ShowMessage(const std::string& title, const std::string& text) override {
    messages.emplace_back(title, text);
    log.push_back("message " + title);
  }

  std::string Caption(StatusLabel label) const {
    auto it = captions.find(label);
    return it == captions.end() ? std::string() : it->second;
  }
  bool Shown(StatusLabel label) const {
    auto it = shown.find(label);
    return it != shown.end() && it->second;
  }
  // Every tile box shows exactly the code of its cell.
  bool Shows(const Position& position) const {
    for (int index = 0; index < kCellCount; ++index) {
      if (pictures[index] != position.At(CellAt(index))) return false;
    }
    return true;
  }

  std::array<int, kCellCount> pictures{};  // 0: no picture yet
  std::array<bool, kCellCount> tileShown{};
  std::map<StatusLabel, std::string> captions;
  std::map<StatusLabel, std::string> toolTips;
  std::map<StatusLabel, bool> shown;
  int beeps = 0;
  std::vector<std::pair<std::string, std::string>> messages;
  std::vector<std::string> log;
};

}  // namespace kelvora::testing
