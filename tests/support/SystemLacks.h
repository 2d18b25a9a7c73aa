// What the system the suites run on cannot do, decided here once: a test that needs it skips,
// saying why, instead of keeping an #ifdef of its own.
#pragma once

#include <gtest/gtest.h>

namespace kelvora::testing::lacks {

#ifdef __EMSCRIPTEN__
// Under node each suite is one WebAssembly module, which can start no other process.
inline constexpr const char* kChildProcesses =
    "a WebAssembly test program under node starts no other process";
// Emscripten's utimensat sets no time as given: a file set an hour back reads as 2038 after it.
// The game only reads files' times.
inline constexpr const char* kSettingFileTimes =
    "Emscripten's utimensat sets a file's time wrongly";
// Built without threads, as the page is (threads would need it served with cross-origin
// isolation): std::thread cannot start.
inline constexpr const char* kThreads = "a WebAssembly test program under node starts no thread";
#else
inline constexpr const char* kChildProcesses = nullptr;
inline constexpr const char* kSettingFileTimes = nullptr;
inline constexpr const char* kThreads = nullptr;
#endif

}  // namespace kelvora::testing::lacks

// Skips the rest of the test where the system lacks `what` (one of kelvora::testing::lacks).
#define KELVORA_SKIP_WHERE_SYSTEM_LACKS(what)                                 \
  if (const char* kelvoraLack = ::kelvora::testing::lacks::what; kelvoraLack) \
  GTEST_SKIP() << kelvoraLack
