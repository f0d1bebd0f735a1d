// The command-line arguments of one vpack command, taken from left to right.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace vantor::vpack {

struct Arguments {
  std::vector<std::string> items;
  std::size_t next = 0;
};

// The next argument, if any.
std::optional<std::string> TakeArgument(Arguments& args);
// An option's value: the text after "=" in "--name=value", else the following
// argument; option keeps only its name. Nothing when the value is missing.
std::optional<std::string> TakeValue(Arguments& args, std::string& option);
// A whole number within min..max (decimal, or hex after "0x" or "$").
std::optional<int64_t> ParseBounded(const std::string& text, int64_t min, int64_t max);

}  // namespace vantor::vpack
