// Saves where POSIX permission bits and links decide: a folder the player may not write into,
// private records, and a data file that is a symbolic link.
#include <gtest/gtest.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <iostream>

#include "records/DiskFileStore.h"
#include "tests/support/ChildProcess.h"
#include "tests/support/DiskFolder.h"
#include "tests/support/SystemLacks.h"
#include "text/GameText.h"

namespace kelvora {
namespace {

namespace fs = std::filesystem;
using testing::ChildProcess;
using testing::DiskFolder;

TEST(PosixSave, AFolderThePlayerMayNotWriteIntoIsReportedAndItsFileKept) {
  KELVORA_SKIP_WHERE_SYSTEM_LACKS(kChildProcesses);
  // Root writes anywhere, so the save is tried by a child that has given up root.
  if (const std::vector<std::string> part = testing::ChildPart(); !part.empty()) {
    if (::geteuid() == 0 && ::setuid(65534) != 0) std::_Exit(2);
    const Phrase reason = DiskFileStore().Replace(part.at(0), "1\r\n5\r\n\"QQQQQ\"\r\n").Reason();
    if (reason == text::reason::kWriteDenied) std::_Exit(0);
    std::cerr << "the save in a folder without write permission said: " << reason.english << "\n";
    std::_Exit(1);
  }
  const DiskFolder folder("posix-save");
  const std::string path = folder.Path("BEST2.txt");
  folder.Write("BEST2.txt", "0\r\n9999\r\n");
  fs::permissions(folder.path,
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  ChildProcess child = ChildProcess::StartPart({path});
  ASSERT_TRUE(child.Started());
  EXPECT_EQ(child.Wait(), 0);
  EXPECT_EQ(DiskFolder::Contents(path), "0\r\n9999\r\n");
  EXPECT_EQ(folder.StrayFiles(), 0);
}

TEST(PosixSave, PrivateRecordsStayPrivate) {
  const DiskFolder folder("posix-save");
  const std::string secret = folder.Path("BEST2.txt");
  folder.Write("BEST2.txt", "0\r\n9999\r\n");
  fs::permissions(secret, fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(DiskFileStore().Replace(secret, "0\r\n9998\r\n").ok());
  EXPECT_EQ(fs::status(secret).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);
}

// A link to a file kept elsewhere (a synced folder, say) stays a link, and the file it names is
// the one replaced.
TEST(PosixSave, ALinkStaysALinkAndTheFileItNamesIsReplaced) {
  const DiskFolder folder("posix-save");
  fs::create_directory(folder.path / "elsewhere");
  folder.Write("elsewhere/random.txt", "0\r\n");
  fs::create_symlink("elsewhere/random.txt", folder.path / "MENDATA2.txt");
  ASSERT_TRUE(DiskFileStore().Replace(folder.Path("MENDATA2.txt"), "1\r\n").ok());
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder.path / "MENDATA2.txt")));
  EXPECT_EQ(DiskFolder::Contents(folder.Path("elsewhere/random.txt")), "1\r\n");
  EXPECT_EQ(folder.StrayFiles(), 0);
}

}  // namespace
}  // namespace kelvora
