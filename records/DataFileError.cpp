// Wording of the message that stops the game over a damaged data file.
#include "records/DataFileError.h"

#include <utility>

#include "text/GameText.h"

namespace kelvora {

namespace {

std::string Describe(const std::string& path, int line, const Phrase& expected) {
  std::string text = path;
  if (line > 0) text += ", line " + std::to_string(line);
  return text + ": expected " + expected.english;
}

}  // namespace

DataFileError::DataFileError(std::string path, int line, Phrase expected, Status::Code code)
    : std::runtime_error(Describe(path, line, expected)),
      path_(std::move(path)),
      line_(line),
      expected_(std::move(expected)),
      code_(code) {}

std::string DataFileError::PlayerMessage() const {
  return text::DamagedDataFile(path_, line_, expected_.japanese);
}

Status DataFileError::ToStatus() const {
  return Status::Failed(code_, {PlayerMessage(), what()});
}

}  // namespace kelvora
