// The first problem found is the one reported: one line is all a command prints for bad usage.
#include "solver/cli/OptionReader.h"

#include <charconv>

#include "text/ToolText.h"

namespace kelvora::stages {

OptionReader::OptionReader(const std::vector<std::string>& args,
                           const std::set<std::string>& known) {
  for (std::size_t i = 0; i < args.size() && problem_.empty(); ++i) {
    const std::string& arg = args[i];
    if (arg.rfind("--", 0) != 0) {
      plain_.push_back(arg);
      continue;
    }
    std::string name = arg.substr(2);
    std::optional<std::string> value;
    if (const std::size_t equals = name.find('='); equals != std::string::npos) {
      value = name.substr(equals + 1);
      name.resize(equals);
    }
    if (known.count(name) == 0) {
      problem_ = text::stages::UnknownOption(name);
    } else if (value) {
      values_[name] = *value;
    } else if (i + 1 < args.size()) {
      values_[name] = args[++i];
    } else {
      problem_ = text::stages::OptionNeedsValue(name);
    }
  }
}

std::optional<std::string> OptionReader::Value(const std::string& name) const {
  const auto found = values_.find(name);
  if (found == values_.end()) return std::nullopt;
  return found->second;
}

std::optional<long long> OptionReader::Number(const std::string& name, long long low,
                                              long long high) {
  const std::optional<std::string> text = Value(name);
  if (!text) return std::nullopt;
  long long number = 0;
  const char* end = text->data() + text->size();
  const auto [stop, error] = std::from_chars(text->data(), end, number);
  if (text->empty() || error != std::errc() || stop != end || number < low || number > high) {
    if (problem_.empty()) {
      problem_ = text::stages::NotAWholeNumber(name, low, high, *text);
    }
    return std::nullopt;
  }
  return number;
}

}  // namespace kelvora::stages
