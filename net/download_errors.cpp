#include "net/download_errors.h"

namespace vantor {

std::string UnableToOpenText(std::string_view url) {
  return "Unable to open Internet Connection <P>URL: " + std::string(url);
}

std::string FileNotFoundText(std::string_view url) { return std::string(url) + "<P><P>File Not Found !"; }

std::string UnableToSaveText(std::string_view target, std::string_view reason) {
  return std::string(target) + "<P><P>Unable to save Downloaded File!<P><P>" + std::string(reason);
}

}  // namespace vantor
