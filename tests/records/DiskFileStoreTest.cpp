// Saves on a real disk: whole files replaced, and a failure at any step leaves the old file whole.
#include <gtest/gtest.h>

#include <cerrno>
#include <filesystem>
#include <tuple>

#include "records/DiskFileStore.h"
#include "records/ProgramFolder.h"
#include "records/RecordFiles.h"
#include "tests/support/DiskFolder.h"
#include "tests/support/FailingSystem.h"
#include "tests/support/LoadedRecords.h"
#include "tests/support/Positions.h"
#include "text/GameText.h"

namespace kelvora {
namespace {

namespace fs = std::filesystem;
using testing::DiskFolder;

class DiskFileStoreTest : public ::testing::Test {
 protected:
  DiskFolder folder{"disk"};
};

TEST_F(DiskFileStoreTest, ReplacesAFileWholeLeavingNoStaleLines) {
  DiskFileStore store;
  const std::string path = folder.Path("BEST1.txt");
  ASSERT_TRUE(store.Replace(path, "3\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n0\r\n\"\"\r\n").ok());
  const Status shorter = store.Replace(path, "1\r\n0\r\n\"\"\r\n");
  ASSERT_TRUE(shorter.ok()) << shorter.English();
  EXPECT_EQ(DiskFolder::Contents(path), "1\r\n0\r\n\"\"\r\n");
  EXPECT_EQ(folder.StrayFiles(), 0);
  const Result<std::string> read = store.Read(path);
  ASSERT_TRUE(read.ok()) << read.status().English();
  EXPECT_EQ(*read, "1\r\n0\r\n\"\"\r\n");
}

TEST_F(DiskFileStoreTest, TellsAMissingFileFromAnUnreadableOne) {
  DiskFileStore store;
  EXPECT_EQ(store.Read(folder.Path("none.txt")).status().code(), Status::Code::kNotFound);
  fs::create_directory(folder.path / "BEST2.txt");
  const Status folderRead = store.Read(folder.Path("BEST2.txt")).status();
  EXPECT_NE(folderRead.code(), Status::Code::kNotFound);
  EXPECT_EQ(folderRead.Reason(), text::reason::kFolderNotFile);
}

TEST_F(DiskFileStoreTest, AFailureAtAnyStepLeavesTheOldFileWholeAndSaysWhy) {
  using Step = testing::FailingSystem::Step;
#ifdef EDQUOT  // a quota met at close, as a network file system reports it; POSIX systems only
  constexpr int kQuotaFull = EDQUOT;
#else
  constexpr int kQuotaFull = ENOSPC;
#endif
  const std::string old = "2\r\n23\r\n\"QRSTQRSTQRSTQRSTQRSTQRS\"\r\n0\r\n\"\"\r\n";
  const std::string path = folder.Path("BEST1.txt");
  namespace reason = text::reason;
  for (const auto& [step, error, why] :
       {std::tuple{Step::kMakeTemp, EACCES, reason::kWriteDenied},
        std::tuple{Step::kWriteHalfway, ENOSPC, reason::kDiskFull},
        std::tuple{Step::kSync, EIO, reason::kDiskError},
        std::tuple{Step::kClose, kQuotaFull, reason::kDiskFull},
        std::tuple{Step::kRename, EROFS, reason::kReadOnlyPlace}}) {
    folder.Write("BEST1.txt", old);
    testing::FailingSystem system(step, error);
    DiskFileStore store(system);
    const Status result =
        store.Replace(path, "2\r\n20\r\n\"" + std::string(20, 'Q') + "\"\r\n0\r\n\"\"\r\n");
    EXPECT_FALSE(result.ok());
    EXPECT_EQ(result.Reason(), why);
    EXPECT_EQ(DiskFolder::Contents(path), old);
    EXPECT_EQ(folder.StrayFiles(), 0);
  }
}

TEST_F(DiskFileStoreTest, AFolderThatIsGoneIsReportedNotCreated) {
  DiskFileStore store;
  const std::string path = Utf8FromPath(folder.path / "gone" / "BEST1.txt");
  EXPECT_EQ(store.Replace(path, "0\r\n").Reason(), text::reason::kNoFolder);
  EXPECT_FALSE(fs::exists(folder.path / "gone"));
}

// chmod a-w on POSIX systems, the read-only attribute on Windows.
TEST_F(DiskFileStoreTest, AFileThePlayerMadeReadOnlyIsNotReplacedAndTheSaveSaysWhy) {
  DiskFileStore store;
  const std::string kept = folder.Path("BEST1.txt");
  folder.Write("BEST1.txt", "0\r\n");
  fs::permissions(PathFromUtf8(kept),
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const Status refused = store.Replace(kept, "1\r\n0\r\n\"\"\r\n");
  EXPECT_FALSE(refused.ok());
  EXPECT_EQ(refused.Reason(), text::reason::kReadOnlyFile);
  EXPECT_EQ(DiskFolder::Contents(kept), "0\r\n");
  EXPECT_EQ(folder.StrayFiles(), 0);
}

TEST_F(DiskFileStoreTest, LeftoversOfTheGamesOwnSavesAreRemovedAndNothingElse) {
  for (const char* name :
       {".BEST1.txt.saving-a1B2c3", ".BEST1.txt.saving-abc", "BEST1.txt.saving-a1B2c3",
        ".BEST1.txt.saving-a1B2c3.bak", ".BEST2.txt.saving-zzzzzz"}) {
    folder.Write(name, "x");
  }
  DiskFileStore store;
  store.RemoveSaveLeftovers(folder.Path("BEST1.txt"));
  EXPECT_FALSE(fs::exists(folder.path / ".BEST1.txt.saving-a1B2c3"));
  EXPECT_EQ(folder.StrayFiles(), 4);
}

// A player's own folder often carries the player's name, in any script: the files load and save
// there, and the messages name them by their whole path, written as the system writes paths.
TEST(GameFolderOnDisk, AFolderWithAJapaneseNameIsPlayedAndNamedWhole) {
  const DiskFolder folder("named", "ゲーム 山田");
  folder.Write(kPreparedStagesFile, RecordFiles::StageFileText({testing::StageSolvedByM()}));
  DiskFileStore store;
  RecordFiles files(store, folder.Text());
  Records records = testing::LoadedRecords(files);
  records.prepared.at(0).bestMoves = 1;
  records.prepared.at(0).bestHistory = "M";
  EXPECT_TRUE(files.SavePreparedBests(records).empty());
  EXPECT_EQ(testing::LoadedRecords(RecordFiles(store, folder.Text())).prepared.at(0).bestHistory,
            "M");

  const std::string best = folder.Path(kPreparedBestFile);
  const char foreign = fs::path::preferred_separator == '\\' ? '/' : '\\';
  EXPECT_EQ(best, FolderWithSeparator(folder.Text()) + kPreparedBestFile);
  EXPECT_EQ(best.find(foreign), std::string::npos) << best;

  const std::string sound = DiskFolder::Contents(best);
  folder.Write(kPreparedBestFile, "1\r\nmany\r\n");
  const Status damaged = files.Load().status();
  EXPECT_EQ(damaged.English().rfind(best + ", line ", 0), 0u) << damaged.English();
  EXPECT_NE(damaged.Japanese().find(best), std::string::npos) << damaged.Japanese();

  folder.Write(kPreparedBestFile, sound);
  fs::permissions(PathFromUtf8(best),
                  fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                  fs::perm_options::remove);
  const std::vector<SaveFailure> failures = files.SavePreparedBests(records);
  ASSERT_EQ(failures.size(), 1u);
  EXPECT_EQ(failures[0].path, best);
  EXPECT_EQ(failures[0].status.Reason(), text::reason::kReadOnlyFile);
}

}  // namespace
}  // namespace kelvora
