// The process-wide abort flag of transfers: the user's first close request
// raises it, and a running transfer ends its loop when it sees it.
#pragma once

namespace vantor {

void SetHttpAbort(bool abort);
bool HttpAbortRequested();

}  // namespace vantor
