// Reading and crash-safe replacing of data files.
#include "modes/DiskFileStore.h"

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace kelvora {

std::string DescribeFileError(int error) {
  switch (error) {
    case EACCES:
    case EPERM:
      return "書き込みが許可されていません";
    case EROFS:
      return "読み取り専用の場所です";
    case ENOSPC:
    case EDQUOT:
      return "ディスクの空き容量が足りません";
    case ENOENT:
      return "フォルダーが見つかりません";
    case EIO:
      return "ディスクの読み書きでエラーが起きました";
    default:
      return std::strerror(error);
  }
}

FileReadResult DiskFileStore::Read(const std::string& path) {
  FileReadResult result;
  std::error_code code;
  if (!std::filesystem::exists(path, code)) {
    result.status = code ? FileReadResult::Status::kUnreadable : FileReadResult::Status::kMissing;
    result.reason = code ? DescribeFileError(code.value()) : std::string();
    return result;
  }
  if (std::filesystem::is_directory(path, code)) {
    result.status = FileReadResult::Status::kUnreadable;
    result.reason = "ファイルではなくフォルダーです";
    return result;
  }
  errno = 0;
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    result.status = FileReadResult::Status::kUnreadable;
    result.reason = DescribeFileError(errno != 0 ? errno : EACCES);
    return result;
  }
  std::ostringstream text;
  text << in.rdbuf();
  if (in.bad()) {
    result.status = FileReadResult::Status::kUnreadable;
    result.reason = DescribeFileError(EIO);
    return result;
  }
  result.status = FileReadResult::Status::kRead;
  result.contents = std::move(text).str();
  return result;
}

std::string DiskFileStore::Abandon(int fd, const std::string& tempPath, int error) {
  if (fd >= 0) ops_.Close(fd);
  ops_.Unlink(tempPath);
  return DescribeFileError(error);
}

std::string DiskFileStore::Replace(const std::string& path, const std::string& contents) {
  const std::filesystem::path target(path);
  const std::string folder = target.parent_path().empty() ? "." : target.parent_path().string();
  // Same folder as the target, so the rename never crosses file systems; a hidden name, so
  // the one a crash may leave behind does not clutter the game's folder.
  std::string tempName = target.filename().string();
  tempName.insert(tempName.begin(), '.');
  tempName += ".saving-XXXXXX";
  std::string tempPath = (std::filesystem::path(folder) / tempName).string();
  int fd = ops_.MakeTemp(tempPath);
  if (fd < 0) return DescribeFileError(errno);

  std::size_t written = 0;
  while (written < contents.size()) {
    ssize_t n = ops_.Write(fd, contents.data() + written, contents.size() - written);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return Abandon(fd, tempPath, n < 0 ? errno : ENOSPC);
    written += static_cast<std::size_t>(n);
  }
  if (ops_.Sync(fd) != 0) return Abandon(fd, tempPath, errno);
  const int closeResult = ops_.Close(fd);
  if (closeResult != 0) return Abandon(-1, tempPath, errno);
  if (ops_.Rename(tempPath, path) != 0) return Abandon(-1, tempPath, errno);
  ops_.SyncFolder(folder);
  return {};
}

}  // namespace kelvora
