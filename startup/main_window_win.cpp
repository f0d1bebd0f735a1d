#include "startup/main_window.h"

namespace vantor {

// The main window, its timer and its messages are not built yet: the role
// ends here without doing any of the window's work.
void WinMain() {}

}  // namespace vantor
