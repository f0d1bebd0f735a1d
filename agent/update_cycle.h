// The update cycle: ask, download the update's setup file, close the
// product, run the update's setup, record the new version and restart the
// product; then the agent restarts itself.
#pragma once

namespace vantor {

// True when the update's setup engine reported completion.
bool PerformAutoUpdate();
// Starts the plain agent anew and ends this copy, unless a quit is pending.
void ReStartAutoUpdateExe();

}  // namespace vantor
