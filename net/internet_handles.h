// The owner of internet handles, closed through the bound library. A request
// must close before the root it was opened on: declare owners in opening
// order so their destructors run in reverse.
#pragma once

#include "base/handles.h"
#include "net/wininet_calls.h"

namespace vantor {

struct InternetHandleTraits {
  using Handle = HINTERNET;
  static Handle Invalid() { return nullptr; }
  static void Close(Handle h) { wininet::InternetCloseHandle(h); }
};
using UniqueInternetHandle = UniqueHandle<InternetHandleTraits>;

}  // namespace vantor
