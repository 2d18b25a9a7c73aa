// Where the tables are cached on POSIX systems: the environment decides, in order.
#include <gtest/gtest.h>

#include <optional>

#include "solver/TableCache.h"
#include "tests/support/ChildProcess.h"

namespace kelvora::testing {
namespace {

using solver::TableCache;

TEST(TableCacheFolder, EnvironmentDecidesInOrder) {
  const auto cache = Environment("KELVORA_CACHE_DIR");
  const auto xdg = Environment("XDG_CACHE_HOME");
  const auto home = Environment("HOME");
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
  const auto restore = [](const char* name, const std::optional<std::string>& value) {
    if (value) {
      SetEnvironment(name, *value);
    } else {
      UnsetEnvironment(name);
    }
  };
  restore("KELVORA_CACHE_DIR", cache);
  restore("XDG_CACHE_HOME", xdg);
  restore("HOME", home);
}

}  // namespace
}  // namespace kelvora::testing
