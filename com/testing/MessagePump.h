// Message pumps for tests that drive windows on their own thread: what is
// queued now, a short while, or until a condition holds within a bound, so
// that no test waits forever on a message that never comes.
//
// Used by the tests of the framework's controls and of every control
// deliverable.
//
//   ASSERT_TRUE(PumpUntil([&] { return events.size() == 2; }, 2000));
#pragma once

#include <windows.h>

namespace morvex::com::testing {

// Dispatches what the thread's queue holds now, paints included.
void PumpPending();

// Dispatches the thread's messages for about `milliseconds`, one round at
// the least.
void Pump(DWORD milliseconds);

// Dispatches messages until `done` holds or `timeoutMs` passed; its last
// answer.
template <class Condition>
bool PumpUntil(Condition done, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    PumpPending();
    if (done()) return true;
    if (GetTickCount() - start >= timeoutMs) return false;
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

}  // namespace morvex::com::testing
