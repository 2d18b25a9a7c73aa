// Other processes for the tests that need them (a second copy holding a lock, a save killed
// midway, the real command-line tool), and the environment those processes inherit, the same
// way on every system.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <utility>
#include <vector>

namespace kelvora::testing {

class ChildProcess {
 public:
  // What Wait returns for a child that Kill ended.
  static constexpr int kKilled = -1;

  // Starts a program with its arguments. Its standard output and error go to the files named
  // (made afresh), or nowhere when a name is empty.
  static ChildProcess Start(const std::string& program, const std::vector<std::string>& args,
                            const std::string& outFile = "", const std::string& errFile = "");

  // Starts this test program again, running the current test only, in which ChildPart() then
  // returns `part` (one field or more): the test sees it is the child and plays the child's part.
  // Its output goes where this program's goes, so that a child's failure shows in the log.
  static ChildProcess StartPart(const std::vector<std::string>& part);

  ChildProcess(ChildProcess&& other) noexcept;
  ChildProcess& operator=(ChildProcess&&) = delete;
  ChildProcess(const ChildProcess&) = delete;
  // Kills a child still running, so that a test that fails midway leaves none behind.
  ~ChildProcess();

  bool Started() const { return process_ != kNone; }
  // Ends the child at once, as a crash or a pulled plug would: it gets no chance to tidy up.
  void Kill();
  // Waits for the child to end: its exit status, or kKilled.
  int Wait();

 private:
  static constexpr std::intptr_t kNone = -1;
  static ChildProcess Launch(const std::string& program, const std::vector<std::string>& args,
                             const std::string& outFile, const std::string& errFile,
                             bool keepOutput);
  explicit ChildProcess(std::intptr_t process) : process_(process) {}

  // A process id, or a Windows process handle.
  std::intptr_t process_ = kNone;
  bool killed_ = false;
  bool ended_ = false;
  int exit_ = kKilled;
};

// The part given to StartPart, in the child it started; empty in any other process.
std::vector<std::string> ChildPart();

// The path of the running test program, UTF-8.
std::string ThisProgram();

// This process's id, to give temporary folders names no other test run uses.
int ProcessId();

// This process's environment, which children inherit. Names and values are UTF-8.
std::optional<std::string> Environment(const std::string& name);
void SetEnvironment(const std::string& name, const std::string& value);
void UnsetEnvironment(const std::string& name);

// Keeps one variable's value and gives it back at the end of the scope, set or unset as it was,
// so that a test that changes it leaves the environment as it found it even when a check fails.
class SavedEnvironment {
 public:
  explicit SavedEnvironment(std::string name)
      : name_(std::move(name)), value_(Environment(name_)) {}
  SavedEnvironment(const SavedEnvironment&) = delete;
  SavedEnvironment& operator=(const SavedEnvironment&) = delete;
  ~SavedEnvironment() {
    if (value_) {
      SetEnvironment(name_, *value_);
    } else {
      UnsetEnvironment(name_);
    }
  }

 private:
  std::string name_;
  std::optional<std::string> value_;
};

}  // namespace kelvora::testing
