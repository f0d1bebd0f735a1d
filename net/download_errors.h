// The error texts of a download. They hold markup because callers show them
// in message boxes.
#pragma once

#include <string>
#include <string_view>

namespace vantor {

inline constexpr std::string_view kUnableToInitializeText = "Unable to initialize \"WinINet.dll\"";
inline constexpr std::string_view kDownloadAbortedText = "Download Aborted";

std::string UnableToOpenText(std::string_view url);
std::string FileNotFoundText(std::string_view url);
// The whole file arrived but could not take the target's name (the old target
// stays, so a caller must not take it for the download).
std::string UnableToSaveText(std::string_view target, std::string_view reason);

}  // namespace vantor
