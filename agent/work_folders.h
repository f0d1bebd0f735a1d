// The working folders into which packages are unpacked: the setup work folder
// in the temporary folder, and a fallback work folder on the fixed drive with
// the most free space for when the temporary drive is too small. Each name is
// computed once per process; failures to create or delete are not reported
// here (the callers find out when they write into the folder).
#pragma once

#include <string>

namespace vantor {

// The temporary folder + "SETUP_" + the time half of the program file's DOS
// date. The first call empties it (a stale folder of that name is removed,
// read-only files included) and creates it; later calls only return the name.
std::string SetupWorkFolder();
// Removes the setup work folder with what it holds, but only when this
// process has asked for it: a process that never used it must not remove the
// folder of another process running from the same program file.
void RemoveSetupWorkFolder();

// Probes the fixed drives C:, D: and E: on the first call; true when one
// other than the temporary folder's has the most free space.
bool FindFallbackTempRoot();
// Empty while there is no fallback root (also before FindFallbackTempRoot);
// otherwise, created on the first call, the root + "_" + a number in
// 10000..100000 that no file or folder has yet.
std::string FallbackWorkFolder();
// Removes the fallback work folder with what it holds (read-only files stay).
void RemoveFallbackWorkFolder();

}  // namespace vantor
