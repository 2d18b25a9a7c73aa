// The data files on disk, read whole and replaced crash-safe by the system the game runs on: a
// crash or a full disk at any moment leaves either the whole old file or the whole new one.
#pragma once

#include "platform/System.h"
#include "records/FileStore.h"

namespace kelvora {

class DiskFileStore : public FileStore {
 public:
  explicit DiskFileStore(platform::System& system = platform::System::Default())
      : system_(system) {}

  Result<std::string> Read(const std::string& path) override { return system_.Read(path); }
  Status Replace(const std::string& path, const std::string& contents) override {
    return system_.Replace(path, contents);
  }
  void RemoveSaveLeftovers(const std::string& path) override {
    system_.RemoveReplaceLeftovers(path);
  }

 private:
  platform::System& system_;
};

}  // namespace kelvora
