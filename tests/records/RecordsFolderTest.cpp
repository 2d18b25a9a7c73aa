// Where the records live: beside a program in a folder of the player's own, else in the player's
// data folder, filled from the delivered files once; what the records promise holds there.
#include <gtest/gtest.h>

#include <filesystem>

#include "records/DiskFileStore.h"
#include "records/RecordFiles.h"
#include "records/RecordsFolder.h"
#include "tests/support/DiskFolder.h"
#include "tests/support/FailingSystem.h"

namespace kelvora::testing {
namespace {

namespace fs = std::filesystem;

// The real disk, with the program standing in a folder of the test's and the player's data
// folder another.
class PlacedSystem : public FailingSystem {
 public:
  PlacedSystem(std::string program, std::string player, bool writable, Step step = Step::kNone)
      : FailingSystem(step, ENOSPC),
        program_(std::move(program)),
        player_(std::move(player)),
        writable_(writable) {}
  std::string ProgramFolder() override { return program_; }
  std::string PlayerDataFolder() override { return player_; }
  bool CanWriteFolder(const std::string&) override { return writable_; }

 private:
  std::string program_, player_;
  bool writable_;
};

class RecordsFolderTest : public ::testing::Test {
 protected:
  // The four files the game came with, in `folder`.
  static void Deliver(const fs::path& folder) {
    fs::create_directories(folder);
    for (const char* name :
         {kPreparedStagesFile, kRandomStagesFile, kPreparedBestFile, kRandomRecordsFile}) {
      fs::copy_file(fs::path(KELVORA_DELIVERED_DATA) / name, folder / name);
    }
  }
  std::string Player(const char* name = "") const {
    return Utf8FromPath(top.path / "home" / "kelvora" / name);
  }

  DiskFolder top{"records-folder"};
};

// Root may write anywhere on POSIX, so only the writable side is the same for every user; on
// Windows the answer comes from a trial file, which must not stay.
TEST_F(RecordsFolderTest, TheSystemTellsAFolderItMayWriteToAndLeavesNothingThere) {
  platform::System& system = platform::System::Default();
  EXPECT_TRUE(system.CanWriteFolder(top.Text()));
  EXPECT_TRUE(fs::is_empty(top.path));
  EXPECT_FALSE(system.CanWriteFolder(top.Path("missing")));
}

TEST_F(RecordsFolderTest, AWritableProgramFolderKeepsTheRecordsBesideTheProgram) {
  Deliver(top.path / "KELVORA");
  PlacedSystem system(top.Path("KELVORA"), Player(), true);
  RecordsFolder records(system);
  EXPECT_EQ(records.Path(), top.Path("KELVORA"));
  EXPECT_FALSE(records.InPlayerData());
  EXPECT_TRUE(records.Prepare());
  EXPECT_FALSE(fs::exists(Player()));
}

// Program Files, or a portable folder made read-only: the player's data folder, filled once.
// Records moved away (a new random archive) stay away; records earned are never copied over.
TEST_F(RecordsFolderTest, AReadOnlyProgramFolderFillsThePlayersFolderOnce) {
  Deliver(top.path / "KELVORA");
  PlacedSystem system(top.Path("KELVORA"), Player(), false);
  RecordsFolder records(system);
  ASSERT_EQ(records.Path(), Player());
  ASSERT_TRUE(records.Prepare());
  for (const char* name :
       {kPreparedStagesFile, kRandomStagesFile, kPreparedBestFile, kRandomRecordsFile}) {
    EXPECT_EQ(DiskFolder::Contents(Player(name)), DiskFolder::Contents(top.Path("KELVORA/") + name))
        << name;
  }
  top.Write("home/kelvora/BEST1.txt", "earned");
  fs::remove(Player(kRandomStagesFile));
  fs::remove(Player(kRandomRecordsFile));
  ASSERT_TRUE(RecordsFolder(system).Prepare());
  EXPECT_EQ(DiskFolder::Contents(Player(kPreparedBestFile)), "earned");
  EXPECT_FALSE(fs::exists(Player(kRandomStagesFile)));
  EXPECT_FALSE(fs::exists(Player(kRandomRecordsFile)));
}

// The package's layout: the delivered files apart from the program, which is the system's
// folder even for root, who may write there.
TEST_F(RecordsFolderTest, AnInstalledGameUsesThePlayersFolderAndNamesADamagedCopy) {
  fs::create_directories(top.path / "usr" / "games");
  Deliver(top.path / "usr" / "share" / "games" / "kelvora");
  PlacedSystem system(top.Path("usr/games"), Player(), true);
  RecordsFolder records(system);
  ASSERT_EQ(records.Path(), Player());
  ASSERT_TRUE(records.Prepare());

  top.Write("home/kelvora/BEST1.txt", "30\r\nseven\r\n");
  DiskFileStore store(system);
  const Result<Records> loaded = RecordFiles(store, records.Path()).Load();
  ASSERT_FALSE(loaded);
  EXPECT_EQ(loaded.status().code(), Status::Code::kDamaged);
  EXPECT_NE(loaded.status().English().find(Player(kPreparedBestFile) + ", line 2"),
            std::string::npos)
      << loaded.status().English();
}

// A fill the disk cut short is named and leaves the stage file missing, so the next start
// takes it up again, keeping what was already there.
TEST_F(RecordsFolderTest, AFillCutShortIsNamedAndTakenUpAgain) {
  Deliver(top.path / "KELVORA");
  PlacedSystem system(top.Path("KELVORA"), Player(), false, FailingSystem::Step::kWriteHalfway);
  fs::create_directories(Player());
  top.Write("home/kelvora/BEST1.txt", "earned");
  const Status full = RecordsFolder(system).Prepare();
  ASSERT_EQ(full.code(), Status::Code::kNoSpace);
  EXPECT_NE(full.English().find(Player()), std::string::npos) << full.English();
  EXPECT_FALSE(fs::exists(Player(kPreparedStagesFile)));

  system.armed = false;
  ASSERT_TRUE(RecordsFolder(system).Prepare());
  EXPECT_EQ(DiskFolder::Contents(Player(kPreparedBestFile)), "earned");
  EXPECT_TRUE(fs::exists(Player(kPreparedStagesFile)));
  EXPECT_TRUE(fs::exists(Player(kRandomRecordsFile)));
}

}  // namespace
}  // namespace kelvora::testing
