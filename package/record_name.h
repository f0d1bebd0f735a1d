// Which record names may be written below the destination folder. A package
// is outside input: a name must not lead out of the folder it is unpacked
// into, nor onto a device.
#pragma once

#include <string_view>

namespace vantor {

// False for an empty name, a name holding ":" (drive letters, streams), one
// that starts with "\" or "/" (rooted, or a share), one with a part made only
// of dots and blanks ("..", and forms the system trims to it), and a part
// naming a device (CON, PRN, AUX, NUL, COM1-9, LPT1-9, with any extension).
// Sub-folders ("docs\readme.txt") are fine.
bool IsSafeRecordName(std::string_view name);

}  // namespace vantor
