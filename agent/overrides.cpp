#include "agent/overrides.h"

#include "base/text.h"

namespace vantor {

void SetOverride(Overrides& overrides, int number, int64_t value) {
  if (number < 1 || number > kOverrideCount) return;
  overrides.bytes[static_cast<std::size_t>(number - 1)] = static_cast<uint8_t>(value & 0xFF);
}

std::optional<bool> OverrideValue(const Overrides& overrides, OverrideSlot slot) {
  const uint8_t byte = overrides.bytes[static_cast<std::size_t>(slot) - 1];
  if (byte == kOverrideNotSet) return std::nullopt;
  return byte == 1;
}

std::string FormatOverrides(const Overrides& overrides) {
  std::string list = "|";
  for (uint8_t byte : overrides.bytes) list += std::to_string(byte) + "|";
  return list;
}

void ParseOverrides(std::string_view list, Overrides& overrides) {
  for (int number = 1; number <= kOverrideCount; ++number) {
    int64_t value = 0;
    if (TryParseInt64(BarItem(list, number - 1, ""), value)) SetOverride(overrides, number, value);
  }
}

Overrides& AgentOverrides() {
  static Overrides overrides;
  return overrides;
}

}  // namespace vantor
