#include <windows.h>

#include "ui/rich_edit_library.h"

namespace vantor {

bool EnsureRichEditLoaded() {
  // Never freed: the message box and the notice window use it until exit.
  static HMODULE library = nullptr;
  if (library == nullptr) library = LoadLibraryA("RICHED32.DLL");
  return library != nullptr;
}

}  // namespace vantor
