// Reading and crash-safe replacing of data files.
#include "records/DiskFileStore.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "text/GameText.h"
#include "text/Utf8Path.h"

namespace kelvora {

namespace fs = std::filesystem;

namespace {

// The temporary files of a save are hidden and carry this mark, so the ones a crash leaves
// behind can be told from anything the player keeps beside the game.
constexpr const char* kSavingMark = ".saving-";
constexpr std::size_t kUniqueLetters = 6;  // mkstemp's XXXXXX

// The file a data file's path leads to: the end of its chain of symbolic links, if any.
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

std::string TempPrefix(const fs::path& file) {
  return "." + Utf8FromPath(file.filename()) + kSavingMark;
}

// Permission bits with no write bit at all: what `chmod a-w` leaves, and what the game reads as
// the player's wish that the file stay as it is.
bool ReadOnly(unsigned mode) {
  return (mode & 0222u) == 0;
}

}  // namespace

Phrase DescribeFileError(int error, bool writing) {
  switch (error) {
    case EACCES:
    case EPERM:
      return writing ? text::reason::kWriteDenied : text::reason::kReadDenied;
    case EROFS:
      return text::reason::kReadOnlyPlace;
    case ENOSPC:
#ifdef EDQUOT  // a quota: POSIX systems only
    case EDQUOT:
#endif
      return text::reason::kDiskFull;
    case ENOENT:
      return text::reason::kNoFolder;
    case EIO:
      return text::reason::kDiskError;
    case EBUSY:
      return text::reason::kFileInUse;
    default:
      return {std::strerror(error), std::strerror(error)};
  }
}

FileReadResult DiskFileStore::Read(const std::string& utf8Path) {
  FileReadResult result;
  const fs::path path = PathFromUtf8(utf8Path);
  std::error_code code;
  if (!fs::exists(path, code)) {
    result.status = code ? FileReadResult::Status::kUnreadable : FileReadResult::Status::kMissing;
    if (code) result.reason = DescribeFileError(code.value(), false);
    return result;
  }
  if (fs::is_directory(path, code)) {
    result.status = FileReadResult::Status::kUnreadable;
    result.reason = text::reason::kFolderNotFile;
    return result;
  }
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    result.status = FileReadResult::Status::kUnreadable;
    result.reason = DescribeFileError(errno != 0 ? errno : EACCES, false);
    return result;
  }
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) {
    result.status = FileReadResult::Status::kUnreadable;
    result.reason = DescribeFileError(EIO, false);
    return result;
  }
  result.status = FileReadResult::Status::kRead;
  result.contents = std::move(text).str();
  return result;
}

FileWriteResult DiskFileStore::Abandon(FileOps::Handle file, const std::string& tempPath,
                                       int error) {
  if (file != FileOps::kNoFile) ops_.Close(file);
  ops_.Unlink(tempPath);
  return FileWriteResult::Failed(DescribeFileError(error, true));
}

FileWriteResult DiskFileStore::Replace(const std::string& path, const std::string& contents) {
  const fs::path target = FileBehindLinks(path);
  const std::string targetPath = Utf8FromPath(target);
  const std::optional<unsigned> mode = ops_.Mode(targetPath);
  if (mode && ReadOnly(*mode)) {
    return FileWriteResult::Failed(text::reason::kReadOnlyFile);
  }
  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  // Same folder as the target, so the rename never crosses file systems; a hidden name, so
  // the one a crash may leave behind does not clutter the game's folder.
  std::string tempPath = Utf8FromPath(folder / PathFromUtf8(TempPrefix(target) + "XXXXXX"));
  const FileOps::Handle file = ops_.MakeTemp(tempPath, mode);
  if (file == FileOps::kNoFile) return FileWriteResult::Failed(DescribeFileError(errno, true));

  std::size_t written = 0;
  while (written < contents.size()) {
    const long long n = ops_.Write(file, contents.data() + written, contents.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return Abandon(file, tempPath, n < 0 ? errno : ENOSPC);
    written += static_cast<std::size_t>(n);
  }
  if (ops_.Sync(file) != 0) return Abandon(file, tempPath, errno);
  if (ops_.Close(file) != 0) return Abandon(FileOps::kNoFile, tempPath, errno);
  if (ops_.Rename(tempPath, targetPath) != 0) {
    return Abandon(FileOps::kNoFile, tempPath, errno);
  }
  ops_.SyncFolder(Utf8FromPath(folder));
  return FileWriteResult::Written();
}

void DiskFileStore::RemoveSaveLeftovers(const std::string& path) {
  const fs::path target = FileBehindLinks(path);
  const fs::path folder = target.parent_path().empty() ? fs::path(".") : target.parent_path();
  const std::string prefix = TempPrefix(target);
  std::error_code code;
  fs::directory_iterator entry(folder, code);
  for (; !code && entry != fs::directory_iterator(); entry.increment(code)) {
    const std::string name = Utf8FromPath(entry->path().filename());
    if (name.size() == prefix.size() + kUniqueLetters &&
        name.compare(0, prefix.size(), prefix) == 0 && entry->is_regular_file(code)) {
      ops_.Unlink(Utf8FromPath(entry->path()));
    }
  }
}

}  // namespace kelvora
