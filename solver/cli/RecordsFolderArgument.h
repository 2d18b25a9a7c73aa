// The records folder check and report read: the one named, else the one the game itself uses.
#pragma once

#include <ostream>
#include <string>
#include <vector>

namespace kelvora::stages {

// `named`: the command's plain arguments, none or one. Without one, says on `err` which folder
// the game's records were taken from, so a player knows whose records they see.
std::string RecordsFolderArgument(const std::vector<std::string>& named, const std::string& command,
                                  std::ostream& err);

}  // namespace kelvora::stages
