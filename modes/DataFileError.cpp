// Wording of the message that stops the game over a damaged data file.
#include "modes/DataFileError.h"

#include <utility>

namespace kelvora {

namespace {

std::string Describe(const std::string& path, int line, const Phrase& expected) {
  std::string text = path;
  if (line > 0) text += ", line " + std::to_string(line);
  return text + ": expected " + expected.english;
}

}  // namespace

DataFileError::DataFileError(std::string path, int line, Phrase expected)
    : std::runtime_error(Describe(path, line, expected)),
      path_(std::move(path)),
      line_(line),
      expected_(std::move(expected)) {}

std::string DataFileError::PlayerMessage() const {
  std::string text = "データファイルを読み込めないため、KELVORA を起動できません。\n\n";
  text += "ファイル: " + path_ + "\n";
  if (line_ > 0) text += "行: " + std::to_string(line_) + " 行目\n";
  text += "必要なもの: " + expected_.japanese + "\n\n";
  text += "ファイルは何も変更していません。";
  return text;
}

}  // namespace kelvora
