// Every value is checked on its own first, then the whole set against the goal's tiles.
#include "solver/cli/CodesArgument.h"

#include <array>
#include <charconv>
#include <utility>
#include <vector>

#include "text/ToolText.h"

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

Status Invalid(std::string why) {
  return Status::Failed(Status::Code::kInvalid, text::ToolReason(std::move(why)));
}

std::string Trimmed(const std::string& text) {
  const std::size_t first = text.find_first_not_of(" \t");
  if (first == std::string::npos) return {};
  return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

}  // namespace

Result<solver::PackedPosition> ReadCodes(const std::string& text) {
  const std::vector<std::string> parts = SplitOnCommas(text);
  if (parts.size() != kCellCount) {
    return Invalid(text::stages::WrongValueCount(static_cast<long long>(parts.size())));
  }
  std::array<int, kCellCount> codes{};
  for (std::size_t i = 0; i < parts.size(); ++i) {
    const std::string value = Trimmed(parts[i]);
    const char* end = value.data() + value.size();
    const auto [stop, error] = std::from_chars(value.data(), end, codes[i]);
    if (value.empty() || error != std::errc() || stop != end) {
      return Invalid(text::stages::NotANumber(static_cast<long long>(i + 1), value));
    }
  }
  if (Status check = solver::PackedPosition::CheckCodes(codes); !check) return check;
  return solver::PackedPosition::From(Position::FromCodes(codes));
}

}  // namespace kelvora::stages
