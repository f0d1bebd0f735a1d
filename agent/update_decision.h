// Whether the package on offer may be offered now: a chain of six tests over
// the agent's two information files. The code tells how far the chain got;
// only 6 lets the update or the notice go ahead.
#pragma once

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vantor {

inline constexpr int32_t kDecisionNoInfo = 0;         // the .info file was not fetched
inline constexpr int32_t kDecisionNoOriginal = 1;     // no installed version
inline constexpr int32_t kDecisionTooEarly = 2;       // offered before, not yet due again
inline constexpr int32_t kDecisionNotNewer = 3;       // the offered version is not higher
inline constexpr int32_t kDecisionNotValidFor = 4;    // the installed version is not listed
inline constexpr int32_t kDecisionSizeMismatch = 5;   // the file on the server has another size
inline constexpr int32_t kDecisionOk = 6;

// What the chain looks at. Numbers are as read from the files; versions and
// stamps count as their low 32 bits.
struct DecisionFacts {
  bool infoDownloaded = false;
  int64_t versionOriginal = 0;  // OriginalSetup.VersionOriginal
  int64_t stampOriginal = 0;    // OriginalSetup.Stamp
  int64_t stampNew = 0;         // NewSetup.Stamp
  int64_t now = 0;              // the seconds clock
  int64_t reAskSecondsLast = 0;
  int64_t reAskSecondsInterval = 0;
  bool interactiveCheck = false;  // skips the stamp and re-ask test
  int64_t versionNew = 0;         // NewSetup.VersionNew
  std::string validVersions;      // NewSetup.ValidVersions
  // The last test, asked only when every other one has passed, since it may
  // ask the server. Missing, it fails.
  std::function<bool()> sizeMatches;
};

int32_t DecisionCode(const DecisionFacts& facts);
// "OK" for 6, "Too early for retesting" for 2...; empty for a code outside 0..6.
std::string DecisionReason(int32_t code);

// The same package may be offered again: interval > 0 and now lies strictly
// after last + interval.
bool ReAskDue(int64_t now, int64_t last, int64_t interval);
// An empty list matches every version; otherwise the version must be one of
// its comma-separated items, compared as text: "3,4" holds 4, "3, 4" and "34" do not.
bool ValidVersionsMatch(std::string_view list, int32_t versionOriginal);
// Sizes within 99 bytes of each other match; -1 stands for an unknown size.
bool SizesMatch(int32_t actual, int32_t expected);

// The low 32 bits of a number read from the files, as a signed value.
inline int32_t LowHalf(int64_t value) { return static_cast<int32_t>(static_cast<uint32_t>(value)); }

}  // namespace vantor
