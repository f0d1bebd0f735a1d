// The new-version notice window: a resizable window of the class
// "VRichEditBox" showing a longer text in a read-only rich-edit control and,
// when an address is known, one button that opens the address in the user's
// browser and closes the window.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

namespace vantor {

// Shows the text and returns once the window is closed; the thread's other
// windows are served meanwhile. An empty text with an address opens the
// address at once instead. True when a window was shown or the address was
// opened; false when text and address are both empty. The address is trimmed;
// the text goes to the control unchanged. The text's face is "Verdana" for
// "Tahoma" or no face, at a cell height of 15 pixels; the button uses the face
// and point size as given.
bool ShowRichTextWindow(HWND owner, const std::string& title, const std::string& buttonCaption,
                        const std::string& text, const std::string& address, int width, int height,
                        bool rightToLeft, const std::string& faceName, int fontSize, std::uint8_t charset);

}  // namespace vantor
