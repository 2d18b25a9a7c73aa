// Value-by-value reading of the data files. A value ends at a line end (CR LF, LF or CR) or a
// comma; blanks before and after it are skipped; a string stands between double quotation marks.
#include "records/DataFileReader.h"

#include <charconv>
#include <utility>

#include "core/Move.h"
#include "records/DataFileError.h"
#include "text/GameText.h"

namespace kelvora {

namespace {

bool IsBlank(char c) {
  return c == ' ' || c == '\t';
}
bool IsLineEnd(char c) {
  return c == '\r' || c == '\n';
}

}  // namespace

DataFileReader::DataFileReader(std::string path, std::string_view contents)
    : path_(std::move(path)), text_(contents) {}

void DataFileReader::Fail(int line, const Phrase& expected) const {
  throw DataFileError(path_, line, expected);
}

std::string_view DataFileReader::NextValue(const Phrase& expected, int& valueLine) {
  while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
  valueLine = line_;
  if (pos_ >= text_.size()) {
    Fail(line_, expected + text::expected::kFileEndsHere);
  }

  std::size_t start = pos_;
  std::size_t end = pos_;
  if (text_[pos_] == '"') {
    std::size_t close = pos_ + 1;
    while (close < text_.size() && text_[close] != '"' && !IsLineEnd(text_[close])) ++close;
    if (close >= text_.size() || text_[close] != '"') Fail(line_, expected);
    end = close + 1;
    pos_ = end;
    while (pos_ < text_.size() && IsBlank(text_[pos_])) ++pos_;
    if (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) Fail(line_, expected);
  } else {
    while (pos_ < text_.size() && text_[pos_] != ',' && !IsLineEnd(text_[pos_])) ++pos_;
    end = pos_;
    while (end > start && IsBlank(text_[end - 1])) --end;
  }

  // Step over the separator: a comma keeps the line, a line end (CR LF counts once) moves on.
  if (pos_ < text_.size()) {
    if (text_[pos_] == ',') {
      ++pos_;
    } else {
      if (text_[pos_] == '\r' && pos_ + 1 < text_.size() && text_[pos_ + 1] == '\n') ++pos_;
      ++pos_;
      ++line_;
    }
  }
  return text_.substr(start, end - start);
}

int DataFileReader::ReadNumber(int min, int max, const Phrase& expected) {
  int valueLine = 0;
  std::string_view value = NextValue(expected, valueLine);
  int number = 0;
  const char* first = value.data();
  const char* last = value.data() + value.size();
  auto [end, error] = std::from_chars(first, last, number);
  if (value.empty() || error != std::errc() || end != last || number < min || number > max) {
    Fail(valueLine, expected);
  }
  return number;
}

std::string DataFileReader::ReadHistory() {
  const Phrase& expected = text::expected::kHistory;
  int valueLine = 0;
  std::string_view value = NextValue(expected, valueLine);
  if (value.size() < 2 || value.front() != '"' || value.back() != '"') Fail(valueLine, expected);
  value = value.substr(1, value.size() - 2);
  for (char letter : value) {
    if (!IsMoveLetter(letter)) Fail(valueLine, expected);
  }
  return std::string(value);
}

}  // namespace kelvora
