// What every system does the same way: a file read whole, and the crash-safe replace built on the
// system's own steps.
#include "platform/System.h"

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/FileError.h"
#include "text/GameText.h"
#include "text/Utf8Path.h"

namespace kelvora::platform {

namespace fs = std::filesystem;

namespace {

// The temporary files of a replace are hidden and carry this mark, so the ones a crash leaves
// behind can be told from anything the player keeps beside the game.
constexpr const char* kSavingMark = ".saving-";
constexpr std::size_t kUniqueLetters = 6;  // mkstemp's XXXXXX
// A large file is written a few megabytes at a time, so whoever waits hears that it goes on.
constexpr std::size_t kWrittenAtOnce = std::size_t{16} << 20;

// The file a path leads to: the end of its chain of symbolic links, if any.
fs::path FileBehindLinks(const std::string& path) {
  fs::path file = PathFromUtf8(path);
  // A loop of links ends somewhere too: the replace then fails on the last link found.
  for (int hop = 0; hop < 40; ++hop) {
    std::error_code code;
    if (!fs::is_symlink(fs::symlink_status(file, code))) break;
    const fs::path next = fs::read_symlink(file, code);
    if (code) break;
    file = next.is_absolute() ? next : file.parent_path() / next;
  }
  return file;
}

fs::path FolderOf(const fs::path& file) {
  return file.parent_path().empty() ? fs::path(".") : file.parent_path();
}

std::string TempPrefix(const fs::path& file) {
  return "." + Utf8FromPath(file.filename()) + kSavingMark;
}

}  // namespace

Result<std::string> System::Read(const std::string& utf8Path) {
  const fs::path path = PathFromUtf8(utf8Path);
  std::error_code code;
  if (!fs::exists(path, code)) {
    if (code) return FileError(code.value(), false);
    return Status::Failed(Status::Code::kNotFound, text::reason::kNoFile);
  }
  if (fs::is_directory(path, code)) {
    return Status::Failed(Status::Code::kInvalid, text::reason::kFolderNotFile);
  }
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) return FileError(errno != 0 ? errno : EACCES, false);
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) return FileError(EIO, false);
  return std::move(text).str();
}

Status System::Replace(const std::string& path, std::string_view contents) {
  const Piece whole(reinterpret_cast<const std::uint8_t*>(contents.data()), contents.size());
  return Replace(path, std::span<const Piece>(&whole, 1));
}

Status System::Replace(const std::string& path, std::span<const Piece> pieces,
                       const std::function<void()>& wrote) {
  const fs::path target = FileBehindLinks(path);
  const std::string targetPath = Utf8FromPath(target);
  if (ReadOnly(targetPath))
    return Status::Failed(Status::Code::kDenied, text::reason::kReadOnlyFile);
  const fs::path folder = FolderOf(target);
  // Same folder as the target, so the rename never crosses file systems; a hidden name, so
  // the one a crash may leave behind does not clutter the folder.
  std::string tempPath = Utf8FromPath(folder / PathFromUtf8(TempPrefix(target) + "XXXXXX"));
  const Handle file = MakeTemp(tempPath, targetPath);
  if (file == kNoFile) return FileError(errno, true);

  // Cleans up the temporary file and words the failure of the step that broke.
  const auto abandon = [&](Handle open, int error) {
    if (open != kNoFile) Close(open);
    Unlink(tempPath);
    return FileError(error, true);
  };
  for (const Piece& piece : pieces) {
    std::size_t written = 0;
    while (written < piece.size()) {
      const std::size_t size = std::min(kWrittenAtOnce, piece.size() - written);
      const long long n = Write(file, piece.data() + written, size);
      if (n < 0 && errno == EINTR) continue;
      if (n <= 0) return abandon(file, n < 0 ? errno : ENOSPC);
      written += static_cast<std::size_t>(n);
      if (wrote) wrote();
    }
  }
  if (Sync(file) != 0) return abandon(file, errno);
  if (Close(file) != 0) return abandon(kNoFile, errno);
  if (Rename(tempPath, targetPath) != 0) return abandon(kNoFile, errno);
  SyncFolder(Utf8FromPath(folder));
  return Status::Ok();
}

void System::RemoveReplaceLeftovers(const std::string& path) {
  const fs::path target = FileBehindLinks(path);
  const std::string prefix = TempPrefix(target);
  std::error_code code;
  fs::directory_iterator entry(FolderOf(target), code);
  for (; !code && entry != fs::directory_iterator(); entry.increment(code)) {
    const std::string name = Utf8FromPath(entry->path().filename());
    if (name.size() == prefix.size() + kUniqueLetters &&
        name.compare(0, prefix.size(), prefix) == 0 && entry->is_regular_file(code)) {
      Unlink(Utf8FromPath(entry->path()));
    }
  }
}

}  // namespace kelvora::platform
