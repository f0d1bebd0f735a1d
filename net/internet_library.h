// The system's internet library, bound by name on first use so the program
// starts on systems without it, and released when the message loop has ended.
#pragma once

#include <windows.h>

namespace vantor {

// The loaded library, or null when the system has none.
HMODULE InternetLibrary();
void FreeInternetLibrary();

}  // namespace vantor
