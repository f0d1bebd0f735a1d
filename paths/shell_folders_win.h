// The two shell functions that report folders by number, bound at run time so
// that the program also starts on systems that lack one of them.
#pragma once

#include <string>

namespace vantor {

// SHGetSpecialFolderPathA of shell32.dll without creating the folder; empty
// when the library or the function is missing or the call fails.
std::string ShellSpecialFolder(int number);
// SHGetFolderPathA of SHFolder.dll for the current path (the number may carry
// CSIDL_FLAG_CREATE); empty when the library or the function is missing or
// the call does not succeed.
std::string ShellFolderPath(int number);

// The libraries the two functions are looked up in. Every system the tests run
// on has both, so tests name a missing library (or one without the function)
// to reach the fallbacks; empty names restore shell32.dll and SHFolder.dll.
void SetShellFolderLibraries(const std::string& specialFolderLibrary, const std::string& folderPathLibrary);

}  // namespace vantor
