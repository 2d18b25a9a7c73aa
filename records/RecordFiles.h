// The four data files in the game folder: the prepared stages, the archived random stages, and
// the records of both. Loading returns what they hold; each save takes the records and rewrites
// its files whole.
#pragma once

#include <string>
#include <vector>

#include "core/Status.h"
#include "records/DataFileError.h"
#include "records/FileStore.h"
#include "records/Records.h"
#include "text/Phrase.h"

namespace kelvora {

inline constexpr const char* kPreparedStagesFile = "MENDATA1.txt";
inline constexpr const char* kRandomStagesFile = "MENDATA2.txt";
inline constexpr const char* kPreparedBestFile = "BEST1.txt";
inline constexpr const char* kRandomRecordsFile = "BEST2.txt";

// A save that did not reach the disk: the file, and what became of its replace.
struct SaveFailure {
  std::string path;
  Status status;
};

// What a check of the four files found: the first damage of each damaged file, and the records.
// Only the pairs marked sound hold records that were read; the others are placeholders.
struct FolderCheck {
  // The player's message and the tools' line of each, naming the file and the line.
  std::vector<Status> damage;
  Records records;
  // Both files of the prepared stages (or of the random stages) read without damage.
  bool preparedSound = false;
  bool randomSound = false;
};

class RecordFiles {
 public:
  // gameFolder: where the data files lie, with or without its trailing separator.
  RecordFiles(FileStore& store, const std::string& gameFolder);
  RecordFiles(const RecordFiles&) = delete;
  RecordFiles& operator=(const RecordFiles&) = delete;

  // The game folder with one trailing separator, as every data file's path begins.
  const std::string& Folder() const { return folder_; }

  // Reads the four files. A missing stage file (kNotFound), or any file that cannot be read or
  // is damaged, fails naming the file, the line and what belongs there; a missing record file
  // is a first run and holds no records.
  Result<Records> Load() const;

  // Reads all four files as the load does, but goes on past a damaged file to the next one, so
  // that every damaged file is named. Writes nothing.
  FolderCheck Check() const;

  // Each save writes its own files and then whatever an earlier save failed to write, and
  // returns one failure for each that still did not reach the disk: a record kept in memory is
  // written with the next save of any record.
  std::vector<SaveFailure> SavePreparedBests(const Records& records);
  // The archived stages first: if they fail, the record file is not written, so it never
  // announces more stages than the stage file holds.
  std::vector<SaveFailure> SaveRandomArchive(const Records& records);

  // Removes the temporary files an interrupted save left; only while no other copy of the
  // game can be saving into the same folder.
  void RemoveSaveLeftovers();

  // The texts the saves write.
  static std::string PreparedBestsText(const Records& records);
  // A stage file holding these stages, as MENDATA1.txt and MENDATA2.txt are laid out.
  static std::string StageFileText(const std::vector<Position>& stages);
  static std::string RandomStagesText(const Records& records);
  static std::string RandomRecordsText(const Records& records);

 private:
  std::vector<SaveFailure> SaveUnsaved(const Records& records);
  bool Write(const char* fileName, const std::string& text, std::vector<SaveFailure>& failures);

  // One file each; each throws DataFileError at the file's first damage. A record file may not
  // announce more entries than its stage file holds.
  std::vector<Position> ReadStageFile(const char* fileName, bool required) const;
  void ReadPreparedBests(const std::vector<Position>& starts, Records& into) const;
  void ReadRandomRecords(const std::vector<Position>& starts, Records& into) const;

  FileStore& store_;
  std::string folder_;
  bool preparedUnsaved_ = false;
  bool randomUnsaved_ = false;
};

}  // namespace kelvora
