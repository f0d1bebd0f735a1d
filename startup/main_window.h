#pragma once

namespace vantor {

// Runs the hidden main window's message loop until the role's work ends.
void WinMain();

}  // namespace vantor
