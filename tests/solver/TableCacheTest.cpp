// Tests of the table cache: trusted when intact, rebuilt when not.
#include <gtest/gtest.h>

#include <atomic>
#include <cerrno>
#include <chrono>
#include <filesystem>
#include <fstream>

#include "solver/Checksum.h"
#include "solver/TableCache.h"
#include "solver/TableSet.h"
#include "tests/support/DiskFolder.h"
#include "tests/support/FailingSystem.h"
#include "tests/support/SystemLacks.h"
#include "text/ToolText.h"
#include "text/Utf8Path.h"

// The cache: a good file is mapped or read in, not rebuilt; a damaged, cut, stale or foreign one is
// rebuilt and replaced through the crash-safe replace, never trusted.

namespace kelvora::testing {
namespace {

namespace fs = std::filesystem;
using solver::LoadedTable;
using solver::PatternSpace;
using solver::TableCache;

class TableCacheTest : public ::testing::Test {
 protected:
  std::vector<char> FileBytes() const {
    std::ifstream in(PathFromUtf8(cache_.PathFor(space_)), std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
  }
  void WriteFile(const std::vector<char>& bytes) const {
    std::ofstream out(PathFromUtf8(cache_.PathFor(space_)), std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
  }
  // Loads twice: the first load must rebuild for the given reason, the second must trust the
  // file the first one wrote.
  void ExpectRebuiltFor(const std::string& reason) const {
    const LoadedTable rebuilt = cache_.Load(space_);
    EXPECT_TRUE(rebuilt.built);
    EXPECT_NE(rebuilt.reason.find(reason), std::string::npos) << rebuilt.reason;
    EXPECT_TRUE(std::equal(good_.begin(), good_.end(), FileBytes().begin()));
    EXPECT_FALSE(cache_.Load(space_).built);
  }

  const DiskFolder disk_{"cache"};
  const fs::path folder_ = disk_.path;
  PatternSpace space_{"column 4", {13, 14, 15}};
  TableCache cache_{""};
  std::vector<char> good_;

  void UseFolder() {
    cache_ = TableCache(Utf8FromPath(folder_), 2);
    ASSERT_TRUE(cache_.Load(space_).built);
    good_ = FileBytes();
    ASSERT_EQ(good_.size(), TableCache::kHeaderBytes + (space_.Size() + 31) / 32 * 8);
  }
};

TEST_F(TableCacheTest, AGoodFileIsMappedOrReadInWithTheSameEntries) {
  UseFolder();
  const LoadedTable built = TableCache("", 2).Load(space_);
  for (const solver::Holding holding : {solver::Holding::kMapped, solver::Holding::kReadIn}) {
    const LoadedTable loaded =
        TableCache(Utf8FromPath(folder_), 2, {}, platform::System::Default(), holding).Load(space_);
    EXPECT_FALSE(loaded.built);
    EXPECT_TRUE(loaded.reason.empty());
    ASSERT_EQ(loaded.table.Bytes().size(), built.table.Bytes().size());
    EXPECT_TRUE(std::equal(loaded.table.Bytes().begin(), loaded.table.Bytes().end(),
                           built.table.Bytes().begin()));
  }
  // The check is shared among threads, yet a file stays good on a machine with more or fewer.
  for (int threads : {1, 3, 8}) {
    EXPECT_FALSE(TableCache(Utf8FromPath(folder_), threads).Load(space_).built) << threads;
  }
}

TEST_F(TableCacheTest, AnyChangedByteIsCaught) {
  UseFolder();
  namespace stages = text::stages;
  // A byte of the magic, the version, the signature, the checksum and the data, and the last;
  // each is caught by the check that guards it.
  for (const auto& [at, why] : {std::pair{std::size_t{3}, stages::kNotATableFile},
                                std::pair{std::size_t{9}, stages::kOtherVersion},
                                std::pair{std::size_t{20}, stages::kOtherPattern},
                                std::pair{std::size_t{60}, stages::kFailsChecksum},
                                std::pair{std::size_t{5000}, stages::kFailsChecksum},
                                std::pair{good_.size() - 1, stages::kFailsChecksum}}) {
    std::vector<char> damaged = good_;
    damaged[at] = static_cast<char>(damaged[at] ^ 0x10);
    WriteFile(damaged);
    SCOPED_TRACE("byte " + std::to_string(at));
    ExpectRebuiltFor(why);
  }
}

TEST_F(TableCacheTest, AFileCheckedOnceIsTrustedWhileItsTimeAndLengthStay) {
  KELVORA_SKIP_WHERE_SYSTEM_LACKS(kSettingFileTimes);
  UseFolder();
  const fs::path file = PathFromUtf8(cache_.PathFor(space_));
  std::vector<char> damaged = good_;
  damaged.back() ^= 1;
  // A file changed a moment ago may change again within the same tick of the file system's
  // clock, keeping its time: it is checked every time.
  EXPECT_FALSE(cache_.Load(space_).built);
  const fs::file_time_type fresh = fs::last_write_time(file);
  WriteFile(damaged);
  fs::last_write_time(file, fresh);
  ExpectRebuiltFor(text::stages::kFailsChecksum);

  const fs::file_time_type settled = fs::last_write_time(file) - std::chrono::hours(1);
  fs::last_write_time(file, settled);
  EXPECT_FALSE(cache_.Load(space_).built);
  // Damage that keeps a settled file's time is what a trusted file is not read for.
  WriteFile(damaged);
  fs::last_write_time(file, settled);
  EXPECT_FALSE(cache_.Load(space_).built);
  // Any other time, however old, has the file checked again.
  fs::last_write_time(file, settled + std::chrono::minutes(1));
  ExpectRebuiltFor(text::stages::kFailsChecksum);
}

TEST_F(TableCacheTest, ACutOrLengthenedFileIsRebuilt) {
  UseFolder();
  for (const solver::Holding holding : {solver::Holding::kMapped, solver::Holding::kReadIn}) {
    cache_ = TableCache(Utf8FromPath(folder_), 2, {}, platform::System::Default(), holding);
    WriteFile({good_.begin(), good_.end() - 8});
    ExpectRebuiltFor("wrong size");
    WriteFile({good_.begin(), good_.begin() + 10});
    ExpectRebuiltFor("unreadable or short");
    std::vector<char> longer = good_;
    longer.insert(longer.end(), 8, '\0');
    WriteFile(longer);
    ExpectRebuiltFor("wrong size");
    WriteFile({});
    ExpectRebuiltFor("unreadable or short");
  }
}

TEST_F(TableCacheTest, AFileForAnotherPatternIsNotTrusted) {
  UseFolder();
  const PatternSpace other("column 4", {13, 14});
  TableCache(Utf8FromPath(folder_), 2).Load(other);
  // Removed first: GCC 12's copy_file cannot overwrite on Windows.
  fs::remove(PathFromUtf8(cache_.PathFor(space_)));
  fs::copy_file(PathFromUtf8(cache_.PathFor(other)), PathFromUtf8(cache_.PathFor(space_)));
  ExpectRebuiltFor("another pattern");
}

TEST_F(TableCacheTest, HoldsTrustsOnlyAHeaderThatFitsTheSpaceAndTheLength) {
  UseFolder();
  EXPECT_TRUE(cache_.Holds(space_));
  EXPECT_FALSE(cache_.Holds(PatternSpace("column 4", {13, 14})));
  WriteFile({good_.begin(), good_.end() - 8});
  EXPECT_FALSE(cache_.Holds(space_));
  std::vector<char> otherVersion = good_;
  otherVersion[8] = static_cast<char>(otherVersion[8] + 1);
  WriteFile(otherVersion);
  EXPECT_FALSE(cache_.Holds(space_));
  fs::remove(PathFromUtf8(cache_.PathFor(space_)));
  EXPECT_FALSE(cache_.Holds(space_));
}

TEST_F(TableCacheTest, WithoutAUsableFolderTablesAreStillBuilt) {
  const LoadedTable nowhere = TableCache("").Load(space_);
  EXPECT_TRUE(nowhere.built);
  EXPECT_EQ(nowhere.table.Distance(solver::PackedPosition::Goal()), 0);

  std::ofstream(folder_ / "file") << "not a folder";
  const LoadedTable unkept = TableCache(Utf8FromPath(folder_ / "file"), 2).Load(space_);
  EXPECT_TRUE(unkept.built);
  EXPECT_NE(unkept.reason.find("not kept"), std::string::npos) << unkept.reason;
}

// A table is stored as the records are: a refused rename leaves the old file whole and nothing
// beside it, and a stored table is flushed to the disk before it takes the old one's place.
TEST_F(TableCacheTest, AStoreIsACrashSafeReplace) {
  UseFolder();
  std::vector<char> damaged = good_;
  damaged[5000] = static_cast<char>(damaged[5000] ^ 0x10);
  WriteFile(damaged);
  FailingSystem refusing(FailingSystem::Step::kRename, EACCES);
  const LoadedTable unkept = TableCache(Utf8FromPath(folder_), 2, {}, refusing).Load(space_);
  EXPECT_TRUE(unkept.built);
  EXPECT_NE(unkept.reason.find("not kept"), std::string::npos) << unkept.reason;
  EXPECT_EQ(FileBytes(), damaged);
  EXPECT_EQ(std::distance(fs::directory_iterator(folder_), fs::directory_iterator()), 1);

  FailingSystem watching(FailingSystem::Step::kNone, 0);
  EXPECT_TRUE(TableCache(Utf8FromPath(folder_), 2, {}, watching).Load(space_).built);
  EXPECT_EQ(FileBytes(), good_);
  EXPECT_EQ(watching.syncs, 1);
  EXPECT_EQ(watching.written, static_cast<long long>(good_.size()));
}

TEST_F(TableCacheTest, ProgressIsReportedWhileBuildingOnly) {
  int reports = 0;
  const TableCache cache(Utf8FromPath(folder_), 2, [&](const std::string& name, double) {
    EXPECT_EQ(name, "column 4");
    ++reports;
  });
  cache.Load(space_);
  EXPECT_GT(reports, 0);
  reports = 0;
  cache.Load(space_);
  EXPECT_EQ(reports, 0);
}

TEST(Checksum, NoticesAFlippedBitAndATrailingZero) {
  std::vector<std::uint8_t> bytes(1000);
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<std::uint8_t>(i * 7);
  const std::uint64_t original = solver::Checksum(bytes);
  EXPECT_NE(solver::Checksum(bytes, 1), original);
  for (std::size_t at : {std::size_t{0}, std::size_t{31}, std::size_t{32}, std::size_t{999}}) {
    std::vector<std::uint8_t> flipped = bytes;
    flipped[at] ^= 1;
    EXPECT_NE(solver::Checksum(flipped), original) << at;
  }
  std::vector<std::uint8_t> longer = bytes;
  longer.push_back(0);
  EXPECT_NE(solver::Checksum(longer), original);
}

TEST_F(TableCacheTest, ABuildClearsTheTablesOfEarlierVersionsAndOnlyThem) {
  const auto touch = [&](const fs::path& path) { std::ofstream(path) << "x"; };
  const fs::path earlier = folder_ / "rows23-0123456789abcdef.table";
  const auto pathOf = [&](solver::TableSize size) {
    return PathFromUtf8(TableCache(Utf8FromPath(folder_)).PathFor(solver::PatternsFor(size)[0]));
  };
  const fs::path fullSet = pathOf(solver::TableSize::Full);
  const fs::path mediumSet = pathOf(solver::TableSize::Medium);
  touch(earlier);
  touch(fullSet);
  touch(mediumSet);
  touch(folder_ / "notes.txt");
  std::atomic<bool> never{false};
  ASSERT_TRUE(solver::TableSet(Utf8FromPath(folder_), solver::TableSize::Small, 2).Load({}, never));
  EXPECT_FALSE(fs::exists(earlier));
  EXPECT_TRUE(fs::exists(fullSet));
  EXPECT_TRUE(fs::exists(mediumSet));
  EXPECT_TRUE(fs::exists(folder_ / "notes.txt"));

  // Mapping what is already there removes nothing: another version may be in use beside this one.
  touch(earlier);
  ASSERT_TRUE(solver::TableSet(Utf8FromPath(folder_), solver::TableSize::Small, 2).Load({}, never));
  EXPECT_TRUE(fs::exists(earlier));
}

}  // namespace
}  // namespace kelvora::testing
