// The system's local date-time.
#pragma once

#include "base/text.h"

namespace vantor {

// Now, to the second.
DateTime LocalNow();

}  // namespace vantor
