#include <windows.h>
#include <shellapi.h>

#include "base/system_helpers.h"

namespace vantor {

bool ShellOpen(const std::string& file, const std::string& parameters, int showCommand) {
  const HINSTANCE result = ShellExecuteA(GetDesktopWindow(), nullptr, file.c_str(),
                                         parameters.empty() ? nullptr : parameters.c_str(), nullptr, showCommand);
  return reinterpret_cast<INT_PTR>(result) > 32;
}

LibraryProc LoadLibraryProc(const char* library, const char* function) {
  LibraryProc result;
  result.library.reset(LoadLibraryA(library));
  // Handles below 33 are error codes on the oldest systems, never libraries.
  if (reinterpret_cast<UINT_PTR>(result.library.get()) >= 33) {
    result.proc = GetProcAddress(result.library.get(), function);
  }
  return result;
}

FARPROC GetLibraryProc(const char* library, const char* function) {
  LibraryProc found = LoadLibraryProc(library, function);
  found.library.release();  // stays loaded: the caller keeps using the function
  return found.proc;
}

std::string LastErrorText() {
  const DWORD error = GetLastError();
  if (error & 0x80000000u) return "Error Reading \"SysUtils.SysErrorMessage(GetLastError)\"";
  char text[256] = {};
  const DWORD n = FormatMessageA(FORMAT_MESSAGE_FROM_SYSTEM | FORMAT_MESSAGE_IGNORE_INSERTS, nullptr, error, 0, text,
                                 sizeof text, nullptr);
  std::string result(text, n);
  while (!result.empty() && (static_cast<unsigned char>(result.back()) <= 32 || result.back() == '.')) {
    result.pop_back();
  }
  return result;
}

}  // namespace vantor
