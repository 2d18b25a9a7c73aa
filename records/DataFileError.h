// A data file that cannot be used: which file, which line, and what should have stood there.
// The readers throw it to leave a damaged file at once; it never leaves the records, which hand
// it on as a Status.
#pragma once

#include <stdexcept>
#include <string>

#include "core/Status.h"
#include "text/Phrase.h"

namespace kelvora {

class DataFileError : public std::runtime_error {
 public:
  // line 0 means the file as a whole (missing or unreadable); code says which kind of failure
  // it is, damage unless told otherwise.
  DataFileError(std::string path, int line, Phrase expected,
                Status::Code code = Status::Code::kDamaged);

  const std::string& Path() const { return path_; }
  int Line() const { return line_; }
  const Phrase& Expected() const { return expected_; }

  // what() is the English line the tools print; this is the message the player sees.
  std::string PlayerMessage() const;
  // The failure as everything below the window reports one: the player's message and the
  // tools' line.
  Status ToStatus() const;

 private:
  std::string path_;
  int line_;
  Phrase expected_;
  Status::Code code_;
};

}  // namespace kelvora
