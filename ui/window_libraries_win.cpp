#include <windows.h>

#include <initializer_list>

#include "ui/window_libraries.h"

namespace vantor {

void PreloadWindowLibraries() {
  for (const char* name : {"shell32.dll", "USP10.dll", "MSLS31.dll", "RICHED32.DLL"}) {
    const UINT previous = SetErrorMode(SEM_NOOPENFILEERRORBOX);
    LoadLibraryA(name);  // never freed: the windows use them until exit
    SetErrorMode(previous);
  }
}

}  // namespace vantor
