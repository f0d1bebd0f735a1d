#include <windows.h>
#include <winioctl.h>

#include <cstdint>

#include "base/debug_output.h"
#include "base/file_rules.h"
#include "base/files.h"
#include "base/folder_entries_win.h"
#include "base/handles.h"
#include "base/system_helpers.h"
#include "base/text.h"

namespace vantor {

namespace {

using FreeSpaceQuery = decltype(&GetDiskFreeSpaceExA);

// Looked up once: systems without the extended query still start.
FreeSpaceQuery ExtendedFreeSpaceQuery() {
  static const FreeSpaceQuery query = ProcAs<FreeSpaceQuery>(GetLibraryProc("kernel32.dll", "GetDiskFreeSpaceExA"));
  return query;
}

UniqueFile OpenDevice(const std::string& device, DWORD access) {
  return UniqueFile(
      CreateFileA(device.c_str(), access, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING, 0, nullptr));
}

std::string HandleText(const UniqueFile& file) {
  return std::to_string(reinterpret_cast<uintptr_t>(file.get()));
}

}  // namespace

double DiskFreeSpace(const std::string& path) {
  if (IsNetworkPath(path)) return -1;
  NoDiskPrompts quiet;
  if (const FreeSpaceQuery query = ExtendedFreeSpaceQuery()) {
    ULARGE_INTEGER available;
    if (query(DiskRootPath(path, false).c_str(), &available, nullptr, nullptr) ||
        query(DiskRootPath(path, true).c_str(), &available, nullptr, nullptr)) {
      return static_cast<double>(available.QuadPart);
    }
    return -1;
  }
  DWORD sectorsPerCluster = 0, bytesPerSector = 0, freeClusters = 0, totalClusters = 0;
  if (!GetDiskFreeSpaceA(DiskRootPath(path, true).c_str(), &sectorsPerCluster, &bytesPerSector, &freeClusters,
                         &totalClusters)) {
    return -1;
  }
  return static_cast<double>(sectorsPerCluster) * bytesPerSector * freeClusters;
}

bool EjectCD(const std::string& path) {
  const char letter = path.empty() ? '\0' : UpperAscii(path[0]);
  if (letter < 'A' || letter > 'Z') return false;
  const std::string root = std::string(1, letter) + ":\\";
  if (GetDriveTypeA(root.c_str()) != DRIVE_CDROM) return false;
  const std::string device = std::string("\\\\.\\") + letter + ":";
  UniqueFile drive = OpenDevice(device, GENERIC_READ | GENERIC_WRITE);
  DebugLinePid(" EjectCD-2: " + device + " " + HandleText(drive));
  if (!drive) {
    drive = OpenDevice(device, GENERIC_READ);
    DebugLinePid(" EjectCD-3: " + device + " " + HandleText(drive));
  }
  if (!drive) return false;
  DWORD returned = 0;
  return DeviceIoControl(drive.get(), IOCTL_STORAGE_EJECT_MEDIA, nullptr, 0, nullptr, 0, &returned, nullptr) != FALSE;
}

}  // namespace vantor
