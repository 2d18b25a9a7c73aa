// Where caches go on Windows: the environment decides, in order, and a user folder
// named in any script comes through whole.
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

}  // namespace
}  // namespace kelvora::testing
