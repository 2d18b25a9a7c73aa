// Load and saves of the four data files, in their exact text layout.
#include "modes/DataFiles.h"

#include <array>
#include <limits>

#include "core/Goal.h"
#include "core/TileCodes.h"
#include "modes/DataFileError.h"
#include "modes/DataFileReader.h"
#include "modes/DataFileWriter.h"
#include "modes/ProgramFolder.h"

namespace kelvora {

namespace {

constexpr std::int32_t kMaxNumber = std::numeric_limits<std::int32_t>::max();

const Phrase kMoveCount{"0 以上の手数", "a move count of 0 or more"};

Phrase CountUpTo(std::int32_t most, const char* stageFile) {
  const std::string limit = std::to_string(most);
  return {"0 から " + limit + " までの面の数（" + stageFile + " の面の数を超えない数）",
          "a number of stages from 0 to " + limit + " (no more than " + stageFile + " holds)"};
}

Phrase Unreadable(const Phrase& reason) {
  return Phrase{"読み取れるファイル（", "a readable file ("} + reason + Phrase{"）", ")"};
}

// Reads a file that must exist; a missing one is damage too.
std::string ReadRequired(FileStore& store, const std::string& path) {
  FileReadResult result = store.Read(path);
  if (result.status == FileReadResult::Status::kMissing) {
    throw DataFileError(path, 0,
                        {"面のデータが入ったファイル（ファイルがありません）",
                         "a file holding the stages (there is no such file)"});
  }
  if (result.status == FileReadResult::Status::kUnreadable) {
    throw DataFileError(path, 0, Unreadable(result.reason));
  }
  return std::move(result.contents);
}

// Reads a record file; nullopt when it does not exist yet.
std::optional<std::string> ReadOptional(FileStore& store, const std::string& path) {
  FileReadResult result = store.Read(path);
  if (result.status == FileReadResult::Status::kMissing) return std::nullopt;
  if (result.status == FileReadResult::Status::kUnreadable) {
    throw DataFileError(path, 0, Unreadable(result.reason));
  }
  return std::move(result.contents);
}

// A stage must hold exactly the goal's tiles, or some position of it could never be solved.
bool HoldsTheGoalsTiles(const StageGrid& stage) {
  std::array<int, kLastTileCode + 1> wanted{};
  const StageGrid goal = GoalPattern();
  for (int column = 1; column <= 4; ++column) {
    for (int row = 1; row <= 4; ++row) {
      ++wanted[goal[column][row]];
      --wanted[stage[column][row]];
    }
  }
  for (int count : wanted) {
    if (count != 0) return false;
  }
  return true;
}

void ReadStages(DataFileReader& reader, std::int32_t& count,
                std::array<StageGrid, kTableCapacity + 1>& stages) {
  count = reader.ReadNumber(0, kTableCapacity,
                            {"0 から 50 までの面の数", "a number of stages from 0 to 50"});
  for (int s = 1; s <= count; ++s) {
    const int firstLine = reader.Line();
    StageGrid& stage = stages[s];
    for (int column = 1; column <= 4; ++column) {
      for (int row = 1; row <= 4; ++row) {
        stage[column][row] =
            reader.ReadNumber(kFirstTileCode, kLastTileCode,
                              {"1 から 13 までのタイル番号", "a tile code from 1 to 13"});
      }
    }
    if (!HoldsTheGoalsTiles(stage)) {
      reader.Fail(firstLine, {"ここから 16 行に、ゴールと同じ組み合わせのタイル"
                              "（1, 2, 2, 3, 4, 5, 5, 6, 7, 8, 8, 9, 10, 11, 12, 13）",
                              "from here, 16 lines holding the goal's tiles "
                              "(1, 2, 2, 3, 4, 5, 5, 6, 7, 8, 8, 9, 10, 11, 12, 13)"});
    }
  }
}

void WriteStages(DataFileWriter& writer, std::int32_t count,
                 const std::array<StageGrid, kTableCapacity + 1>& stages) {
  writer.WriteNumber(count);
  for (int s = 1; s <= count; ++s) {
    for (int column = 1; column <= 4; ++column) {
      for (int row = 1; row <= 4; ++row) writer.WriteNumber(stages[s][column][row]);
    }
  }
}

}  // namespace

std::string DataFiles::MYpath() const {
  return FolderWithSeparator(programFolder_);
}

void DataFiles::ReadPreparedStages(DataTables& into) const {
  const std::string path = MYpath() + kPreparedStagesFile;
  const std::string text = ReadRequired(store_, path);
  DataFileReader reader(path, text);
  ReadStages(reader, into.preparedStageCount, into.preparedStages);
}

void DataFiles::ReadRandomStages(DataTables& into) const {
  const std::string path = MYpath() + kRandomStagesFile;
  into.randomStageCount = 0;
  if (auto text = ReadOptional(store_, path)) {
    DataFileReader reader(path, *text);
    ReadStages(reader, into.randomStageCount, into.randomStages);
  }
}

void DataFiles::ReadPreparedBest(DataTables& into, std::int32_t stagesInFile) const {
  // The record file's count wins, but it may not reach past the stages the stage file holds.
  const std::string path = MYpath() + kPreparedBestFile;
  auto text = ReadOptional(store_, path);
  if (!text) return;
  DataFileReader reader(path, *text);
  into.preparedStageCount =
      reader.ReadNumber(0, stagesInFile, CountUpTo(stagesInFile, kPreparedStagesFile));
  for (int s = 1; s <= into.preparedStageCount; ++s) {
    into.bestMoves[s] = reader.ReadNumber(0, kMaxNumber, kMoveCount);
    into.bestHistory[s] = reader.ReadHistory();
  }
}

void DataFiles::ReadRandomRecords(DataTables& into, std::int32_t stagesInFile) const {
  // A lower count than the stage file's is what a save interrupted between the two random
  // files leaves behind; the record file's count is the one that was completed.
  const std::string path = MYpath() + kRandomRecordsFile;
  into.randomStageCount = 0;
  into.randomBest = kNoRandomBest;
  auto text = ReadOptional(store_, path);
  if (!text) return;
  DataFileReader reader(path, *text);
  into.randomStageCount =
      reader.ReadNumber(0, stagesInFile, CountUpTo(stagesInFile, kRandomStagesFile));
  into.randomBest = reader.ReadNumber(0, kMaxNumber, kMoveCount);
  for (int i = 1; i <= into.randomStageCount; ++i) {
    into.randomRecordMoves[i] = reader.ReadNumber(0, kMaxNumber, kMoveCount);
    into.randomRecordHistory[i] = reader.ReadHistory();
  }
}

void DataFiles::LoadDataFiles() {
  // Everything is read into a scratch copy first, so a damaged file changes nothing.
  DataTables loaded;
  ReadPreparedStages(loaded);
  const std::int32_t preparedInFile = loaded.preparedStageCount;
  ReadRandomStages(loaded);
  const std::int32_t randomInFile = loaded.randomStageCount;
  ReadPreparedBest(loaded, preparedInFile);
  ReadRandomRecords(loaded, randomInFile);
  tables_ = std::move(loaded);
}

DataFilesCheck DataFiles::CheckDataFiles() const {
  DataFilesCheck check;
  DataTables& loaded = check.tables;
  // A damaged stage file bounds nothing: its record file is then checked against the most a
  // stage file can hold.
  const auto attempt = [&check](auto read) {
    try {
      read();
      return true;
    } catch (const DataFileError& error) {
      check.damage.push_back(error);
      return false;
    }
  };
  const bool preparedStages = attempt([&] { ReadPreparedStages(loaded); });
  const std::int32_t preparedInFile = preparedStages ? loaded.preparedStageCount : kTableCapacity;
  const bool randomStages = attempt([&] { ReadRandomStages(loaded); });
  const std::int32_t randomInFile = randomStages ? loaded.randomStageCount : kTableCapacity;
  const bool preparedBest = attempt([&] { ReadPreparedBest(loaded, preparedInFile); });
  const bool randomRecords = attempt([&] { ReadRandomRecords(loaded, randomInFile); });
  check.preparedSound = preparedStages && preparedBest;
  check.randomSound = randomStages && randomRecords;
  return check;
}

std::string DataFiles::PreparedBestText() const {
  DataFileWriter writer;
  writer.WriteNumber(tables_.preparedStageCount);
  for (int s = 1; s <= tables_.preparedStageCount; ++s) {
    writer.WriteNumber(tables_.bestMoves[s]);
    writer.WriteString(tables_.bestHistory[s]);
  }
  return writer.Text();
}

std::string DataFiles::RandomStagesText() const {
  DataFileWriter writer;
  WriteStages(writer, tables_.randomStageCount, tables_.randomStages);
  return writer.Text();
}

std::string DataFiles::RandomRecordsText() const {
  DataFileWriter writer;
  writer.WriteNumber(tables_.randomStageCount);
  writer.WriteNumber(tables_.randomBest);
  for (int i = 1; i <= tables_.randomStageCount; ++i) {
    writer.WriteNumber(tables_.randomRecordMoves[i]);
    writer.WriteString(tables_.randomRecordHistory[i]);
  }
  return writer.Text();
}

std::optional<SaveFailure> DataFiles::Save(const char* fileName, const std::string& text) {
  const std::string path = MYpath() + fileName;
  FileWriteResult result = store_.Replace(path, text);
  if (result.written) return std::nullopt;
  return SaveFailure{path, std::move(result.reason)};
}

bool DataFiles::Write(const char* fileName, const std::string& text,
                      std::vector<SaveFailure>& failures) {
  auto failure = Save(fileName, text);
  if (failure) failures.push_back(std::move(*failure));
  return !failure;
}

std::vector<SaveFailure> DataFiles::SaveUnsaved() {
  std::vector<SaveFailure> failures;
  if (preparedUnsaved_) preparedUnsaved_ = !Write(kPreparedBestFile, PreparedBestText(), failures);
  // The random pair stops at its first failure: a record file must never announce more
  // entries than its stage file holds.
  if (randomUnsaved_) {
    randomUnsaved_ = !(Write(kRandomStagesFile, RandomStagesText(), failures) &&
                       Write(kRandomRecordsFile, RandomRecordsText(), failures));
  }
  return failures;
}

std::vector<SaveFailure> DataFiles::SavePreparedBest() {
  preparedUnsaved_ = true;
  return SaveUnsaved();
}

std::vector<SaveFailure> DataFiles::SaveRandomRecords() {
  randomUnsaved_ = true;
  return SaveUnsaved();
}

void DataFiles::RemoveSaveLeftovers() {
  for (const char* file : {kRandomStagesFile, kPreparedBestFile, kRandomRecordsFile}) {
    store_.RemoveSaveLeftovers(MYpath() + file);
  }
}

}  // namespace kelvora
