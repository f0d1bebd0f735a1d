#include "net/internet_library.h"

#include <array>

#include "base/handles.h"

namespace vantor {

namespace {

constexpr std::array<const char*, 7> kExportNames = {
    "InternetGetConnectedState", "InternetCloseHandle", "InternetOpenA",         "InternetOpenUrlA",
    "HttpQueryInfoA",            "InternetReadFile",    "InternetSetFilePointer",
};

UniqueModule library;
std::array<FARPROC, kExportNames.size()> entries{};

}  // namespace

HMODULE InternetLibrary() {
  if (!library) library.reset(LoadLibraryA("wininet.dll"));
  return library.get();
}

FARPROC InternetFunction(InternetExport which) {
  const auto index = static_cast<std::size_t>(which);
  if (entries[index] == nullptr && InternetLibrary() != nullptr) {
    entries[index] = GetProcAddress(library.get(), kExportNames[index]);
  }
  return entries[index];
}

void FreeInternetLibrary() {
  entries.fill(nullptr);
  library.reset();
}

}  // namespace vantor
