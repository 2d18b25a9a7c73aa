// Saves on a real disk: whole files replaced, and a failure at any step leaves the old file whole.
#include <gtest/gtest.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <tuple>

#include "records/DiskFileStore.h"
#include "tests/support/FailingFileOps.h"
#include "text/GameText.h"

namespace kelvora {
namespace {

namespace fs = std::filesystem;

class DiskFileStoreTest : public ::testing::Test {
 protected:
  DiskFileStoreTest() {
    folder = fs::temp_directory_path() /
             ("kelvora-disk-" + std::to_string(::getpid()) + "-" +
              ::testing::UnitTest::GetInstance()->current_test_info()->name());
    fs::remove_all(folder);
    fs::create_directories(folder);
  }
  ~DiskFileStoreTest() override {
    fs::permissions(folder, fs::perms::owner_all, fs::perm_options::add);
    fs::remove_all(folder);
  }

  std::string Path(const char* name) { return (folder / name).string(); }
  static std::string Contents(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
  }
  // Files in the folder other than the data files themselves: leftovers of a failed save.
  // (Their names are hidden; any file with ".saving-" in its name counts.)
  int StrayFiles() {
    int count = 0;
    for (const auto& entry : fs::directory_iterator(folder)) {
      if (entry.path().filename().string().find(".saving-") != std::string::npos) ++count;
    }
    return count;
  }

