#include "net/partial_file.h"

#include "base/text.h"

namespace vantor {

std::string PartialFileName(std::string_view target, int32_t total, uint32_t lastModified) {
  const auto sum = static_cast<int32_t>(static_cast<uint32_t>(total) + lastModified);
  return std::string(target) + "." + std::to_string(sum);
}

bool IsPartialFileOf(std::string_view targetName, std::string_view name) {
  if (targetName.empty() || name.size() <= targetName.size() + 1) return false;
  if (!StartsWith(targetName, name, true) || name[targetName.size()] != '.') return false;
  std::string_view number = name.substr(targetName.size() + 1);
  const bool negative = number.front() == '-';
  if (negative) number.remove_prefix(1);
  if (number.empty() || number.size() > 10) return false;
  int64_t value = 0;
  for (const char c : number) {
    if (c < '0' || c > '9') return false;
    value = value * 10 + (c - '0');
  }
  return negative ? value <= 2147483648LL : value <= 2147483647LL;
}

}  // namespace vantor
