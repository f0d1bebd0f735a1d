#include <windows.h>

#include "agent/test_mode.h"
#include "base/registry_win.h"

namespace vantor {

namespace {

constexpr const char* kTestModeKey = "HKEY_CURRENT_USER\\Software\\Kelmondo\\Vantor\\AutoUpdate";

struct TestModeState {
  bool on = false;
  std::string address;
  std::optional<unsigned long> lastCallMs;  // none before the first call
};

TestModeState& State() {
  static TestModeState state;
  return state;
}

}  // namespace

bool CheckTestMode(bool force) {
  TestModeState& s = State();
  const unsigned long now = GetTickCount();
  if (TestModeReadDue(force, now, s.lastCallMs)) {
    s.on = RegReadString(kTestModeKey, "TestMode", "0") == "1";
    s.address = RegReadString(kTestModeKey, "TestModeURL", "");
  }
  s.lastCallMs = now;
  return s.on;
}

bool TestModeOn() { return State().on; }
const std::string& TestModeAddress() { return State().address; }

}  // namespace vantor
