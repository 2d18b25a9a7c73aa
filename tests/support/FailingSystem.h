// The real system, except that one chosen step fails with a chosen error, as a full disk, a
// refused rename or a folder that takes no lock would: for testing what a save, a cache or a lock
// leaves behind.
#pragma once

#include <cerrno>

#include "platform/System.h"

namespace kelvora::testing {

class FailingSystem : public platform::System {
 public:
  enum class Step { kNone, kMakeTemp, kWriteHalfway, kSync, kClose, kRename, kLockFolder };
  FailingSystem(Step step, int error) : step_(step), error_(error) {}

  // Once disarmed, every call goes through: the disk has room again.
  bool armed = true;
  // Files flushed to the disk, and bytes written, by the replaces so far.
  int syncs = 0;
  long long written = 0;

  Handle MakeTemp(std::string& pathTemplate, const std::string& replacing) override {
    if (Breaks(Step::kMakeTemp)) return Fail();  // -1 is no file
    return real_.MakeTemp(pathTemplate, replacing);
  }
  long long Write(Handle file, const std::uint8_t* data, std::size_t size) override {
    if (Breaks(Step::kWriteHalfway)) {
      // Half the data reaches the file, then the disk is full.
      if (wroteHalf_) return Fail();
      wroteHalf_ = true;
      size /= 2;
    }
    const long long n = real_.Write(file, data, size);
    if (n > 0) written += n;
    return n;
  }
  int Sync(Handle file) override {
    if (Breaks(Step::kSync)) return Fail();
    const int result = real_.Sync(file);
    if (result == 0) ++syncs;
    return result;
  }
  int Close(Handle file) override {
    const int result = real_.Close(file);
    return Breaks(Step::kClose) ? Fail() : result;
  }
  int Rename(const std::string& from, const std::string& to) override {
    return Breaks(Step::kRename) ? Fail() : real_.Rename(from, to);
  }
  int Unlink(const std::string& path) override { return real_.Unlink(path); }
  void SyncFolder(const std::string& folder) override { real_.SyncFolder(folder); }
  bool ReadOnly(const std::string& path) override { return real_.ReadOnly(path); }
  Result<std::unique_ptr<platform::MappedFile>> MapFile(const std::string& path) override {
    return real_.MapFile(path);
  }
  Result<std::unique_ptr<platform::MappedFile>> LoadFile(const std::string& path) override {
    return real_.LoadFile(path);
  }
  Result<std::unique_ptr<platform::HeldLock>> LockFolder(const std::string& folder,
                                                         const std::string& requests) override {
    if (Breaks(Step::kLockFolder)) {
      return Status::Failed(Status::Code::kUnavailable, {"鍵がかかりません", "no lock here"});
    }
    return real_.LockFolder(folder, requests);
  }
  bool AskToComeForward(const std::string& requests) override {
    return real_.AskToComeForward(requests);
  }
  std::string ProgramFolder() override { return real_.ProgramFolder(); }
  std::string CacheFolder() override { return real_.CacheFolder(); }
  std::string PlayerDataFolder() override { return real_.PlayerDataFolder(); }
  bool CanWriteFolder(const std::string& folder) override { return real_.CanWriteFolder(folder); }
  std::optional<std::string> Environment(const std::string& name) override {
    return real_.Environment(name);
  }
  bool DisplayComesFromEnvironment() override { return real_.DisplayComesFromEnvironment(); }

 private:
  bool Breaks(Step step) const { return armed && step_ == step; }
  int Fail() {
    errno = error_;
    return -1;
  }
  platform::System& real_ = platform::System::Default();
  Step step_;
  int error_;
  bool wroteHalf_ = false;
};

}  // namespace kelvora::testing
