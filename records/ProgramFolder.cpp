// The trailing-separator rule for the program's folder.
#include "records/ProgramFolder.h"

#include <filesystem>

namespace kelvora {

char FolderSeparator() {
  return static_cast<char>(std::filesystem::path::preferred_separator);
}

std::string FolderWithSeparator(const std::string& folder, char separator) {
  if (!folder.empty() && folder.back() == separator) return folder;
  return folder + separator;
}

}  // namespace kelvora
