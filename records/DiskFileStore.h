// The data files on disk. A save writes a temporary file beside the old one, flushes it to the
// disk and renames it over the old file, so a crash or a full disk at any moment leaves either
// the whole old file or the whole new one.
#pragma once

#include "records/FileOps.h"
#include "records/FileStore.h"

namespace kelvora {

class DiskFileStore : public FileStore {
 public:
  DiskFileStore() : ops_(system_) {}
  explicit DiskFileStore(FileOps& ops) : ops_(ops) {}

  FileReadResult Read(const std::string& path) override;
  // Where the data file is a symbolic link, the link stays and the file it names is replaced;
  // the new file keeps the old one's permission bits.
  FileWriteResult Replace(const std::string& path, const std::string& contents) override;
  void RemoveSaveLeftovers(const std::string& path) override;

 private:
  // Cleans up the temporary file and words the failure of the step that broke.
  FileWriteResult Abandon(FileOps::Handle file, const std::string& tempPath, int error);

  SystemFileOps system_;
  FileOps& ops_;
};

// The reason for a failed file operation, in words for the player and for the tools.
Phrase DescribeFileError(int error, bool writing);

}  // namespace kelvora
