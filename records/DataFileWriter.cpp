// Formatting of data-file values.
#include "records/DataFileWriter.h"

namespace kelvora {

void DataFileWriter::WriteNumber(int number) {
  text_ += std::to_string(number);
  text_ += "\r\n";
}

void DataFileWriter::WriteString(const std::string& text) {
  text_ += '"';
  text_ += text;
  text_ += "\"\r\n";
}

}  // namespace kelvora
