// Reads the values of one data file in order, each as the number or string its place demands,
// and names the line of anything that is not what it should be.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "text/Phrase.h"

namespace kelvora {

class DataFileReader {
 public:
  // path is only used to name the file in errors; contents is the whole file.
  DataFileReader(std::string path, std::string_view contents);

  // A plain decimal number within [min, max]; `expected` says what belongs here, for the error.
  int ReadNumber(int min, int max, const Phrase& expected);
  // A move history: letters A to T between double quotation marks (possibly none).
  std::string ReadHistory();

  // Line (1-based) of the next value to read.
  int Line() const { return line_; }
  const std::string& Path() const { return path_; }

  [[noreturn]] void Fail(int line, const Phrase& expected) const;

 private:
  // The raw text of the next value (surrounding blanks removed), and the line it stands on.
  // Quoted values keep their quotes so the caller can tell them apart.
  std::string_view NextValue(const Phrase& expected, int& valueLine);

  std::string path_;
  std::string_view text_;
  std::size_t pos_ = 0;
  int line_ = 1;
};

}  // namespace kelvora
