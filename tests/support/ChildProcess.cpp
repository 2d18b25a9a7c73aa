// What child processes do alike on every system: a test program started again to play the
// child's part of the current test, and the handing over of that part.
#include "tests/support/ChildProcess.h"

#include <gtest/gtest.h>

namespace kelvora::testing {

namespace {

constexpr const char* kPartVariable = "KELVORA_TEST_PART";
// Parts are paths and numbers; this never occurs in either. Every field follows one, so that
// even an empty part is there to be seen.
constexpr char kFieldSeparator = '\x1f';

}  // namespace

ChildProcess ChildProcess::Start(const std::string& program, const std::vector<std::string>& args,
                                 const std::string& outFile, const std::string& errFile) {
  return Launch(program, args, outFile, errFile, false);
}

ChildProcess ChildProcess::StartPart(const std::vector<std::string>& part) {
  std::string fields = "part";
  for (const std::string& field : part) fields += kFieldSeparator + field;
  const ::testing::TestInfo& test = *::testing::UnitTest::GetInstance()->current_test_info();
  const std::string filter =
      std::string("--gtest_filter=") + test.test_suite_name() + "." + test.name();
  SetEnvironment(kPartVariable, fields);
  ChildProcess child = Launch(ThisProgram(), {filter, "--gtest_brief=1"}, "", "", true);
  UnsetEnvironment(kPartVariable);
  return child;
}

std::vector<std::string> ChildPart() {
  const std::optional<std::string> fields = Environment(kPartVariable);
  if (!fields || fields->rfind("part", 0) != 0) return {};
  std::vector<std::string> part;
  for (char c : fields->substr(4)) {
    if (c == kFieldSeparator) {
      part.emplace_back();
    } else {
      part.back() += c;
    }
  }
  return part;
}

ChildProcess::ChildProcess(ChildProcess&& other) noexcept
    : process_(other.process_), killed_(other.killed_), ended_(other.ended_), exit_(other.exit_) {
  other.process_ = kNone;
}

ChildProcess::~ChildProcess() {
  if (!Started() || ended_) return;
  Kill();
  Wait();
}

}  // namespace kelvora::testing
