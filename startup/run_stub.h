#pragma once

namespace vantor {

// Decides the role once and runs it.
void DoRunStubWin();

}  // namespace vantor
