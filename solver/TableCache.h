// Pattern databases kept on disk between runs, checked before they are trusted.
#pragma once

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "core/Status.h"
#include "platform/System.h"
#include "solver/MappedFile.h"
#include "solver/PatternSpace.h"
#include "solver/PatternTable.h"
#include "text/ToolText.h"

namespace kelvora::solver {

// A table is loaded from its checked file, or built and written when the file is missing,
// damaged or made for another pattern.
struct LoadedTable {
  PatternTable table;
  bool built = false;
  // Why the table was built rather than taken from the cache; empty when it was not.
  std::string reason;
};

class TableCache {
 public:
  static constexpr std::size_t kHeaderBytes = 64;
  static constexpr std::uint32_t kVersion = 4;
  // The reason given for building a table that was never cached: nothing to worry anyone about.
  static constexpr const char* kNotCachedYet = text::stages::kNotCachedYet;

  // Called with the table's name and the share built, 0 to 1, while a table is built.
  using Progress = std::function<void(const std::string& table, double done)>;

  // The system's cache folder (platform::System::CacheFolder); empty when there is none. UTF-8.
  static std::string DefaultFolder();

  // An empty folder keeps nothing: every table is built. Files are mapped or read in (holding)
  // and written through `system`.
  explicit TableCache(std::string folder, int threads = 0, Progress progress = {},
                      platform::System& system = platform::System::Default(),
                      Holding holding = Holding::kMapped);

  LoadedTable Load(const PatternSpace& space) const;
  // nullopt when cancel became true before the table was ready; nothing of it is then left in
  // the folder. A table being built stops within a few milliseconds.
  std::optional<LoadedTable> Load(const PatternSpace& space, const std::atomic<bool>& cancel) const;
  std::string PathFor(const PatternSpace& space) const;
  // Whether space's file is in the folder with a header that fits space and the file's length.
  // The checksum is left to Load, so this reads only the header.
  bool Holds(const PatternSpace& space) const;
  // Removes every table file of the folder but those of keep: the tables an earlier version of
  // the game built, hundreds of megabytes no one will read again. A file another program still
  // holds open (Windows keeps it) stays, to go next time.
  void RemoveAllBut(const std::vector<PatternSpace>& keep) const;

 private:
  // The reason a header (and data of dataBytes) cannot be trusted for space; empty when it can.
  static std::string HeaderProblem(const PatternSpace& space, std::span<const std::uint8_t> header,
                                   std::uint64_t dataBytes);
  // A table file checked once is trusted while its length, its time of change and its header's
  // checksum stay as they were when checked: a note beside it, `<file>.checked`, says so. A
  // change through the file system is seen; only damage that keeps the file's time is not.
  static std::string CheckedPath(const std::string& path);
  bool CheckedBefore(const std::string& path, std::span<const std::uint8_t> header) const;
  void NoteChecked(const std::string& path, std::span<const std::uint8_t> header) const;
  // Writes through the crash-safe replace, so a reader never maps half a table and a failed write
  // leaves the old file whole.
  Status Store(const PatternSpace& space, std::span<const std::uint8_t> data) const;

  platform::System* system_;
  std::string folder_;
  int threads_;
  Progress progress_;
  Holding holding_;
};

}  // namespace kelvora::solver
