// A data file that cannot be used: which file, which line, and what should have stood there.
#pragma once

#include <stdexcept>
#include <string>

#include "text/Phrase.h"

namespace kelvora {

class DataFileError : public std::runtime_error {
 public:
  // line 0 means the file as a whole (missing or unreadable).
  DataFileError(std::string path, int line, Phrase expected);

  const std::string& Path() const { return path_; }
  int Line() const { return line_; }
  const Phrase& Expected() const { return expected_; }

  // what() is the English line the tools print; this is the message the player sees.
  std::string PlayerMessage() const;

 private:
  std::string path_;
  int line_;
  Phrase expected_;
};

}  // namespace kelvora
