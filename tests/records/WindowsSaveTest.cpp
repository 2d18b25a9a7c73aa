// Saves where Windows decides: a data file another program holds open for a moment or for
// longer, a folder whose access list keeps the player out, and what a replaced file keeps of the
// old one: its hidden attribute and its access list.
// clang-format off
#include <windows.h>
#include <sddl.h>  // needs windows.h before it
// clang-format on

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "records/DiskFileStore.h"
#include "tests/support/DiskFolder.h"
#include "tests/support/FailingSystem.h"
#include "text/GameText.h"

namespace kelvora {
namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;
using testing::DiskFolder;

// The data file open in another program that shares it with no one, as a virus scanner, an
// indexer or a sync client may have it while it looks at the file.
HANDLE Hold(const std::string& path) {
  return CreateFileW(PathFromUtf8(path).wstring().c_str(), GENERIC_READ, 0, nullptr, OPEN_EXISTING,
                     FILE_ATTRIBUTE_NORMAL, nullptr);
}

constexpr const char* kOld = "1\r\n0\r\n\"\"\r\n";
constexpr const char* kNew = "1\r\n3\r\n\"QSM\"\r\n";

// A record file with its old text, held by another program from the start of the test.
class WindowsSaveOfAHeldFile : public ::testing::Test {
 protected:
  void SetUp() override {
    folder.Write("BEST1.txt", kOld);
    held = Hold(path);
    ASSERT_NE(held, INVALID_HANDLE_VALUE);
  }

  const DiskFolder folder{"windows-save"};
  const std::string path = folder.Path("BEST1.txt");
  HANDLE held = INVALID_HANDLE_VALUE;
};

TEST_F(WindowsSaveOfAHeldFile, IsReplacedOnceItIsLetGoForItWasHeldOnlyForAMoment) {
  std::atomic<Clock::time_point> letGo{Clock::time_point::max()};
  std::thread otherProgram([&] {
    std::this_thread::sleep_for(150ms);
    letGo = Clock::now();
    CloseHandle(held);
  });
  const Status result = DiskFileStore().Replace(path, kNew);
  const Clock::time_point saved = Clock::now();
  otherProgram.join();
  EXPECT_TRUE(result.ok()) << result.English();
  // It could only have been replaced after it was let go: the save waited for it.
  EXPECT_GE(saved, letGo.load());
  EXPECT_EQ(DiskFolder::Contents(path), kNew);
  EXPECT_EQ(folder.StrayFiles(), 0);
}

TEST_F(WindowsSaveOfAHeldFile, IsKeptWhenHeldLongerThanTheSaveWaitsAndTheReasonSaysItIsInUse) {
  const Status result = DiskFileStore().Replace(path, kNew);
  CloseHandle(held);
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.Reason(), text::reason::kFileInUse) << result.English();
  EXPECT_EQ(DiskFolder::Contents(path), kOld);
  EXPECT_EQ(folder.StrayFiles(), 0);
  // Once the other program is done with it, the next save goes through.
  EXPECT_TRUE(DiskFileStore().Replace(path, kNew).ok());
}

// Sets a file's or a folder's access list from its text form; false if the system refused it.
bool SetAccess(const std::string& folder, const wchar_t* access) {
  PSECURITY_DESCRIPTOR descriptor = nullptr;
  if (!ConvertStringSecurityDescriptorToSecurityDescriptorW(access, SDDL_REVISION_1, &descriptor,
                                                            nullptr)) {
    return false;
  }
  const BOOL set = SetFileSecurityW(PathFromUtf8(folder).wstring().c_str(),
                                    DACL_SECURITY_INFORMATION, descriptor);
  LocalFree(descriptor);
  return set != 0;
}

// Windows has no folder permission bits; what keeps a player from writing into a folder (one
// under Program Files, say) is the folder's access list.
TEST(WindowsSave, AFolderThePlayerMayNotWriteIntoIsReportedAndItsFileKept) {
  const DiskFolder folder("windows-save");
  const std::string path = folder.Path("BEST2.txt");
  folder.Write("BEST2.txt", "0\r\n9999\r\n");
  // Everyone may do anything but add a file to the folder.
  ASSERT_TRUE(SetAccess(folder.Text(), L"D:P(D;;0x2;;;WD)(A;OICI;FA;;;WD)"));
  const std::string probe = folder.Path("probe.txt");
  const HANDLE probed = CreateFileW(PathFromUtf8(probe).wstring().c_str(), GENERIC_WRITE, 0,
                                    nullptr, CREATE_NEW, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (probed != INVALID_HANDLE_VALUE) {
    CloseHandle(probed);
    SetAccess(folder.Text(), L"D:(A;OICI;FA;;;WD)");
    GTEST_SKIP() << "this system keeps access lists but does not enforce them (wine does not)";
  }
  const Status result = DiskFileStore().Replace(path, "1\r\n5\r\n5\r\n\"QQQQQ\"\r\n");
  SetAccess(folder.Text(), L"D:(A;OICI;FA;;;WD)");
  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.Reason(), text::reason::kWriteDenied) << result.English();
  EXPECT_EQ(DiskFolder::Contents(path), "0\r\n9999\r\n");
  EXPECT_EQ(folder.StrayFiles(), 0);
}

