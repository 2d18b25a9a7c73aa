// Where the tables are cached on Windows: the environment decides, in order, and a user folder
// named in any script comes through whole.
#include <gtest/gtest.h>

#include <optional>

#include "solver/TableCache.h"
#include "tests/support/ChildProcess.h"

namespace kelvora::testing {
namespace {

using solver::TableCache;

TEST(TableCacheFolder, EnvironmentDecidesInOrder) {
  const auto cache = Environment("KELVORA_CACHE_DIR");
  const auto local = Environment("LOCALAPPDATA");
  SetEnvironment("KELVORA_CACHE_DIR", "D:\\キャッシュ");
  SetEnvironment("LOCALAPPDATA", "C:\\Users\\山田\\AppData\\Local");
  EXPECT_EQ(TableCache::DefaultFolder(), "D:\\キャッシュ");
  UnsetEnvironment("KELVORA_CACHE_DIR");
  EXPECT_EQ(TableCache::DefaultFolder(), "C:\\Users\\山田\\AppData\\Local\\kelvora");
  UnsetEnvironment("LOCALAPPDATA");
  EXPECT_EQ(TableCache::DefaultFolder(), "");
  const auto restore = [](const char* name, const std::optional<std::string>& value) {
    if (value) {
      SetEnvironment(name, *value);
    } else {
      UnsetEnvironment(name);
    }
  };
  restore("KELVORA_CACHE_DIR", cache);
  restore("LOCALAPPDATA", local);
}

}  // namespace
}  // namespace kelvora::testing
