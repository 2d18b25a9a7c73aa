// The program's folder on Linux: where /proc/self/exe points.
#include <filesystem>

#include "records/ProgramFolder.h"
#include "text/Utf8Path.h"

namespace kelvora {

char FolderSeparator() {
  return '/';
}

std::string ProgramFolder() {
  std::error_code code;
  const std::filesystem::path program = std::filesystem::read_symlink("/proc/self/exe", code);
  if (code) return {};
  return Utf8FromPath(program.parent_path());
}

}  // namespace kelvora
