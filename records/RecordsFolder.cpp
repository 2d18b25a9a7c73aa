// The choice of the records folder, and its first filling from the delivered files.
#include "records/RecordsFolder.h"

#include <filesystem>
#include <system_error>

#include "records/ProgramFolder.h"
#include "records/RecordFiles.h"
#include "text/GameText.h"
#include "text/Utf8Path.h"

namespace kelvora {

namespace {

bool Exists(const std::string& path) {
  std::error_code error;
  return std::filesystem::exists(PathFromUtf8(path), error);
}

}  // namespace

RecordsFolder::RecordsFolder(platform::System& system) : system_(system) {
  const std::string program = system.ProgramFolder();
  path_ = program;
  if (program.empty()) return;
  const std::string installed = Utf8FromPath(
      (PathFromUtf8(program) / PathFromUtf8(kInstalledDataFromProgram)).lexically_normal());
  std::string delivered;
  if (Exists(FolderWithSeparator(installed) + kPreparedStagesFile)) {
    delivered = installed;
  } else if (!system.CanWriteFolder(program)) {
    delivered = program;
  }
  const std::string player = system.PlayerDataFolder();
  // With nowhere else to go, the records stay where the program is, and say so when saved.
  if (delivered.empty() || player.empty()) return;
  path_ = player;
  deliveredFrom_ = delivered;
}

Status RecordsFolder::Prepare() {
  if (!InPlayerData()) return Status::Ok();
  const std::string folder = FolderWithSeparator(path_);
  std::error_code error;
  std::filesystem::create_directories(PathFromUtf8(path_), error);
  if (error) {
    return Status::Failed(Status::Code::kDenied,
                          text::RecordsNotPrepared(path_, text::reason::kFolderNotMade));
  }
  if (Exists(folder + kPreparedStagesFile)) return Status::Ok();
  const std::string from = FolderWithSeparator(deliveredFrom_);
  // The stage file last: while it is missing, a start that was cut short is taken up again.
  for (const char* name :
       {kRandomStagesFile, kPreparedBestFile, kRandomRecordsFile, kPreparedStagesFile}) {
    if (Exists(folder + name)) continue;
    const Result<std::string> delivered = system_.Read(from + name);
    // A record file the game came without is a first run's; the stage file is named at load.
    if (delivered.status().code() == Status::Code::kNotFound) continue;
    Status copied = delivered.status();
    if (copied) copied = system_.Replace(folder + name, *delivered);
    if (!copied) {
      return Status::Failed(copied.code(),
                            text::RecordsNotPrepared(folder + name, copied.Reason()));
    }
  }
  return Status::Ok();
}

}  // namespace kelvora
