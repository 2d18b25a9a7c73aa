// A data file that cannot be used: which file, which line, and what should have stood there.
#pragma once

#include <stdexcept>
#include <string>

namespace kelvora {

class DataFileError : public std::runtime_error {
 public:
  // line 0 means the file as a whole (missing or unreadable).
  DataFileError(std::string path, int line, std::string expected);

  const std::string& Path() const { return path_; }
  int Line() const { return line_; }
  const std::string& Expected() const { return expected_; }

  // The message the player sees, in the game's language.
  std::string PlayerMessage() const;

 private:
  std::string path_;
  int line_;
  std::string expected_;
};

}  // namespace kelvora
