#include "base/window_analizer.h"

#include <cstddef>
#include <unordered_map>

#include "base/text.h"

namespace vantor {

bool IsSystemHelperClass(std::string_view className) {
  return SameTextTrimmed(className, "IME") || SameTextTrimmed(className, "MSCTFIME UI");
}

std::vector<uint32_t> TAnalizer::ScoreWindows() const {
  std::unordered_map<WindowId, std::size_t> indexOf;
  for (std::size_t i = 0; i < windows_.size(); ++i) indexOf.emplace(windows_[i].window, i);

  std::vector<uint32_t> scores(windows_.size(), 0);
  for (const WindowFacts& facts : windows_) {
    if (facts.rootOwner == 0) continue;
    const auto owner = indexOf.find(facts.rootOwner);
    if (owner != indexOf.end()) ++scores[owner->second];
  }
  for (std::size_t i = 0; i < windows_.size(); ++i) {
    const WindowFacts& facts = windows_[i];
    scores[i] = facts.systemHelper ? 0 : scores[i] * 4 + (facts.titled ? 2 : 0) + (facts.visible ? 1 : 0);
  }
  return scores;
}

WindowId TAnalizer::BestWindow() const {
  const std::vector<uint32_t> scores = ScoreWindows();
  WindowId best = 0;
  uint32_t bestScore = 0;
  for (std::size_t i = 0; i < scores.size(); ++i) {
    if (scores[i] > bestScore) {
      bestScore = scores[i];
      best = windows_[i].window;
    }
  }
  return best;
}

}  // namespace vantor
