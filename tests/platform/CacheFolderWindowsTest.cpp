// Where caches and a player's own records go on Windows: the environment decides, in order, and
// a user folder named in any script comes through whole.
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
  const SavedEnvironment local("LOCALAPPDATA");
  SetEnvironment("KELVORA_CACHE_DIR", "D:\\キャッシュ");
  SetEnvironment("LOCALAPPDATA", "C:\\Users\\山田\\AppData\\Local");
  EXPECT_EQ(CacheFolder(), "D:\\キャッシュ");
  UnsetEnvironment("KELVORA_CACHE_DIR");
  EXPECT_EQ(CacheFolder(), "C:\\Users\\山田\\AppData\\Local\\kelvora");
  UnsetEnvironment("LOCALAPPDATA");
  EXPECT_EQ(CacheFolder(), "");
}

TEST(PlayerDataFolder, RoamingApplicationData) {
  const SavedEnvironment roaming("APPDATA");
  platform::System& system = platform::System::Default();
  SetEnvironment("APPDATA", "C:\\Users\\山田\\AppData\\Roaming");
  EXPECT_EQ(system.PlayerDataFolder(), "C:\\Users\\山田\\AppData\\Roaming\\KELVORA");
  UnsetEnvironment("APPDATA");
  EXPECT_EQ(system.PlayerDataFolder(), "");
}

}  // namespace
}  // namespace kelvora::testing
