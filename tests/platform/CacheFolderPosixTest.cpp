// Where caches and a player's own records go on POSIX systems: the environment decides, in order.
#include <gtest/gtest.h>

#include "platform/System.h"
#include "tests/support/ChildProcess.h"

namespace kelvora::testing {
namespace {

std::string CacheFolder() {
  return platform::System::Default().CacheFolder();
}

TEST(CacheFolder, EnvironmentDecidesInOrder) {
  const SavedEnvironment cache("KELVORA_CACHE_DIR");
  const SavedEnvironment xdg("XDG_CACHE_HOME");
  const SavedEnvironment home("HOME");
  SetEnvironment("KELVORA_CACHE_DIR", "/k");
  SetEnvironment("XDG_CACHE_HOME", "/x");
  SetEnvironment("HOME", "/h");
  EXPECT_EQ(CacheFolder(), "/k");
  UnsetEnvironment("KELVORA_CACHE_DIR");
  EXPECT_EQ(CacheFolder(), "/x/kelvora");
  SetEnvironment("XDG_CACHE_HOME", "");
  EXPECT_EQ(CacheFolder(), "/h/.cache/kelvora");
  UnsetEnvironment("HOME");
  UnsetEnvironment("XDG_CACHE_HOME");
  EXPECT_EQ(CacheFolder(), "");
}

TEST(PlayerDataFolder, EnvironmentDecidesInOrder) {
  const SavedEnvironment xdg("XDG_DATA_HOME");
  const SavedEnvironment home("HOME");
  SetEnvironment("XDG_DATA_HOME", "/x");
  SetEnvironment("HOME", "/h");
  platform::System& system = platform::System::Default();
  EXPECT_EQ(system.PlayerDataFolder(), "/x/kelvora");
  SetEnvironment("XDG_DATA_HOME", "");
  EXPECT_EQ(system.PlayerDataFolder(), "/h/.local/share/kelvora");
  UnsetEnvironment("HOME");
  EXPECT_EQ(system.PlayerDataFolder(), "");
}

}  // namespace
}  // namespace kelvora::testing
