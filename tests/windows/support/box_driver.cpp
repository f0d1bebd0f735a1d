#include "tests/windows/support/box_driver.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace vantor::testing {

namespace {

constexpr DWORD kPollMs = 20;  // a window's appearance raises no event in another thread

// Sleeps one poll interval, or less when stop is signalled; true when stopped.
bool PollWait(HANDLE stop) {
  if (stop) return WaitForSingleObject(stop, kPollMs) == WAIT_OBJECT_0;
  Sleep(kPollMs);
  return false;
}

BOOL CALLBACK CollectChild(HWND child, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
  return TRUE;
}

LPARAM KeyData(UINT virtualKey, bool up, bool alt) {
  const UINT scan = MapVirtualKeyA(virtualKey, 0);
  LPARAM data = 1 | (static_cast<LPARAM>(scan) << 16);
  if (alt) data |= LPARAM{1} << 29;
  if (up) data |= (LPARAM{1} << 30) | (LPARAM{1} << 31);
  return data;
}

}  // namespace

HWND WaitForBox(DWORD timeoutMs, HANDLE stop) {
  const DWORD start = GetTickCount();
  do {
    if (const HWND box = FindWindowA("VMsgBox", nullptr)) return box;
    if (PollWait(stop)) return nullptr;
  } while (GetTickCount() - start < timeoutMs);
  return nullptr;
}

bool WaitUntilBoxReady(HWND box, DWORD timeoutMs) {
  const DWORD start = GetTickCount();
  for (;;) {
    if (!IsWindow(box)) return false;
    RECT rect{};
    GetWindowRect(box, &rect);
    // Placed (it starts at -100, -100) and painted: painting happens only in
    // the box's own loop, which starts once the buttons exist.
    if (rect.left != -100 && !GetUpdateRect(box, nullptr, FALSE)) break;
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(kPollMs);
  }
  DWORD_PTR ignored = 0;
  return SendMessageTimeoutA(box, WM_NULL, 0, 0, SMTO_NORMAL, timeoutMs, &ignored) != 0;
}

HWND FocusedWindowOf(HWND box) {
  GUITHREADINFO info{};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(box, nullptr), &info)) return nullptr;
  return info.hwndFocus;
}

std::string ClassOf(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::vector<HWND> ChildrenOfClass(HWND box, const std::string& className) {
  std::vector<HWND> all, found;
  EnumChildWindows(box, CollectChild, reinterpret_cast<LPARAM>(&all));
  for (const HWND child : all) {
    if (lstrcmpiA(ClassOf(child).c_str(), className.c_str()) == 0) found.push_back(child);
  }
  std::sort(found.begin(), found.end(), [](HWND a, HWND b) { return RectInParent(a).left < RectInParent(b).left; });
  return found;
}

RECT RectInParent(HWND child) {
  RECT rect{};
  GetWindowRect(child, &rect);
  MapWindowPoints(nullptr, GetParent(child), reinterpret_cast<POINT*>(&rect), 2);
  return rect;
}

void PostKey(HWND target, UINT virtualKey) {
  PostMessageA(target, WM_KEYDOWN, virtualKey, KeyData(virtualKey, false, false));
  PostMessageA(target, WM_KEYUP, virtualKey, KeyData(virtualKey, true, false));
}

void PostAltKey(HWND target, char letter) {
  const UINT virtualKey = static_cast<unsigned char>(letter);
  PostMessageA(target, WM_SYSKEYDOWN, virtualKey, KeyData(virtualKey, false, true));
  PostMessageA(target, WM_SYSKEYUP, virtualKey, KeyData(virtualKey, true, true));
}

BoxDriver::BoxDriver(Answer answer)
    : answer_(std::move(answer)), returned_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {
  thread_.reset(CreateThread(nullptr, 0, Run, this, 0, nullptr));
}

BoxDriver::~BoxDriver() { Finish(); }

void BoxDriver::Finish() {
  if (!thread_) return;
  SetEvent(returned_.get());
  WaitForSingleObject(thread_.get(), INFINITE);
  thread_.reset();
  if (!failure_.empty()) ADD_FAILURE() << failure_;
}

DWORD WINAPI BoxDriver::Run(void* self) {
  auto& driver = *static_cast<BoxDriver*>(self);
  const HWND box = WaitForBox(15000, driver.returned_.get());
  if (box == nullptr) {
    if (WaitForSingleObject(driver.returned_.get(), 0) != WAIT_OBJECT_0) driver.failure_ = "no box appeared";
    return 0;
  }
  if (!WaitUntilBoxReady(box, 15000)) {
    driver.failure_ = "the box did not get ready";
  } else {
    driver.answer_(box);
  }
  if (WaitForSingleObject(driver.returned_.get(), 15000) != WAIT_OBJECT_0) {
    driver.failure_ += " the box did not close after the answer";
    PostMessageA(box, WM_CLOSE, 0, 0);
    WaitForSingleObject(driver.returned_.get(), INFINITE);
  }
  return 0;
}

}  // namespace vantor::testing
