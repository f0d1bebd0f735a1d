#include <windows.h>

#include <string_view>

#include "base/processes.h"
#include "base/window_analizer.h"

namespace vantor {

namespace {

WindowId IdOf(HWND window) { return reinterpret_cast<WindowId>(window); }

// Reads the text the system keeps for the window: unlike WM_GETTEXTLENGTH
// this sends nothing, so a hung process cannot block the search.
bool HasTitle(HWND window) {
  char first[2] = {};
  return GetWindowTextA(window, first, sizeof first) > 0;
}

bool IsSystemHelper(HWND window) {
  char className[64] = {};
  const int n = GetClassNameA(window, className, sizeof className);
  return IsSystemHelperClass(std::string_view(className, n > 0 ? n : 0));
}

BOOL CALLBACK AddWindow(HWND window, LPARAM context) {
  auto& analizer = *reinterpret_cast<TAnalizer*>(context);
  DWORD owner = 0;
  GetWindowThreadProcessId(window, &owner);
  if (owner == analizer.processId()) {
    analizer.AddWindow(WindowFacts{IdOf(window), IdOf(RootOwner(window)), HasTitle(window),
                                   IsWindowVisible(window) != FALSE, IsSystemHelper(window)});
  }
  return TRUE;
}

}  // namespace

HWND RootOwner(HWND window) {
  HWND root = nullptr;
  for (HWND owner = GetWindow(window, GW_OWNER); owner != nullptr; owner = GetWindow(owner, GW_OWNER)) root = owner;
  return root;
}

HWND FindProcessMainWindow(const std::string& path, bool fullPathOnly) {
  const uint32_t id = FindProcessByPath(path, fullPathOnly);
  if (id == 0) return nullptr;
  TAnalizer analizer(id);
  EnumWindows(AddWindow, reinterpret_cast<LPARAM>(&analizer));
  return reinterpret_cast<HWND>(analizer.BestWindow());
}

bool PostProcessMessage(const std::string& path, bool fullPathOnly, UINT message, WPARAM wParam, LPARAM lParam) {
  const HWND window = FindProcessMainWindow(path, fullPathOnly);
  return window != nullptr && PostMessageA(window, message, wParam, lParam) != FALSE;
}

bool CloseProcessWindow(const std::string& path, bool fullPathOnly) {
  return PostProcessMessage(path, fullPathOnly, WM_CLOSE, 15, 255);
}

bool QuitProcessWindow(const std::string& path, bool fullPathOnly) {
  return PostProcessMessage(path, fullPathOnly, WM_QUIT, 15, 255);
}

}  // namespace vantor
