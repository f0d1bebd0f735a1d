// ExtractPackage: unpacks every file record of a package into a folder, from
// the setup file and, for a multi-part package (trailer flag 2), from its
// part files base.002, base.003, ..., asking for the next disk when a part is
// missing. Each part's checksum is verified before its records are read.
//
// Calls to the progress routine (mode, minimum, maximum, position, step):
// (0, 0, 0, 0, 1) at the start; (0, 0, FilesCount, 0, 1) once the first part
// is open; (1, 0, 0, 0, 1) for every file record that does not overwrite an
// existing file, and for every change of part.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>

#include "net/progress.h"

namespace vantor {

// source: the first package file (setup.exe, or a first part D:\setup.exe.001).
// destination: created with its parents when missing; records may name
// sub-folders, which are created too, but nothing is written outside it.
// agentName: file name of the update-agent copy written into destination
// when the source is an .exe or .exe.001 (its folder part is ignored; empty:
// none).
// checksumOk: true when at least one part was read and every part read
// passed its checksum.
// diskPrompt: Markup with "<DISK_NUM>"; with forcePrompt every further part
// is asked for even when its file is there.
// commandItem: the name item that carried "*" (the program to start), empty
// when none or when a disk prompt was cancelled.
void ExtractPackage(const std::string& source, const std::string& destination, const std::string& agentName,
                    bool& checksumOk, const ProgressCallback& progress, std::string_view diskPrompt,
                    std::string_view promptTitle, std::string_view promptButtons, std::uint8_t charset,
                    bool forcePrompt, std::string& commandItem);

// Records of this process that could not be written (never reset); only the
// first of them is shown to the user.
int ExtractWriteFailures();

}  // namespace vantor
