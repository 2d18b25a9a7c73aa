// Builds the text of one data file: one value per line, every line ended by CR LF.
#pragma once

#include <cstdint>
#include <string>

namespace kelvora {

class DataFileWriter {
 public:
  void WriteNumber(int number);
  // Strings go between double quotation marks; move histories need no escaping.
  void WriteString(const std::string& text);

  const std::string& Text() const { return text_; }

 private:
  std::string text_;
};

}  // namespace kelvora
