#include "tools/vpack/usage.h"

#include <cstdio>

namespace vantor::vpack {

const char* HelpText() {
  return R"(vpack - builds setup files, tokens and notice files

Usage:
  vpack setup --stub PROGRAM --out FILE [options] [--dir FOLDER]... [--file PATH[=NAME]]...
  vpack token TEXT
  vpack notice --token TEXT --body-file FILE --out FILE [--scramble]
  vpack info FILE
  vpack update-info --out FILE [options]
  vpack --help

vpack setup: appends a package to a copy of PROGRAM and writes it to FILE.
  Files:
    --dir FOLDER         pack every file below FOLDER, named relative to it
                         with "\" between folders (repeatable)
    --file PATH[=NAME]   pack one file, as NAME (default: its file name); the
                         last "=" splits; "/" in NAME becomes "\" (repeatable)
    --engine NAME[*EXTRA] the packed file NAME is the program started after
                         extraction, with EXTRA as extra command-line text
    --store              store the files uncompressed (default: zlib)
  Names are sorted (ignoring case) and dated from each file's modification
  time (local time). A name must not be empty, contain "*", "|", ":" or a zero
  byte, or have an empty, "." or ".." part (so no absolute paths, drive
  letters or leading "\").
  Trailer:
    --flags N            PackageFlags byte: 1 temporary-drive question,
                         2 multi-part, 4 CD start, 8 cycling bar, 16 agent log
    --web-setup          byte 66: download-only setup file
    --ask-download       byte 67: ask before downloading
    --create-agent       byte 68: write an update-agent copy
    --agent              byte 69: this file is an update agent
    --header-count N     HeaderCount byte (default 2, or 3 with a web descriptor)
    --checksum auto|off|N  PackageChecksum: computed (default), 1234 (no
                         check) or the number N
    --no-package-end     do not record PackageEnd (else recorded when PROGRAM
                         has "MZ" at 0 and "PE" at 256)
    --trailer-length N   write only the first N-4 trailer bytes and then N
                         (older or damaged layouts; default 74); a computed
                         checksum needs room for its field (N >= 24) outside
                         the summed bytes, else use --checksum off or N
  Setup descriptor (|UpdateBase|InfoFileName|AgentExeName|SecretToken|QuietFlag|;
  without these options: |http://|.info|.exe|<48-character token>|0|):
    --update-base TEXT   folder or web address of the agent's updates
    --info-file NAME     the update information file
    --agent-name NAME    the update agent's file name
    --token TEXT         identity text, written scrambled
    --quiet              QuietFlag "1"
    --setup-descriptor RAW  the whole descriptor, verbatim
  Web descriptor (|WebBase|SetupFileName|NoLocalLookup|SecretToken|SetupFileSize|;
  any of these options adds it as the third header record):
    --web-base TEXT      folder or web address of the full setup file
    --setup-file-name NAME  file name of the full setup file
    --no-local-lookup    NoLocalLookup "1"
    --web-token TEXT     identity text of the full setup file, written scrambled
    --setup-file-size N  size of the full setup file in bytes
    --web-descriptor RAW the whole descriptor, verbatim
  Language table (a list separated by the byte 2; empty: that byte alone):
    --lang-block TEXT    one language block, raw, e.g. "~ENGLISH~s0=My Setup~"
                         (repeatable, in order)
    --lang-table-file FILE  the whole table, raw
  Parts (a package spread over several disks):
    --part-size BYTES    split into files of at most BYTES bytes (at least
                         1024): FILE, then FILE.002, FILE.003, ...; a FILE
                         named NAME.001 gives NAME.001, NAME.002, ... Records
                         are not split. The first file holds the program and
                         the header records; each later part begins with the
                         16 bytes "Vantor part file" as its program. Every
                         file has its own trailer and checksum, and all but
                         the last have flag 2. FilesCount of the first file
                         counts all files, that of a later part its own.
  Options take their value as the next argument or after "=" (--flags=4).

vpack token TEXT: prints the scrambled token of TEXT.

vpack notice: writes the notice file |token|x|y|body with the scrambled token
  and the bytes of the body file; --scramble writes it in the "Scrambled=01" form.

vpack info FILE: prints what a setup file holds, one Name=value per line:
  the trailer fields, PackageEnd, the header texts, the checksum computed and
  stored, and each file record's header, size and compression. A later part
  file (PartFile=TRUE) has no header records. "\" is written
  doubled and bytes outside the printable ASCII range as \xNN.

vpack update-info: writes the .info file that an update server publishes for
  the agents of a product. It starts from a sample that offers an update with
  a download question, closes the product with WM_CLOSE, restarts it and
  reports the end; the options fill in or change it:
    --version N          NewSetup VersionNew and Stamp
    --stamp N            NewSetup Stamp (a new stamp offers the package again)
    --program-name TEXT  NewSetup ProgramName (replaces PROG_NAME in questions)
    --url FOLDER         NewSetup DownloadURL_UPDATE: the web address or drive
                         or share folder that holds the update or notice file
    --update-file PATH   NewSetup NameOfUpdateFile and SizeOfUpdateFile, from
                         the update's setup file (packed with the agent's --token)
    --running-process TEXT  NewSetup RunningProcess: the product's program,
                         macros allowed (e.g. "<InstallDir>\Editor.exe")
    --notice-file PATH   a notice instead of an update: General AutoInform=1,
                         AutoInform NameOfInformFile and SizeOfInformFile
    --download-page URL  AutoInform DownloadURL_INFORM, opened by the notice
    --set SECTION.KEY=VALUE  any other value (repeatable; the last one wins)

Equal inputs give equal output files. Errors are reported on one line on
stderr, with exit code 2.
)";
}

int Fail(const std::string& message) {
  std::fprintf(stderr, "vpack: %s\n", message.c_str());
  return kExitBadUse;
}

}  // namespace vantor::vpack
