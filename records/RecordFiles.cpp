// Load and saves of the four data files, in their exact text layout.
#include "records/RecordFiles.h"

#include <limits>
#include <optional>

#include "core/Tiles.h"
#include "records/DataFileReader.h"
#include "records/DataFileWriter.h"
#include "records/ProgramFolder.h"
#include "text/GameText.h"

namespace kelvora {

namespace {

constexpr int kMostMoves = std::numeric_limits<std::int32_t>::max();

// The text of a file; nullopt when it does not exist and need not. A missing stage file, or one
// that exists but cannot be read, is damage.
std::optional<std::string> ReadText(FileStore& store, const std::string& path, bool required) {
  Result<std::string> read = store.Read(path);
  if (read.status().code() == Status::Code::kNotFound) {
    if (required) {
      throw DataFileError(path, 0, text::expected::kStageFile, Status::Code::kNotFound);
    }
    return std::nullopt;
  }
  if (!read) {
    throw DataFileError(path, 0, text::expected::ReadableFile(read.status().Reason()),
                        read.status().code());
  }
  return std::move(*read);
}

}  // namespace

RecordFiles::RecordFiles(FileStore& store, const std::string& gameFolder)
    : store_(store), folder_(FolderWithSeparator(gameFolder)) {}

std::vector<Position> RecordFiles::ReadStageFile(const char* fileName, bool required) const {
  const std::string path = folder_ + fileName;
  const std::optional<std::string> contents = ReadText(store_, path, required);
  if (!contents) return {};
  DataFileReader reader(path, *contents);
  const int count = reader.ReadNumber(0, kMostStagesInAFile, text::expected::kStageCount);
  std::vector<Position> stages;
  for (int s = 0; s < count; ++s) {
    const int firstLine = reader.Line();
    std::array<int, kCellCount> codes{};
    for (int& code : codes) {
      code = reader.ReadNumber(kFirstTileCode, kLastTileCode, text::expected::kTileCode);
    }
    stages.push_back(Position::FromCodes(codes));
    // Any other set of tiles could never be solved.
    if (!stages.back().HoldsTheGoalsTiles()) reader.Fail(firstLine, text::expected::kGoalsTiles);
  }
  return stages;
}

void RecordFiles::ReadPreparedBests(const std::vector<Position>& starts, Records& into) const {
  // The record file's count wins, but it may not reach past the stages the stage file holds.
  into.prepared.clear();
  const std::string path = folder_ + kPreparedBestFile;
  const std::optional<std::string> contents = ReadText(store_, path, false);
  if (!contents) {
    for (const Position& start : starts) into.prepared.push_back({start, 0, {}});
    return;
  }
  DataFileReader reader(path, *contents);
  const int limit = static_cast<int>(starts.size());
  const int count =
      reader.ReadNumber(0, limit, text::expected::RecordCount(limit, kPreparedStagesFile));
  for (int s = 0; s < count; ++s) {
    PreparedStage stage{starts[s], 0, {}};
    stage.bestMoves = reader.ReadNumber(0, kMostMoves, text::expected::kMoveCount);
    stage.bestHistory = reader.ReadHistory();
    into.prepared.push_back(std::move(stage));
  }
}

void RecordFiles::ReadRandomRecords(const std::vector<Position>& starts, Records& into) const {
  // A lower count than the stage file's is what a save interrupted between the two random
  // files leaves behind; the record file's count is the one that was completed.
  into.archive.clear();
  into.randomBest = kNoRandomBest;
  const std::string path = folder_ + kRandomRecordsFile;
  const std::optional<std::string> contents = ReadText(store_, path, false);
  if (!contents) return;
  DataFileReader reader(path, *contents);
  const int limit = static_cast<int>(starts.size());
  const int count =
      reader.ReadNumber(0, limit, text::expected::RecordCount(limit, kRandomStagesFile));
  into.randomBest = reader.ReadNumber(0, kMostMoves, text::expected::kMoveCount);
  for (int i = 0; i < count; ++i) {
    ArchivedStage stage{starts[i], 0, {}};
    stage.moves = reader.ReadNumber(0, kMostMoves, text::expected::kMoveCount);
    stage.history = reader.ReadHistory();
    into.archive.push_back(std::move(stage));
  }
}

Result<Records> RecordFiles::Load() const {
  try {
    const std::vector<Position> preparedStarts = ReadStageFile(kPreparedStagesFile, true);
    const std::vector<Position> randomStarts = ReadStageFile(kRandomStagesFile, false);
    Records records;
    ReadPreparedBests(preparedStarts, records);
    ReadRandomRecords(randomStarts, records);
    return records;
  } catch (const DataFileError& damage) {
    return damage.ToStatus();
  }
}

FolderCheck RecordFiles::Check() const {
  FolderCheck check;
  const auto attempt = [&check](auto read) {
    try {
      read();
      return true;
    } catch (const DataFileError& error) {
      check.damage.push_back(error.ToStatus());
      return false;
    }
  };
  // A damaged stage file bounds nothing: its record file is then checked against the most a
  // stage file can hold.
  const std::vector<Position> unknown(kMostStagesInAFile);
  std::vector<Position> preparedStarts = unknown;
  std::vector<Position> randomStarts = unknown;
  const bool preparedStages =
      attempt([&] { preparedStarts = ReadStageFile(kPreparedStagesFile, true); });
  const bool randomStages =
      attempt([&] { randomStarts = ReadStageFile(kRandomStagesFile, false); });
  const bool preparedBests = attempt([&] { ReadPreparedBests(preparedStarts, check.records); });
  const bool randomRecords = attempt([&] { ReadRandomRecords(randomStarts, check.records); });
  check.preparedSound = preparedStages && preparedBests;
  check.randomSound = randomStages && randomRecords;
  return check;
}

std::string RecordFiles::PreparedBestsText(const Records& records) {
  DataFileWriter writer;
  writer.WriteNumber(static_cast<int>(records.prepared.size()));
  for (const PreparedStage& stage : records.prepared) {
    writer.WriteNumber(stage.bestMoves);
    writer.WriteString(stage.bestHistory);
  }
  return writer.Text();
}

std::string RecordFiles::StageFileText(const std::vector<Position>& stages) {
  DataFileWriter writer;
  writer.WriteNumber(static_cast<int>(stages.size()));
  for (const Position& stage : stages) {
    for (int code : stage.Codes()) writer.WriteNumber(code);
  }
  return writer.Text();
}

std::string RecordFiles::RandomStagesText(const Records& records) {
  std::vector<Position> starts;
  for (const ArchivedStage& stage : records.archive) starts.push_back(stage.start);
  return StageFileText(starts);
}

std::string RecordFiles::RandomRecordsText(const Records& records) {
  DataFileWriter writer;
  writer.WriteNumber(static_cast<int>(records.archive.size()));
  writer.WriteNumber(records.randomBest);
  for (const ArchivedStage& stage : records.archive) {
    writer.WriteNumber(stage.moves);
    writer.WriteString(stage.history);
  }
  return writer.Text();
}

bool RecordFiles::Write(const char* fileName, const std::string& text,
                        std::vector<SaveFailure>& failures) {
  const std::string path = folder_ + fileName;
  const Status saved = store_.Replace(path, text);
  if (!saved) failures.push_back({path, saved});
  return saved.ok();
}

std::vector<SaveFailure> RecordFiles::SaveUnsaved(const Records& records) {
  std::vector<SaveFailure> failures;
  if (preparedUnsaved_) {
    preparedUnsaved_ = !Write(kPreparedBestFile, PreparedBestsText(records), failures);
  }
  if (randomUnsaved_) {
    randomUnsaved_ = !(Write(kRandomStagesFile, RandomStagesText(records), failures) &&
                       Write(kRandomRecordsFile, RandomRecordsText(records), failures));
  }
  return failures;
}

std::vector<SaveFailure> RecordFiles::SavePreparedBests(const Records& records) {
  preparedUnsaved_ = true;
  return SaveUnsaved(records);
}

std::vector<SaveFailure> RecordFiles::SaveRandomArchive(const Records& records) {
  randomUnsaved_ = true;
  return SaveUnsaved(records);
}

void RecordFiles::RemoveSaveLeftovers() {
  for (const char* file : {kRandomStagesFile, kPreparedBestFile, kRandomRecordsFile}) {
    store_.RemoveSaveLeftovers(folder_ + file);
  }
}

}  // namespace kelvora