DWORD Attributes(const std::string& path) {
  return GetFileAttributesW(PathFromUtf8(path).wstring().c_str());
}

// The real system, noting the attributes the temporary file of a save was made with.
class TempWatchingSystem : public testing::FailingSystem {
 public:
  TempWatchingSystem() : FailingSystem(Step::kNone, 0) {}
  Handle MakeTemp(std::string& pathTemplate, const std::string& replacing) override {
    const Handle file = FailingSystem::MakeTemp(pathTemplate, replacing);
    tempAttributes = Attributes(pathTemplate);
    return file;
  }
  DWORD tempAttributes = INVALID_FILE_ATTRIBUTES;
};

TEST(WindowsSave, AHiddenFileStaysHiddenAShownOneShownAndTheTemporaryFileIsHidden) {
  const DiskFolder folder("windows-save");
  const std::string hidden = folder.Path("BEST1.txt");
  const std::string shown = folder.Path("BEST2.txt");
  folder.Write("BEST1.txt", kOld);
  ASSERT_TRUE(SetFileAttributesW(PathFromUtf8(hidden).wstring().c_str(), FILE_ATTRIBUTE_HIDDEN));
  TempWatchingSystem system;
  DiskFileStore store(system);
  ASSERT_TRUE(store.Replace(hidden, kNew).ok());
  EXPECT_NE(system.tempAttributes & FILE_ATTRIBUTE_HIDDEN, 0u);
  EXPECT_NE(Attributes(hidden) & FILE_ATTRIBUTE_HIDDEN, 0u);
  EXPECT_EQ(DiskFolder::Contents(hidden), kNew);

  ASSERT_TRUE(store.Replace(shown, kOld).ok());
  EXPECT_EQ(Attributes(shown) & FILE_ATTRIBUTE_HIDDEN, 0u);
  EXPECT_EQ(folder.StrayFiles(), 0);
}

// The access list of a file in its text form; empty if the system tells none.
std::wstring AccessOf(const std::string& path) {
  const std::wstring file = PathFromUtf8(path).wstring();
  DWORD needed = 0;
  GetFileSecurityW(file.c_str(), DACL_SECURITY_INFORMATION, nullptr, 0, &needed);
  std::vector<char> descriptor(needed);
  wchar_t* text = nullptr;
  if (needed == 0 ||
      !GetFileSecurityW(file.c_str(), DACL_SECURITY_INFORMATION, descriptor.data(), needed,
                        &needed) ||
      !ConvertSecurityDescriptorToStringSecurityDescriptorW(
          descriptor.data(), SDDL_REVISION_1, DACL_SECURITY_INFORMATION, &text, nullptr)) {
    return {};
  }
  std::wstring access(text);
  LocalFree(text);
  return access;
}

// A player who gave a data file an access list of its own (shared with another account, say)
// keeps it across saves.
TEST(WindowsSave, AFilesAccessListSurvivesTheSave) {
  const DiskFolder folder("windows-save");
  const std::string path = folder.Path("BEST1.txt");
  folder.Write("BEST1.txt", kOld);
  const std::wstring before = AccessOf(path);
  // Everyone may do anything; the builtin users may read.
  ASSERT_TRUE(SetAccess(path, L"D:P(A;;FA;;;WD)(A;;FR;;;BU)"));
  const std::wstring set = AccessOf(path);
  if (set.empty() || set == before) GTEST_SKIP() << "this system keeps no access list on files";
  ASSERT_TRUE(DiskFileStore().Replace(path, kNew).ok());
  EXPECT_EQ(DiskFolder::Contents(path), kNew);
  EXPECT_TRUE(AccessOf(path) == set) << "the access list was lost in the save";
}

}  // namespace
}  // namespace kelvora
