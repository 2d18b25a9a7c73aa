// Data files held in memory, with every write remembered and any file made to fail on demand.
#pragma once

#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "records/FileStore.h"
#include "text/Utf8Path.h"

namespace kelvora::testing {

// A folder for files in memory, written as the system writes paths: "/games/kelvora" stays as it
// is on POSIX systems and is "\games\kelvora" on Windows.
inline std::string SystemFolder(const char* posixForm) {
  return Utf8FromPath(std::filesystem::path(posixForm).make_preferred());
}

class MemoryFileStore : public FileStore {
 public:
  Result<std::string> Read(const std::string& path) override {
    if (unreadable.count(path) != 0) {
      return Status::Failed(Status::Code::kDenied,
                            {"読み取りが許可されていません", "permission to read is denied"});
    }
    auto it = files.find(path);
    if (it == files.end()) return Status::Failed(Status::Code::kNotFound, {});
    return it->second;
  }

  Status Replace(const std::string& path, const std::string& contents) override {
    attempts.push_back(path);
    if (failing.count(path) != 0) {
      return Status::Failed(Status::Code::kNoSpace, {"容量不足", "disk full"});
    }
    files[path] = contents;
    writes.push_back(path);
    return Status::Ok();
  }
  void RemoveSaveLeftovers(const std::string& path) override { cleaned.push_back(path); }

  std::map<std::string, std::string> files;
  std::set<std::string> failing;
  std::set<std::string> unreadable;
  std::vector<std::string> attempts;
  std::vector<std::string> writes;
  std::vector<std::string> cleaned;
};

}  // namespace kelvora::testing
