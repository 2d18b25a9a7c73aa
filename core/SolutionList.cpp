// Line by line, so that a damaged list is named by the line a person would look at.
#include "core/SolutionList.h"

#include <charconv>
#include <utility>

#include "text/ToolText.h"

namespace kelvora {

namespace {

Status Damaged(std::string why) {
  return Status::Failed(Status::Code::kDamaged, text::ToolReason(std::move(why)));
}

}  // namespace

Result<std::vector<StageSolution>> ReadSolutionList(std::string_view text) {
  std::vector<StageSolution> solutions;
  long long number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);

    StageSolution solution;
    const char* last = line.data() + line.size();
    const auto [stop, error] = std::from_chars(line.data(), last, solution.par);
    if (error != std::errc() || stop == line.data() || stop == last || *stop != ' ' ||
        solution.par < 0) {
      return Damaged(text::solutions::NotASolutionLine(number));
    }
    solution.letters.assign(stop + 1, last);
    if (static_cast<long long>(solution.letters.size()) != solution.par) {
      return Damaged(text::solutions::WrongSolutionLength(
          number, solution.par, static_cast<long long>(solution.letters.size())));
    }
    solutions.push_back(std::move(solution));
  }
  return solutions;
}

std::string SolutionListText(const std::vector<std::string>& solutions) {
  std::string text;
  for (const std::string& solution : solutions) {
    text += std::to_string(solution.size()) + " " + solution + "\n";
  }
  return text;
}

}  // namespace kelvora
