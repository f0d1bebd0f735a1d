// The user's locale settings that fixed-format texts take in.
#pragma once

namespace vantor {

// The first character of the user's time separator, ':' when it has none.
char UserTimeSeparator();
// The first character of the user's date separator, '/' when it has none.
char UserDateSeparator();

}  // namespace vantor
