// The system libraries that the message box and the notice window draw on,
// loaded by name once at start-up and kept for the run.
#pragma once

namespace vantor {

// Loads "shell32.dll", "USP10.dll", "MSLS31.dll" and "RICHED32.DLL" without
// the system's file-open error box; a library that is missing is skipped.
void PreloadWindowLibraries();

}  // namespace vantor
