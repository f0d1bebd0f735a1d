// File-system utilities over Win32 handles. Files are byte texts; every
// operation reports failure by its result and never raises an error.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <string_view>

namespace vantor {

// Packed DOS date-time in local time; 0 leaves a file's date alone.
using FileDate = uint32_t;

bool FileExists(const std::string& path);
bool DirectoryExists(const std::string& path);
// Creates the folder and every missing parent; true when it exists afterwards.
bool ForceDirectories(const std::string& folder);

// Origin 0 is the start, 1 the current position, 2 the end; the result is the
// new position, -1 on failure.
int64_t FileSeek64(HANDLE file, int origin, int64_t offset);
// 0 when the size cannot be read.
uint64_t FileSize64(HANDLE file);
// The size of the first entry matching the path (wildcards allowed); 0 when
// nothing matches.
uint64_t FileSizeByName(const std::string& path);
// Sets the last-write date; true when it was set.
bool SetFileDate(HANDLE file, FileDate date);

// The bytes from offset to the end, at most maximum of them (0: no limit);
// empty when the file cannot be read, when there is nothing at offset, when
// fewer bytes arrive or when the count exceeds one 32-bit read.
std::string ReadFileText(const std::string& path, uint64_t maximum, int64_t offset);
// Replaces the file (or with append adds to its end, creating it when missing),
// writing long texts in chunks; sets the date when not 0 and every byte was
// written. True when every byte was written.
bool WriteTextFile(const std::string& path, std::string_view text, FileDate date, bool append);
// Opens (read and write shared) or creates the file, writes the text at its
// end in one write, sets the date when not 0; true when every byte was written.
bool AppendTextToFile(const std::string& path, std::string_view text, FileDate date);

// Free bytes for the caller on the path's disk; -1 when unknown (network
// paths included).
double DiskFreeSpace(const std::string& path);

// Drive types are the system's codes (DRIVE_FIXED, DRIVE_CDROM...). The tree
// searches skip hidden entries and never follow a link out of the tree.
//
// The full path of the first file named name in folder or below; empty when none.
std::string FindFileInTree(const std::string& folder, const std::string& name);
// FindFileInTree over the drives C: to Z: of the given type.
std::string FindFileOnDrives(const std::string& name, unsigned driveType);
// The first folder at or below folder whose path ends with "\" + name (ignoring
// case): name may hold several levels, such as "App\Data".
std::string FindFolderInTree(const std::string& folder, const std::string& name);
// A full path ("X:\...") is itself the result when its drive is of the type
// and the folder exists; else FindFolderInTree over the drives D: to Z: of the type.
std::string FindFolderOnDrives(const std::string& name, unsigned driveType);

// Deletes every file (not folder) matching the pattern, hidden and system ones
// included; with clearAttributes read-only files too. Single failures are
// ignored; true when the pattern matched at least one file.
bool DeleteFiles(const std::string& pattern, bool clearAttributes);
// Deletes the folder's files and normal subfolders, then the folder. Hidden or
// system subfolders are kept, and links are removed without being entered.
// True when the folder existed and is gone.
bool DeleteTree(const std::string& folder, bool clearAttributes);
// Removes the running program's file (and with removeFolder its folder) after
// the process has ended, through a hidden batch script in the temporary folder.
void DeleteMySelf(bool removeFolder);

// Ejects the medium of the CD drive that holds path; true when the request succeeded.
bool EjectCD(const std::string& path);

}  // namespace vantor
