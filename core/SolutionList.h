// The list of proving solutions that goes beside a stage file, read and written in one place: a
// line a stage, in stage order, its par, a blank, and a solution that many moves long.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/Status.h"

namespace kelvora {

struct StageSolution {
  int par = 0;
  // The move letters, oldest first.
  std::string letters;
  bool operator==(const StageSolution&) const = default;
};

// Lines may end in LF or CR LF. kDamaged names the first line that is not a par with that many
// letters after it; the letters are not replayed here.
Result<std::vector<StageSolution>> ReadSolutionList(std::string_view text);

// One line each, LF-ended: the solution's length is its par.
std::string SolutionListText(const std::vector<std::string>& solutions);

}  // namespace kelvora
