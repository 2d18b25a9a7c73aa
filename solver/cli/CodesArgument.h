// Reads a position given on the command line: 16 comma-separated tile codes in stage-file order.
#pragma once

#include <string>

#include "core/Status.h"
#include "solver/PackedPosition.h"

namespace kelvora::stages {

// The position, or kInvalid with what is wrong in one line.
Result<solver::PackedPosition> ReadCodes(const std::string& text);

}  // namespace kelvora::stages
