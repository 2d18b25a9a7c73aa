// A fresh folder on the real disk for one test, named after the test and the run, and
// removed afterwards with whatever the test left in it (read-only files and folders included).
#pragma once

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "tests/support/ChildProcess.h"
#include "text/Utf8Path.h"

namespace kelvora::testing {

class DiskFolder {
  // The test's own folder, made first and removed whole.
  std::filesystem::path top_;
  // This run of the test program, in no other running one's folder names: the process id, and
  // a random number beside it, as under node every program is process 42.
  static const std::string& RunName() {
    static const std::string name =
        std::to_string(ProcessId()) + "-" + std::to_string(std::random_device()());
    return name;
  }

 public:
  // The folder the test works in.
  const std::filesystem::path path;

  // `subfolder`, if given, is made inside the test's folder and is the one this stands for.
  explicit DiskFolder(const std::string& kind, const std::string& subfolder = "")
      : top_(std::filesystem::temp_directory_path() /
             PathFromUtf8("kelvora-" + kind + "-" + RunName() + "-" +
                          ::testing::UnitTest::GetInstance()->current_test_info()->name())),
        path(subfolder.empty() ? top_ : top_ / PathFromUtf8(subfolder)) {
    Remove();
    std::filesystem::create_directories(path);
  }
  ~DiskFolder() { Remove(); }
  DiskFolder(const DiskFolder&) = delete;
  DiskFolder& operator=(const DiskFolder&) = delete;

  // The folder as the game writes it: UTF-8, the system's separators.
  std::string Text() const { return Utf8FromPath(path); }
  // A file in the folder, as the game names it.
  std::string Path(const std::string& name) const {
    return Utf8FromPath(path / PathFromUtf8(name));
  }

  static std::string Contents(const std::string& file) {
    std::ifstream in(PathFromUtf8(file), std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  void Write(const std::string& name, const std::string& text) const {
    std::ofstream(path / PathFromUtf8(name), std::ios::binary) << text;
  }

  // Files in the folder with ".saving-" in their name: what a failed save left behind.
  int StrayFiles() const {
    int count = 0;
    for (const auto& entry : std::filesystem::directory_iterator(path)) {
      if (Utf8FromPath(entry.path().filename()).find(".saving-") != std::string::npos) ++count;
    }
    return count;
  }

 private:
  // Windows refuses to delete a read-only file, and no system lets a file out of a folder
  // without write permission: both are given back first.
  void Remove() const {
    namespace fs = std::filesystem;
    std::error_code code;
    if (!fs::exists(top_, code)) return;
    fs::permissions(top_, fs::perms::owner_all, fs::perm_options::add, code);
    for (auto entry = fs::recursive_directory_iterator(top_, code);
         !code && entry != fs::recursive_directory_iterator(); entry.increment(code)) {
      fs::permissions(entry->path(), fs::perms::owner_all, fs::perm_options::add, code);
    }
    fs::remove_all(top_, code);
  }
};

}  // namespace kelvora::testing
