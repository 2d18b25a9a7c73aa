// File calls that fail at one chosen step with a chosen error, as a full disk or a refused
// rename would, for testing what a save leaves behind.
#pragma once

#include <cerrno>

#include "records/FileOps.h"

namespace kelvora::testing {

// Real file calls, except that one chosen step fails with a chosen error while armed.
class FailingOps : public PosixFileOps {
 public:
  enum class Step { kMakeTemp, kWriteHalfway, kSync, kClose, kRename };
  FailingOps(Step step, int error) : step_(step), error_(error) {}

  // Once disarmed, every call goes through: the disk has room again.
  bool armed = true;

  int MakeTemp(std::string& pathTemplate, std::optional<unsigned> mode) override {
    if (Breaks(Step::kMakeTemp)) return Fail();
    return PosixFileOps::MakeTemp(pathTemplate, mode);
  }
  ssize_t Write(int fd, const char* data, std::size_t size) override {
    if (!Breaks(Step::kWriteHalfway)) return PosixFileOps::Write(fd, data, size);
    // Half the data reaches the file, then the disk is full.
    if (wroteHalf_) {
      wroteHalf_ = false;
      return Fail();
    }
    wroteHalf_ = true;
    return PosixFileOps::Write(fd, data, size / 2);
  }
  int Sync(int fd) override { return Breaks(Step::kSync) ? Fail() : PosixFileOps::Sync(fd); }
  int Close(int fd) override {
    const int result = PosixFileOps::Close(fd);
    return Breaks(Step::kClose) ? Fail() : result;
  }
  int Rename(const std::string& from, const std::string& to) override {
    return Breaks(Step::kRename) ? Fail() : PosixFileOps::Rename(from, to);
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
