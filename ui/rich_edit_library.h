// The version 1 rich-edit control library, loaded once and kept for the run.
#pragma once

namespace vantor {

// Loads "RICHED32.DLL" unless loaded already; a failed load is tried again
// by the next call. True when the "RICHEDIT" class is available.
bool EnsureRichEditLoaded();

}  // namespace vantor