  fs::path folder;
};

TEST_F(DiskFileStoreTest, ReplacesAFileWholeLeavingNoStaleLines) {
  DiskFileStore store;
  const std::string path = Path("BEST1.txt");
  ASSERT_TRUE(store.Replace(path, "3\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n").written);
  ASSERT_TRUE(store.Replace(path, "1\r\n0\r\n\"\"\r\n").written);
  EXPECT_EQ(Contents(path), "1\r\n0\r\n\"\"\r\n");
  EXPECT_EQ(StrayFiles(), 0);
  FileReadResult read = store.Read(path);
  EXPECT_EQ(read.status, FileReadResult::Status::kRead);
  EXPECT_EQ(read.contents, "1\r\n0\r\n\"\"\r\n");
}

TEST_F(DiskFileStoreTest, TellsAMissingFileFromAnUnreadableOne) {
  DiskFileStore store;
  EXPECT_EQ(store.Read(Path("none.txt")).status, FileReadResult::Status::kMissing);
  fs::create_directory(folder / "BEST2.txt");
  const FileReadResult folderRead = store.Read(Path("BEST2.txt"));
  EXPECT_EQ(folderRead.status, FileReadResult::Status::kUnreadable);
  EXPECT_EQ(folderRead.reason, text::reason::kFolderNotFile);
}

TEST_F(DiskFileStoreTest, AFailureAtAnyStepLeavesTheOldFileWholeAndSaysWhy) {
  using Step = testing::FailingOps::Step;
  const std::string old = "2\r\n23\r\n\"QRSTQRSTQRSTQRSTQRSTQRS\"\r\n0\r\n\"\"\r\n";
  const std::string path = Path("BEST1.txt");
  namespace reason = text::reason;
  for (const auto& [step, error, why] :
       {std::tuple{Step::kMakeTemp, EACCES, reason::kWriteDenied},
        std::tuple{Step::kWriteHalfway, ENOSPC, reason::kDiskFull},
        std::tuple{Step::kSync, EIO, reason::kDiskError},
        std::tuple{Step::kClose, EDQUOT, reason::kDiskFull},
        std::tuple{Step::kRename, EROFS, reason::kReadOnlyPlace}}) {
    { std::ofstream(path, std::ios::binary) << old; }
    testing::FailingOps ops(step, error);
    DiskFileStore store(ops);
    const FileWriteResult result =
        store.Replace(path, "2\r\n20\r\n\"" + std::string(20, 'Q') + "\"\r\n0\r\n\"\"\r\n");
    EXPECT_FALSE(result.written);
    EXPECT_EQ(result.reason, why);
    EXPECT_EQ(Contents(path), old);
    EXPECT_EQ(StrayFiles(), 0);
  }
}

TEST_F(DiskFileStoreTest, AFolderThatIsGoneIsReportedNotCreated) {
  DiskFileStore store;
  const std::string path = (folder / "gone" / "BEST1.txt").string();
  EXPECT_EQ(store.Replace(path, "0\r\n").reason, text::reason::kNoFolder);
  EXPECT_FALSE(fs::exists(folder / "gone"));
}

TEST_F(DiskFileStoreTest, AReadOnlyFolderIsReportedAndItsFileKept) {
  const std::string path = Path("BEST2.txt");
  { std::ofstream(path) << "0\r\n9999\r\n"; }
  fs::permissions(folder, fs::perms::owner_read | fs::perms::owner_exec | fs::perms::group_read |
                              fs::perms::group_exec | fs::perms::others_read |
                              fs::perms::others_exec);
  // Root writes anywhere, so the save is tried by a child that has given up root.
  int report[2];
  ASSERT_EQ(pipe(report), 0);
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    if (::geteuid() == 0 && ::setuid(65534) != 0) _exit(2);
    DiskFileStore store;
    const std::string reason = store.Replace(path, "1\r\n5\r\n5\r\n\"QQQQQ\"\r\n").reason.japanese;
    (void)!write(report[1], reason.data(), reason.size());
    _exit(0);
  }
  close(report[1]);
  char buffer[256] = {};
  const ssize_t n = read(report[0], buffer, sizeof buffer);
  close(report[0]);
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  EXPECT_EQ(std::string(buffer, static_cast<std::size_t>(std::max<ssize_t>(n, 0))),
            text::reason::kWriteDenied.japanese);
  fs::permissions(folder, fs::perms::owner_all);
  EXPECT_EQ(Contents(path), "0\r\n9999\r\n");
  EXPECT_EQ(StrayFiles(), 0);
}

TEST_F(DiskFileStoreTest, TheFilesAsThePlayerSetThemUpStayThatWay) {
  DiskFileStore store;
  // Made read-only by the player: not replaced, and the save says why.
  const std::string kept = Path("BEST1.txt");
  { std::ofstream(kept) << "0\r\n"; }
  fs::permissions(kept, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const FileWriteResult refused = store.Replace(kept, "1\r\n0\r\n\"\"\r\n");
  EXPECT_FALSE(refused.written);
  EXPECT_EQ(refused.reason, text::reason::kReadOnlyFile);
  EXPECT_EQ(Contents(kept), "0\r\n");

  // Private records stay private.
  const std::string secret = Path("BEST2.txt");
  { std::ofstream(secret) << "0\r\n9999\r\n"; }
  fs::permissions(secret, fs::perms::owner_read | fs::perms::owner_write);
  ASSERT_TRUE(store.Replace(secret, "0\r\n9998\r\n").written);
  EXPECT_EQ(fs::status(secret).permissions() & fs::perms::all,
            fs::perms::owner_read | fs::perms::owner_write);

  // A link to a file kept elsewhere stays a link, and the file it names is replaced.
  fs::create_directory(folder / "elsewhere");
  { std::ofstream(folder / "elsewhere" / "random.txt") << "0\r\n"; }
  fs::create_symlink("elsewhere/random.txt", folder / "MENDATA2.txt");
  ASSERT_TRUE(store.Replace(Path("MENDATA2.txt"), "1\r\n").written);
  EXPECT_TRUE(fs::is_symlink(fs::symlink_status(folder / "MENDATA2.txt")));
  EXPECT_EQ(Contents((folder / "elsewhere" / "random.txt").string()), "1\r\n");
  EXPECT_EQ(StrayFiles(), 0);
}

TEST_F(DiskFileStoreTest, LeftoversOfTheGamesOwnSavesAreRemovedAndNothingElse) {
  for (const char* name :
       {".BEST1.txt.saving-a1B2c3", ".BEST1.txt.saving-abc", "BEST1.txt.saving-a1B2c3",
        ".BEST1.txt.saving-a1B2c3.bak", ".BEST2.txt.saving-zzzzzz"}) {
    std::ofstream(folder / name) << "x";
  }
  DiskFileStore store;
  store.RemoveSaveLeftovers(Path("BEST1.txt"));
  EXPECT_FALSE(fs::exists(folder / ".BEST1.txt.saving-a1B2c3"));
  EXPECT_EQ(StrayFiles(), 4);
}

}  // namespace
}  // namespace kelvora
