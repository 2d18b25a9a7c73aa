// Where the tables are cached on Windows: the environment decides, in order, and a user folder
// named in any script comes through whole.
#include <gtest/gtest.h>

#include "solver/TableCache.h"
#include "tests/support/ChildProcess.h"

namespace kelvora::testing {
namespace {

using solver::TableCache;

TEST(TableCacheFolder, EnvironmentDecidesInOrder) {
  const SavedEnvironment cache("KELVORA_CACHE_DIR");
  const SavedEnvironment local("LOCALAPPDATA");
  SetEnvironment("KELVORA_CACHE_DIR", "D:\\キャッシュ");
  SetEnvironment("LOCALAPPDATA", "C:\\Users\\山田\\AppData\\Local");
  EXPECT_EQ(TableCache::DefaultFolder(), "D:\\キャッシュ");
  UnsetEnvironment("KELVORA_CACHE_DIR");
  EXPECT_EQ(TableCache::DefaultFolder(), "C:\\Users\\山田\\AppData\\Local\\kelvora");
  UnsetEnvironment("LOCALAPPDATA");
  EXPECT_EQ(TableCache::DefaultFolder(), "");
}

}  // namespace
}  // namespace kelvora::testing
