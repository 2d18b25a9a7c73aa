// The par and an optimal solution of each stage first delivered, read from the list the stage
// generator wrote beside the stage file, by the reader the game and the tools use.
#pragma once

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>
#include <vector>

#include "core/SolutionList.h"

namespace kelvora::testing {

using DeliveredSolution = StageSolution;

// Empty, and the test failed, when the list cannot be read.
inline std::vector<DeliveredSolution> DeliveredSolutions() {
  std::ifstream in(KELVORA_DELIVERED_SOLUTIONS, std::ios::binary);
  std::ostringstream text;
  text << in.rdbuf();
  const Result<std::vector<StageSolution>> solutions = ReadSolutionList(text.str());
  if (!solutions) {
    ADD_FAILURE() << KELVORA_DELIVERED_SOLUTIONS << ": " << solutions.status().English();
    return {};
  }
  return *solutions;
}

}  // namespace kelvora::testing
