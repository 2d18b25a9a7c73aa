// The game's records folder for the tool, chosen as the game chooses it.
#include "solver/cli/RecordsFolderArgument.h"

#include "records/RecordsFolder.h"
#include "text/ToolText.h"

namespace kelvora::stages {

std::string RecordsFolderArgument(const std::vector<std::string>& named, const std::string& command,
                                  std::ostream& err) {
  if (!named.empty()) return named.front();
  // Chosen only: the tool writes nothing, so a first start's copies are the game's to make.
  const RecordsFolder records;
  err << text::stages::ToolSays(command, text::stages::UsingRecordsIn(records.Path()));
  return records.Path();
}

}  // namespace kelvora::stages
