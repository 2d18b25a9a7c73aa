// Child processes and the environment on POSIX systems: posix_spawn, SIGKILL and waitpid.
#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <filesystem>

#include "tests/support/ChildProcess.h"

extern char** environ;

namespace kelvora::testing {

namespace {

// Points a standard stream of the child at a file made afresh, or at nothing.
void Redirect(posix_spawn_file_actions_t& actions, int stream, const std::string& file) {
  posix_spawn_file_actions_addopen(&actions, stream, file.empty() ? "/dev/null" : file.c_str(),
                                   O_WRONLY | O_CREAT | O_TRUNC, 0644);
}

}  // namespace

ChildProcess ChildProcess::Launch(const std::string& program, const std::vector<std::string>& args,
                                  const std::string& outFile, const std::string& errFile,
                                  bool keepOutput) {
  std::vector<std::string> words{program};
  words.insert(words.end(), args.begin(), args.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  if (!keepOutput) {
    Redirect(actions, STDOUT_FILENO, outFile);
    Redirect(actions, STDERR_FILENO, errFile);
  }
  pid_t pid = 0;
  const int failed = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  return ChildProcess(failed == 0 ? pid : kNone);
}

void ChildProcess::Kill() {
  if (Started() && !ended_ && ::kill(static_cast<pid_t>(process_), SIGKILL) == 0) killed_ = true;
}

int ChildProcess::Wait() {
  if (!Started()) return kKilled;
  int status = 0;
  if (!ended_) {
    while (waitpid(static_cast<pid_t>(process_), &status, 0) < 0 && errno == EINTR) {
    }
    ended_ = true;
    if (WIFEXITED(status)) {
      exit_ = WEXITSTATUS(status);
    } else {
      // A child that crashed by itself is told from one this test killed, as a shell tells it.
      const int signal = WTERMSIG(status);
      exit_ = killed_ && signal == SIGKILL ? kKilled : 128 + signal;
    }
  }
  return exit_;
}

std::string ThisProgram() {
  return std::filesystem::read_symlink("/proc/self/exe").string();
}

int ProcessId() {
  return static_cast<int>(::getpid());
}

std::optional<std::string> Environment(const std::string& name) {
  const char* value = std::getenv(name.c_str());
  return value == nullptr ? std::nullopt : std::optional<std::string>(value);
}

void SetEnvironment(const std::string& name, const std::string& value) {
  ::setenv(name.c_str(), value.c_str(), 1);
}

void UnsetEnvironment(const std::string& name) {
  ::unsetenv(name.c_str());
}

}  // namespace kelvora::testing
