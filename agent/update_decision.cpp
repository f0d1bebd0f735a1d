#include "agent/update_decision.h"

#include <string>

#include "base/text.h"

namespace vantor {

namespace {

constexpr std::string_view kReasons =
    "|Error downloading .INFO file|Error reading .ORIGINAL file|Too early for retesting|"
    "New version is not higher then old version|\"Valid for version\" mismatch|Download file size error|OK|";

bool NewPackageOrDue(const DecisionFacts& facts) {
  return LowHalf(facts.stampNew) != LowHalf(facts.stampOriginal) ||
         ReAskDue(facts.now, facts.reAskSecondsLast, facts.reAskSecondsInterval) || facts.interactiveCheck;
}

}  // namespace

int32_t DecisionCode(const DecisionFacts& facts) {
  const int32_t versionOriginal = LowHalf(facts.versionOriginal);
  if (!facts.infoDownloaded) return kDecisionNoInfo;
  if (versionOriginal <= 0) return kDecisionNoOriginal;
  if (!NewPackageOrDue(facts)) return kDecisionTooEarly;
  if (LowHalf(facts.versionNew) <= versionOriginal) return kDecisionNotNewer;
  if (!ValidVersionsMatch(facts.validVersions, versionOriginal)) return kDecisionNotValidFor;
  if (!facts.sizeMatches || !facts.sizeMatches()) return kDecisionSizeMismatch;
  return kDecisionOk;
}

std::string DecisionReason(int32_t code) {
  if (code < kDecisionNoInfo || code > kDecisionOk) return {};
  return BarItem(kReasons, code, "");
}

bool ReAskDue(int64_t now, int64_t last, int64_t interval) {
  if (interval <= 0) return false;
  // A stored time near the end of the range must not wrap into the past.
  int64_t due = 0;
  if (__builtin_add_overflow(last, interval, &due)) return false;
  return now > due;
}

bool ValidVersionsMatch(std::string_view list, int32_t versionOriginal) {
  if (list.empty()) return true;
  const std::string items = "," + std::string(list) + ",";
  return items.find("," + std::to_string(versionOriginal) + ",") != std::string::npos;
}

bool SizesMatch(int32_t actual, int32_t expected) {
  const int64_t difference = static_cast<int64_t>(actual) - expected;
  return difference > -100 && difference < 100;
}

}  // namespace vantor
