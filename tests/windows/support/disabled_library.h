// Wine's per-program DLL settings, for a program that must run without a
// system library: the library is disabled for that program name only, while
// the object lives.
#pragma once

#include <string>

namespace vantor::testing {

class DisabledLibraryFor {
 public:
  DisabledLibraryFor(const std::string& program, const char* library);
  ~DisabledLibraryFor();
  DisabledLibraryFor(const DisabledLibraryFor&) = delete;
  DisabledLibraryFor& operator=(const DisabledLibraryFor&) = delete;

 private:
  std::string key_;
};

}  // namespace vantor::testing
