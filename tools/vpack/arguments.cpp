#include "tools/vpack/arguments.h"

#include "base/text.h"

namespace vantor::vpack {

std::optional<std::string> TakeArgument(Arguments& args) {
  if (args.next >= args.items.size()) return std::nullopt;
  return args.items[args.next++];
}

std::optional<std::string> TakeValue(Arguments& args, std::string& option) {
  const std::size_t equals = option.find('=');
  if (equals != std::string::npos) {
    std::string value = option.substr(equals + 1);
    option.erase(equals);
    return value;
  }
  return TakeArgument(args);
}

std::optional<int64_t> ParseBounded(const std::string& text, int64_t min, int64_t max) {
  int64_t value = 0;
  if (!TryParseInt64(text, value) || value < min || value > max) return std::nullopt;
  return value;
}

}  // namespace vantor::vpack
