#include "com/testing/MessagePump.h"

namespace morvex::com::testing {

void PumpPending() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

void Pump(DWORD milliseconds) {
  DWORD start = GetTickCount();
  do {
    PumpPending();
    Sleep(5);
  } while (GetTickCount() - start < milliseconds);
}

}  // namespace morvex::com::testing
