// File calls that fail at one chosen step with a chosen error, as a full disk or a refused
// rename would, for testing what a save leaves behind.
#pragma once

#include <cerrno>

#include "records/FileOps.h"

namespace kelvora::testing {

// Real file calls, except that one chosen step fails with a chosen error while armed.
class FailingOps : public SystemFileOps {
 public:
  enum class Step { kMakeTemp, kWriteHalfway, kSync, kClose, kRename };
  FailingOps(Step step, int error) : step_(step), error_(error) {}

  // Once disarmed, every call goes through: the disk has room again.
  bool armed = true;

  Handle MakeTemp(std::string& pathTemplate, std::optional<unsigned> mode) override {
    if (Breaks(Step::kMakeTemp)) return Fail();  // -1 is no file
    return SystemFileOps::MakeTemp(pathTemplate, mode);
  }
  long long Write(Handle fd, const char* data, std::size_t size) override {
    if (!Breaks(Step::kWriteHalfway)) return SystemFileOps::Write(fd, data, size);
    // Half the data reaches the file, then the disk is full.
    if (wroteHalf_) {
      wroteHalf_ = false;
      return Fail();
    }
    wroteHalf_ = true;
    return SystemFileOps::Write(fd, data, size / 2);
  }
  int Sync(Handle fd) override { return Breaks(Step::kSync) ? Fail() : SystemFileOps::Sync(fd); }
  int Close(Handle fd) override {
    const int result = SystemFileOps::Close(fd);
    return Breaks(Step::kClose) ? Fail() : result;
  }
  int Rename(const std::string& from, const std::string& to) override {
    return Breaks(Step::kRename) ? Fail() : SystemFileOps::Rename(from, to);
  }

 private:
  bool Breaks(Step step) const { return armed && step_ == step; }
  int Fail() {
    errno = error_;
    return -1;
  }
  Step step_;
  int error_;
  bool wroteHalf_ = false;
};

}  // namespace kelvora::testing
