// The caption label of the progress display, in the package's font.
#pragma once

#include <windows.h>

#include <string>

namespace vantor {

// Sets the label's style, font and text. For the Hebrew (177) and Arabic
// (178) character sets the label reads right to left and is right-aligned.
// The label owns the font it gets: its previous caption font is freed when it
// gets a new one, and the last one when the label is destroyed.
void SetCaptionLabel(HWND label, const std::string& text, const std::string& faceName, int pointSize, int charset);

}  // namespace vantor
