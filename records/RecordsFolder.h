// Where the player's records live: beside the program in a folder of the player's own, else in
// the player's data folder, which the first start fills with the data files first delivered.
#pragma once

#include <string>

#include "core/Status.h"
#include "platform/System.h"

namespace kelvora {

// Where the package puts the data files first delivered, from the folder of its programs
// (/usr/games to /usr/share/games/kelvora).
inline constexpr const char* kInstalledDataFromProgram = "../share/games/kelvora";

class RecordsFolder {
 public:
  // Chooses the folder and writes nothing. A program whose delivered files were installed apart
  // from it (a package) keeps its records in the player's data folder, even for root; so does
  // one in a folder this user cannot write to (Program Files). Any other keeps them beside it,
  // as the portable game folder always has.
  explicit RecordsFolder(platform::System& system = platform::System::Default());

  // Where the records are read and written, without a trailing separator.
  const std::string& Path() const { return path_; }
  // Whether that is the player's data folder rather than the program's.
  bool InPlayerData() const { return !deliveredFrom_.empty(); }

  // Makes the player's data folder and fills it with the delivered files while it holds no
  // stage file: the first start, or one that an earlier start left half done. After that it is
  // never written here again, so records a player moved away stay away. Each file is copied
  // crash-safe, the stage file last. Fails naming the file that could not be copied.
  Status Prepare();

 private:
  platform::System& system_;
  std::string path_;
  std::string deliveredFrom_;  // empty when the records stay beside the program
};

}  // namespace kelvora
