// The game's texts that are put together from parts.
#include "text/GameText.h"

#include <cstdlib>

namespace kelvora::text {

std::string StageCaption(int stage) {
  return std::string("第") + (stage < 0 ? "-" : " ") + std::to_string(std::abs(stage)) + "面";
}

std::string ParToolTip(int moves) {
  return "最短 " + std::to_string(moves) + " 手";
}

std::string MovesLeft(int moves) {
  return "あと " + std::to_string(moves) + " 手";
}

std::string PreparedSummary(int stages, int solved, int atPar) {
  return std::to_string(stages) + " 面中 " + std::to_string(solved) + " 面クリア、うち " +
         std::to_string(atPar) + " 面が最短手数";
}

std::string ArchiveSummary(int stages, int capacity, std::optional<int> best) {
  return "ランダム面 " + std::to_string(stages) + " / " + std::to_string(capacity) + " 面、" +
         (best ? "ベスト " + std::to_string(*best) + " 手" : std::string("ベストなし"));
}

std::string PreparedRecordTitle(int stage) {
  return StageCaption(stage) + " のベスト";
}

std::string ArchiveRecordTitle(int entry) {
  return "ランダム面 " + std::to_string(entry);
}

std::string PreparedShortestTitle(int stage) {
  return StageCaption(stage) + " の最短手順";
}

std::string ArchiveShortestTitle(int entry) {
  return ArchiveRecordTitle(entry) + " の最短手順";
}

std::string ReplayCount(int played, int moves) {
  return "手数 " + std::to_string(played) + " / " + std::to_string(moves);
}

std::string AboutText(const std::string& version, const std::string& releaseDate) {
  return "ＫＥＬＶＯＲＡ\n\nby the KELVORA project team\n\nVersion " + version + "  (" +
         releaseDate + ")";
}

std::string DamagedDataFile(const std::string& path, int line, const std::string& expected) {
  std::string text = "データファイルを読み込めないため、KELVORA を起動できません。\n\n";
  text += "ファイル: " + path + "\n";
  if (line > 0) text += "行: " + std::to_string(line) + " 行目\n";
  text += "必要なもの: " + expected + "\n\n";
  text += "ファイルは何も変更していません。";
  return text;
}

Phrase RecordsNotPrepared(const std::string& path, const Phrase& reason) {
  return Phrase{
             "記録を置くフォルダーを用意できないため、KELVORA を起動できません。\n\n"
             "ファイル: " +
                 path + "\n理由: ",
             "the records folder could not be prepared: " + path + ": "} +
         reason;
}

std::string SaveFailed(const std::vector<std::pair<std::string, std::string>>& pathsAndReasons) {
  std::string text = "記録をファイルに保存できませんでした。\n\n";
  for (const auto& [path, reason] : pathsAndReasons) {
    text += "ファイル: " + path + "\n";
    text += "理由: " + reason + "\n\n";
  }
  text += "記録はゲームを続けている間は残っていて、次に記録を保存するときに一緒に書き込まれます。";
  return text;
}

namespace expected {

Phrase ReadableFile(const Phrase& reason) {
  return Phrase{"読み取れるファイル（", "a readable file ("} + reason + Phrase{"）", ")"};
}

Phrase RecordCount(int most, const std::string& stageFile) {
  const std::string limit = std::to_string(most);
  return {"0 から " + limit + " までの面の数（" + stageFile + " の面の数を超えない数）",
          "a number of stages from 0 to " + limit + " (no more than " + stageFile + " holds)"};
}

}  // namespace expected

}  // namespace kelvora::text
