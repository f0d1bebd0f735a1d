// The new-version notice: a .info file may announce a version instead of
// installing it; the agent then shows the vendor's notice text with a button
// that opens the download address.
#pragma once

namespace vantor {

// True when the notice was shown (or its address opened); the installed
// version is then recorded as the new one, so it is not shown again.
bool PerformAutoInform();

}  // namespace vantor
