#include "net/internet_library.h"

#include "base/handles.h"

namespace vantor {

namespace {
UniqueModule library;
}  // namespace

HMODULE InternetLibrary() {
  if (!library) library.reset(LoadLibraryA("wininet.dll"));
  return library.get();
}

void FreeInternetLibrary() { library.reset(); }

}  // namespace vantor
