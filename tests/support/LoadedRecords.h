// The records a load of sound files returns, for tests that build on them: a failed load fails
// the test with the line the tools would print, instead of ending it with an exception.
#pragma once

#include <gtest/gtest.h>

#include <utility>

#include "records/RecordFiles.h"

namespace kelvora::testing {

inline Records LoadedRecords(const RecordFiles& files) {
  Result<Records> loaded = files.Load();
  if (!loaded) {
    ADD_FAILURE() << "the records did not load: " << loaded.status().English();
    return {};
  }
  return std::move(*loaded);
}

}  // namespace kelvora::testing
