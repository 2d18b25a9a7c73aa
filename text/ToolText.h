// The texts of the command-line tools, in English.
#pragma once

#include <string>

namespace kelvora::text {

// "1 move", "0 moves", "3 archived random stages": a number with its noun in the right form.
std::string CountOf(long long count, const char* one, const char* many);

}  // namespace kelvora::text
