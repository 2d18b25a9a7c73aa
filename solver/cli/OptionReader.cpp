// The first problem found is the one reported: one line is all a command prints for bad usage.
#include "solver/cli/OptionReader.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <charconv>

#include "text/ToolText.h"

namespace kelvora::stages {

namespace {

// The option an argument names, without dashes or value: "--seed=-1" names "seed".
std::string OptionNamed(const std::string& argument) {
  const std::string name = argument.substr(argument.find_first_not_of('-'));
  return name.substr(0, name.find('='));
}

}  // namespace

OptionReader::OptionReader(const std::vector<std::string>& args,
                           const std::set<std::string>& known) {
  CLI::App parser;
  // Help is the tool's to answer, in its own words, before a command parses anything.
  parser.set_help_flag();
  std::map<std::string, CLI::Option*> options;
  for (const std::string& name : known) {
    options[name] =
        parser.add_option("--" + name)->multi_option_policy(CLI::MultiOptionPolicy::TakeLast);
  }
  // Every plain argument, in order; "--" ends the options as usual.
  std::vector<std::string> plainValues;
  CLI::Option* plain = parser.add_option("plain", plainValues);
  // CLI11 takes its arguments last first.
  std::vector<std::string> reversed(args.rbegin(), args.rend());
  try {
    parser.parse(reversed);
  } catch (const CLI::ExtrasError&) {
    const auto unknown = std::find_if(args.begin(), args.end(), [&](const std::string& arg) {
      return arg.size() > 1 && arg[0] == '-' && known.count(OptionNamed(arg)) == 0;
    });
    problem_ = text::stages::UnknownOption(unknown != args.end() ? OptionNamed(*unknown) : "");
    return;
  } catch (const CLI::ParseError& error) {
    const auto missing = std::find_if(known.begin(), known.end(), [&](const std::string& name) {
      return std::string(error.what()).rfind("--" + name + ":", 0) == 0;
    });
    problem_ = missing != known.end() ? text::stages::OptionNeedsValue(*missing) : error.what();
    return;
  }
  for (const auto& [name, option] : options) {
    if (option->count() > 0) values_[name] = option->results().back();
  }
  plain_ = plain->results();
  // CLI11 reads a lone empty argument as no value at all; it still counts it.
  plain_.resize(std::max(plain_.size(), plain->count()));
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
  // Decimal only: CLI11's own conversion would read 010 as eight and take 0x10.
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
