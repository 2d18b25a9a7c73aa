// Where the tables are cached on Windows: the user's local application data. The variables are
// read in wide characters, so a user folder with any name (C:\Users\山田) comes out whole.
#include <cstdlib>
#include <filesystem>

#include "solver/TableCache.h"
#include "text/Utf8Path.h"

namespace kelvora::solver {

namespace {

std::string Variable(const wchar_t* name) {
  const wchar_t* value = _wgetenv(name);
  return value == nullptr ? std::string() : Utf8FromPath(std::filesystem::path(value));
}

}  // namespace

std::string TableCache::DefaultFolder() {
  if (std::string folder = Variable(L"KELVORA_CACHE_DIR"); !folder.empty()) return folder;
  if (std::string local = Variable(L"LOCALAPPDATA"); !local.empty()) return local + "\\kelvora";
  return {};
}

}  // namespace kelvora::solver
