// The shell, optional library functions looked up by name, and error texts.
#pragma once

#include <windows.h>

#include <string>

#include "base/handles.h"

namespace vantor {

// Opens a file or address with the shell's default verb; true when it started.
bool ShellOpen(const std::string& file, const std::string& parameters, int showCommand);

struct LibraryProc {
  FARPROC proc = nullptr;
  UniqueModule library;  // freed when the caller drops it
};
LibraryProc LoadLibraryProc(const char* library, const char* function);
// As LoadLibraryProc, the library staying loaded for the rest of the run.
FARPROC GetLibraryProc(const char* library, const char* function);
template <typename Function>
Function ProcAs(FARPROC proc) {
  return reinterpret_cast<Function>(reinterpret_cast<void (*)()>(proc));
}

// The system's text for the thread's last error, without trailing blanks or ".".
std::string LastErrorText();

}  // namespace vantor
