// The trailing-separator rule for the program's folder.
#include "records/ProgramFolder.h"

namespace kelvora {

std::string FolderWithSeparator(const std::string& folder, char separator) {
  if (!folder.empty() && folder.back() == separator) return folder;
  return folder + separator;
}

}  // namespace kelvora
