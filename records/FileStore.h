// Where the data files are read from and written to: the disk in the game, fakes in tests.
#pragma once

#include <string>

#include "core/Status.h"

namespace kelvora {

class FileStore {
 public:
  virtual ~FileStore() = default;
  // The file's text; Status::Code::kNotFound when there is no such file, else the reason an
  // existing file could not be read.
  virtual Result<std::string> Read(const std::string& path) = 0;
  // Replaces the file whole or not at all; when not, the reason, and the file is untouched. A
  // file the player made read-only is not replaced.
  virtual Status Replace(const std::string& path, const std::string& contents) = 0;
  // Removes what an interrupted save of this file may have left beside it. Only safe while no
  // other copy of the game can be saving the same file.
  virtual void RemoveSaveLeftovers(const std::string& path) = 0;
};

}  // namespace kelvora
