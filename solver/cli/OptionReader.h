// Reads a command's --name value options (also --name=value) and its plain arguments, with CLI11.
#pragma once

#include <map>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace kelvora::stages {

// The commands ask for their options by name, and this turns CLI11's parse into their answers
// and its errors into the tool's own one-line words.
class OptionReader {
 public:
  // known: the option names (without dashes) the command takes, each with a value. Given twice,
  // the last value counts.
  OptionReader(const std::vector<std::string>& args, const std::set<std::string>& known);

  // Empty when every argument made sense.
  const std::string& Problem() const { return problem_; }
  const std::vector<std::string>& Plain() const { return plain_; }
  std::optional<std::string> Value(const std::string& name) const;
  // A whole number within [low, high]; sets Problem() when it is not one.
  std::optional<long long> Number(const std::string& name, long long low, long long high);

 private:
  std::map<std::string, std::string> values_;
  std::vector<std::string> plain_;
  std::string problem_;
};

}  // namespace kelvora::stages
