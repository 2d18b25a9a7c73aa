// Counting in words.
#include "text/ToolText.h"

namespace kelvora::text {

std::string CountOf(long long count, const char* one, const char* many) {
  return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace kelvora::text
