// The par and an optimal solution of each stage first delivered, as the stage generator listed
// them: one line a stage, the par, a blank, the move letters.
#pragma once

#include <fstream>
#include <string>
#include <vector>

namespace kelvora::testing {

struct DeliveredSolution {
  int par = 0;
  std::string letters;
};

inline std::vector<DeliveredSolution> DeliveredSolutions() {
  std::vector<DeliveredSolution> solutions;
  std::ifstream in(KELVORA_DELIVERED_SOLUTIONS);
  DeliveredSolution solution;
  while (in >> solution.par >> solution.letters) solutions.push_back(solution);
  return solutions;
}

}  // namespace kelvora::testing
