// Where the tables are cached on POSIX systems: the environment decides, in order.
#include <gtest/gtest.h>

#include "solver/TableCache.h"
#include "tests/support/ChildProcess.h"

namespace kelvora::testing {
namespace {

using solver::TableCache;

TEST(TableCacheFolder, EnvironmentDecidesInOrder) {
  const SavedEnvironment cache("KELVORA_CACHE_DIR");
  const SavedEnvironment xdg("XDG_CACHE_HOME");
  const SavedEnvironment home("HOME");
  SetEnvironment("KELVORA_CACHE_DIR", "/k");
  SetEnvironment("XDG_CACHE_HOME", "/x");
  SetEnvironment("HOME", "/h");
  EXPECT_EQ(TableCache::DefaultFolder(), "/k");
  UnsetEnvironment("KELVORA_CACHE_DIR");
  EXPECT_EQ(TableCache::DefaultFolder(), "/x/kelvora");
  SetEnvironment("XDG_CACHE_HOME", "");
  EXPECT_EQ(TableCache::DefaultFolder(), "/h/.cache/kelvora");
  UnsetEnvironment("HOME");
  UnsetEnvironment("XDG_CACHE_HOME");
  EXPECT_EQ(TableCache::DefaultFolder(), "");
}

}  // namespace
}  // namespace kelvora::testing
