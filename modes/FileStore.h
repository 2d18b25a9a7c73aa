// Where the data files are read from and written to: the disk in the game, fakes in tests.
#pragma once

#include <string>

namespace kelvora {

struct FileReadResult {
  enum class Status { kRead, kMissing, kUnreadable };
  Status status = Status::kMissing;
  std::string contents;
  // Why an existing file could not be read.
  std::string reason;
};

class FileStore {
 public:
  virtual ~FileStore() = default;
  virtual FileReadResult Read(const std::string& path) = 0;
  // Replaces the file whole or not at all. Returns an empty string on success, otherwise why it
  // failed, in words for the player; the old file is then untouched.
  virtual std::string Replace(const std::string& path, const std::string& contents) = 0;
};

}  // namespace kelvora
