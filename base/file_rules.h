// The pure rules behind the file-system utilities: how much a whole-file read
// takes, how a long text is written in chunks, which path the free-space query
// gets, and the text of the self-removal script.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

namespace vantor {

// The number of bytes to read from a file of fileSize bytes at offset, at
// most maximum of them (0: no limit); 0 when the read yields the empty text.
// A count beyond one 32-bit read is 0 too: reading only its low 32 bits would
// silently give the wrong bytes.
uint64_t ReadFileCount(uint64_t fileSize, int64_t offset, uint64_t maximum);

// Texts up to 1 MiB go in one write; longer ones in chunks of a tenth of their
// length, at most 1 MiB each (3 MiB: 314,572-byte chunks; 20 MiB: 1 MiB).
std::size_t WriteChunkSize(std::size_t length);
// Hands the text to write chunk after chunk until all of it is written or a
// write takes nothing; returns the number of bytes written.
using ChunkWriter = std::function<std::size_t(std::string_view chunk)>;
std::size_t WriteInChunks(std::string_view text, const ChunkWriter& write);

// The path cut to what the free-space query takes, "/" read as "\":
// "D:/Data/x" gives "D:\Data", or the drive root "D:\" with forceRoot (or
// when the path is shorter than 3 characters).
std::string DiskRootPath(std::string_view path, bool forceRoot);
// A network path ("\\server\share"), for which no free space is reported.
bool IsNetworkPath(std::string_view path);

constexpr char kSelfDeleteScriptName[] = "_DEL_ME_.BAT";
// The batch script that deletes the program file once the program has ended
// (looping until the file is gone), then with removeFolder its folder (when
// empty), then itself. Lines end in CR LF.
std::string SelfDeleteScript(std::string_view programPath, std::string_view programFolder,
                             std::string_view scriptPath, bool removeFolder);

}  // namespace vantor
