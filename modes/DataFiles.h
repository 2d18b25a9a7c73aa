// The four data files beside the program: the prepared stages, the random stages recorded, and
// the records of both. Read once at start-up; each save rewrites its files whole.
#pragma once

#include <optional>
#include <string>

#include "modes/DataTables.h"
#include "modes/FileStore.h"

namespace kelvora {

inline constexpr const char* kPreparedStagesFile = "MENDATA1.txt";
inline constexpr const char* kRandomStagesFile = "MENDATA2.txt";
inline constexpr const char* kPreparedBestFile = "BEST1.txt";
inline constexpr const char* kRandomRecordsFile = "BEST2.txt";

// A save that did not reach the disk: the file and the reason, for the player.
struct SaveFailure {
  std::string path;
  std::string reason;
};

class DataFiles {
 public:
  DataFiles(DataTables& tables, FileStore& store, std::string programFolder)
      : tables_(tables), store_(store), programFolder_(std::move(programFolder)) {}

  // The program's folder with one trailing separator.
  std::string MYpath() const;

  // Fills the tables from the four files. A missing stage file, or any file that is damaged,
  // throws DataFileError naming the file and line and leaves the tables untouched; a missing
  // record file is a first run and holds no records.
  void LoadDataFiles();

  std::optional<SaveFailure> SavePreparedBest();
  // Writes the random stages first: if that fails the record file is not written, so the two
  // files never announce more records than stages.
  std::optional<SaveFailure> SaveRandomRecords();

  // The texts the saves write, as they would write them now.
  std::string PreparedBestText() const;
  std::string RandomStagesText() const;
  std::string RandomRecordsText() const;

 private:
  std::optional<SaveFailure> Save(const char* fileName, const std::string& text);

  DataTables& tables_;
  FileStore& store_;
  std::string programFolder_;
};

}  // namespace kelvora
