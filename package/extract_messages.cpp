#include "package/extract_messages.h"

namespace vantor {

std::string FolderFailureText(std::string_view folder, std::string_view errorText) {
  return std::string(folder) + "<P><P>Unable to create Directory!<P><P>" + std::string(errorText);
}

std::string WriteFailureText(std::string_view target, std::string_view report) {
  return std::string(target) + "<P><P>Unable to save Extracted File!<P><P>" + std::string(report);
}

std::string SizeReportText(std::string_view errorText, uint64_t dataSize, uint64_t fileSize, double bytesFree) {
  return std::string(errorText) + "<P>" + "  Data Size: <T>" + std::to_string(dataSize) + " Bytes<P>" +
         "  File Size:  <T>" + std::to_string(fileSize) + " Bytes<P>" + "  Bytes Free: <T>" +
         std::to_string(static_cast<int64_t>(bytesFree)) + " Bytes";
}

}  // namespace vantor
