// The click counter of ClickCounter.h in a process of its own, as a test
// holds it: started beside the test program, its window found, asked how
// many of a button's messages it got, closed when the object goes.
//
// Used by the hook library's tests and by the end-to-end tests of the
// program that loads the library.
#pragma once

#include <windows.h>

#include "harness/ChildProcess.h"

namespace mousehook_test {

class CounterProcess {
 public:
  CounterProcess();
  CounterProcess(const CounterProcess&) = delete;
  CounterProcess& operator=(const CounterProcess&) = delete;
  ~CounterProcess();

  // Null when the counter did not come up.
  HWND window() const { return window_; }
  // How many messages `message` (WM_RBUTTONDOWN ...) the counter got.
  LRESULT Count(UINT message) const;

 private:
  harness::ChildProcess process_;
  HWND window_ = nullptr;
};

// The centre of the counter's window on the screen.
POINT CounterCentre();

}  // namespace mousehook_test
