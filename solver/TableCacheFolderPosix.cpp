// Where the tables are cached on POSIX systems: the user's cache folder of the XDG convention.
#include <cstdlib>

#include "solver/TableCache.h"

namespace kelvora::solver {

namespace {

std::string Variable(const char* name) {
  const char* value = std::getenv(name);
  return value == nullptr ? std::string() : std::string(value);
}

}  // namespace

std::string TableCache::DefaultFolder() {
  if (std::string folder = Variable("KELVORA_CACHE_DIR"); !folder.empty()) return folder;
  if (std::string xdg = Variable("XDG_CACHE_HOME"); !xdg.empty()) return xdg + "/kelvora";
  if (std::string home = Variable("HOME"); !home.empty()) return home + "/.cache/kelvora";
  return {};
}

}  // namespace kelvora::solver
