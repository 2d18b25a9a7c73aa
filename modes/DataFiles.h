// The four data files beside the program: the prepared stages, the random stages recorded, and
// the records of both. Read once at start-up; each save rewrites its files whole.
#pragma once

#include <optional>
#include <string>
#include <vector>

#include "modes/DataFileError.h"
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
  Phrase reason;
};

// What a check of the four files found: the first damage of each damaged file, and the tables
// as far as they could be read.
struct DataFilesCheck {
  std::vector<DataFileError> damage;
  DataTables tables;
  // Both files of the prepared stages (or of the random stages) read without damage.
  bool preparedSound = false;
  bool randomSound = false;
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

  // Reads all four files as the load does, but goes on past a damaged file to the next one, so
  // that every damaged file is named. Writes nothing.
  DataFilesCheck CheckDataFiles() const;

  // Each save writes its own pair of files and then whatever an earlier save failed to write,
  // and returns one failure for each pair that still did not reach the disk. A pair that
  // failed stays unsaved until a later save of either pair writes it.
  std::vector<SaveFailure> SavePreparedBest();
  // Writes the random stages first: if that fails the record file is not written, so the two
  // files never announce more records than stages.
  std::vector<SaveFailure> SaveRandomRecords();

  // Removes the temporary files an interrupted save left; only while no other copy of the
  // game can be saving into the same folder.
  void RemoveSaveLeftovers();

  // The texts the saves write, as they would write them now.
  std::string PreparedBestText() const;
  std::string RandomStagesText() const;
  std::string RandomRecordsText() const;

 private:
  std::optional<SaveFailure> Save(const char* fileName, const std::string& text);
  bool Write(const char* fileName, const std::string& text, std::vector<SaveFailure>& failures);
  // Writes every pair marked unsaved, and unmarks the ones that reached the disk.
  std::vector<SaveFailure> SaveUnsaved();

  // One file each, read into `into`; each throws DataFileError at the file's first damage.
  // A record file may not announce more entries than its stage file holds.
  void ReadPreparedStages(DataTables& into) const;
  void ReadRandomStages(DataTables& into) const;
  void ReadPreparedBest(DataTables& into, std::int32_t stagesInFile) const;
  void ReadRandomRecords(DataTables& into, std::int32_t stagesInFile) const;

  DataTables& tables_;
  FileStore& store_;
  std::string programFolder_;
  bool preparedUnsaved_ = false;
  bool randomUnsaved_ = false;
};

}  // namespace kelvora
