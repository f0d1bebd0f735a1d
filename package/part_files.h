// The names of a multi-part package's files and the texts of its disk prompt.
// D:\setup.exe.001 and D:\setup.exe both have the base D:\setup.exe; the
// second part is then D:\setup.exe.002.
#pragma once

#include <string>
#include <string_view>

namespace vantor {

// The first file's name without a final ".001".
std::string PartFileBase(std::string_view source);
// base + "." + the part number in three digits (more when it needs them).
std::string PartFileName(std::string_view base, int part);
// The disk question for a part: "<DISK_NUM>" (any case) becomes the plain
// number, "2" rather than "002".
std::string DiskPromptText(std::string_view prompt, int part);
// Only a program file gets an update-agent copy: a name ending with ".exe"
// or ".exe.001", in any case.
bool SourceTakesAgentCopy(std::string_view source);

}  // namespace vantor
