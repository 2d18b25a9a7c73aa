// Where the data files are read from and written to: the disk in the game, fakes in tests.
#pragma once

#include <string>

#include "text/Phrase.h"

namespace kelvora {

struct FileReadResult {
  enum class Status { kRead, kMissing, kUnreadable };
  Status status = Status::kMissing;
  std::string contents;
  // Why an existing file could not be read.
  Phrase reason;
};

// What became of one file's save.
struct FileWriteResult {
  static FileWriteResult Written() { return {}; }
  static FileWriteResult Failed(Phrase why) { return {false, std::move(why)}; }

  bool written = true;
  // Why the file was not replaced; it is then untouched.
  Phrase reason;
};

class FileStore {
 public:
  virtual ~FileStore() = default;
  virtual FileReadResult Read(const std::string& path) = 0;
  // Replaces the file whole or not at all. A file the player made read-only is not replaced.
  virtual FileWriteResult Replace(const std::string& path, const std::string& contents) = 0;
  // Removes what an interrupted save of this file may have left beside it. Only safe while no
  // other copy of the game can be saving the same file.
  virtual void RemoveSaveLeftovers(const std::string& path) = 0;
};

}  // namespace kelvora
