// Every value is checked on its own first, then the whole set against the goal's tiles.
#include "solver/cli/CodesArgument.h"

#include <array>
#include <charconv>
#include <vector>

namespace kelvora::stages {

namespace {

std::vector<std::string> SplitOnCommas(const std::string& text) {
  std::vector<std::string> parts;
  std::size_t start = 0;
  for (;;) {
    const std::size_t comma = text.find(',', start);
    parts.push_back(text.substr(start, comma - start));
    if (comma == std::string::npos) return parts;
    start = comma + 1;
  }
}

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

CodesReading ReadCodes(const std::string& text) {
  const std::vector<std::string> parts = SplitOnCommas(text);
  if (parts.size() != solver::kCellCount) {
    return {std::nullopt, "expected 16 comma-separated tile codes, got " +
                              std::to_string(parts.size()) + " values"};
  }
  std::array<int, solver::kCellCount> codes{};
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::string value = Trimmed(parts[i]);
    const char* end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, codes[i]);
    if (value.empty() || error != std::errc() || stop != end) {
      return {std::nullopt,
              "value " + std::to_string(i + 1) + " ('" + value + "') is not a number"};
    }
  }
  if (auto problem = solver::Position::ProblemWithCodes(codes)) return {std::nullopt, *problem};
  return {solver::Position::FromCodes(codes), {}};
}

}  // namespace kelvora::stages
