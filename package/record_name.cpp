#include "package/record_name.h"

#include <array>

#include "base/text.h"

namespace vantor {

namespace {

constexpr std::array<std::string_view, 6> kDevices = {"CON", "PRN", "AUX", "NUL", "CONIN$", "CONOUT$"};
constexpr std::array<std::string_view, 2> kNumberedDevices = {"COM", "LPT"};

bool OnlyDotsAndBlanks(std::string_view part) {
  return !part.empty() && part.find_first_not_of(". ") == std::string_view::npos;
}

// The system maps "nul.txt" and "COM1 " to the device as well.
bool NamesDevice(std::string_view part) {
  std::string stem = UpperAscii(part.substr(0, part.find('.')));
  while (!stem.empty() && stem.back() == ' ') stem.pop_back();
  for (const std::string_view device : kDevices) {
    if (stem == device) return true;
  }
  for (const std::string_view device : kNumberedDevices) {
    if (stem.size() == 4 && stem.starts_with(device) && stem[3] >= '1' && stem[3] <= '9') return true;
  }
  return false;
}

}  // namespace

bool IsSafeRecordName(std::string_view name) {
  if (name.empty() || name.find(':') != std::string_view::npos) return false;
  if (name.front() == '\\' || name.front() == '/') return false;
  std::size_t start = 0;
  for (;;) {
    const std::size_t end = name.find_first_of("\\/", start);
    const std::string_view part = name.substr(start, end == std::string_view::npos ? end : end - start);
    if (OnlyDotsAndBlanks(part) || NamesDevice(part)) return false;
    if (end == std::string_view::npos) return true;
    start = end + 1;
  }
}

}  // namespace vantor
