// In-memory overrides of the .info file's switches, set by other programs'
// requests or handed on at start-up as a bar list of eight unsigned bytes in
// the order of OverrideSlot: "|255|255|255|255|255|255|255|255|" when none is
// set. A set override is true exactly when its byte is 1.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace vantor {

// Numbered from 1 as in the override list; requests set slots 1 to 6.
enum class OverrideSlot {
  AskBeforeCheck = 1,  // no key in the .info file
  RequestConfirmationBeforeDownload,
  RequestConfirmationBeforeInstall,
  BackgroundUpdate,
  InformFinish,
  RestartProcess,
  RequestConfirmationBeforeDownloadForce,
  RequestConfirmationBeforeInstallForce,
};

inline constexpr int kOverrideCount = 8;
inline constexpr uint8_t kOverrideNotSet = 255;

struct Overrides {
  std::array<uint8_t, kOverrideCount> bytes{kOverrideNotSet, kOverrideNotSet, kOverrideNotSet, kOverrideNotSet,
                                            kOverrideNotSet, kOverrideNotSet, kOverrideNotSet, kOverrideNotSet};
};

// Stores the low 8 bits of value; numbers outside 1 to 8 change nothing.
void SetOverride(Overrides& overrides, int number, int64_t value);
// Nothing when the slot is not set, else whether its byte is 1.
std::optional<bool> OverrideValue(const Overrides& overrides, OverrideSlot slot);
std::string FormatOverrides(const Overrides& overrides);
// Item i of the list (from 1) sets override i; an empty or non-numeric item,
// or a missing one, leaves that override as it is.
void ParseOverrides(std::string_view list, Overrides& overrides);

// The overrides of this process, all unset at start.
Overrides& AgentOverrides();

}  // namespace vantor
