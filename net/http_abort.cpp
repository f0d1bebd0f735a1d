#include "net/http_abort.h"

namespace vantor {

namespace {
bool abortRequested = false;
}  // namespace

void SetHttpAbort(bool abort) { abortRequested = abort; }
bool HttpAbortRequested() { return abortRequested; }

}  // namespace vantor
