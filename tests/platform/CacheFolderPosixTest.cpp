// Where caches go on POSIX systems: the environment decides, in order.
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

}  // namespace
}  // namespace kelvora::testing
