// The system's internet library, bound by name on first use so the program
// starts on systems without it, and released when the message loop has ended.
#pragma once

#include <windows.h>

namespace vantor {

// The functions the program uses, each looked up once and cached.
enum class InternetExport {
  InternetGetConnectedState,
  InternetCloseHandle,
  InternetOpenA,
  InternetOpenUrlA,
  HttpQueryInfoA,
  InternetReadFile,
  InternetSetFilePointer,
};

// The loaded library, or null when the system has none.
HMODULE InternetLibrary();
// The function's entry, or null when the library or the function is missing;
// a later call tries again.
FARPROC InternetFunction(InternetExport which);
// Releases the library and forgets every entry in it.
void FreeInternetLibrary();

}  // namespace vantor
