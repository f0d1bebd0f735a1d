// The texts of the extraction's error boxes (Markup).
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

std::string FolderFailureText(std::string_view folder, std::string_view errorText);
// target, the first-failure line, then SizeReportText.
std::string WriteFailureText(std::string_view target, std::string_view report);
// The figures that tell a full disk from other causes:
// "<error><P>  Data Size: <T>5 Bytes<P>  File Size:  <T>0 Bytes<P>  Bytes Free: <T>123 Bytes".
// bytesFree is cut to a whole number (-1 when unknown).
std::string SizeReportText(std::string_view errorText, uint64_t dataSize, uint64_t fileSize, double bytesFree);

}  // namespace vantor
