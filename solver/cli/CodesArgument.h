// Reads a position given on the command line: 16 comma-separated tile codes in stage-file order.
#pragma once

#include <optional>
#include <string>

#include "solver/PackedPosition.h"

namespace kelvora::stages {

struct CodesReading {
  std::optional<solver::PackedPosition> position;
  // What is wrong, in one line; empty when position is set.
  std::string problem;
};

CodesReading ReadCodes(const std::string& text);

}  // namespace kelvora::stages
