// The decision the hook makes on each mouse-button event: a press of the
// trigger button with the modifier held, over a window of another process,
// is reported to the listening window and taken away from the window under
// the cursor, and so is the release that belongs to it (a window that got
// only the release would act on a click the user never gave it). Every
// other event passes.
//
// Used by the hook thread, on that thread only: one filter per thread, no
// locking.
#pragma once

#include <windows.h>

namespace morvex::mousehook {

// The point packed as kHookClickMessage carries it: x in the low and y in
// the high word, each a signed 16-bit value (cut to that range).
LPARAM PackPoint(POINT at);

class TriggerFilter {
 public:
  // True when the event with this low-level hook message (WM_LBUTTONDOWN
  // ...) at this screen point must not reach any window.
  bool Take(WPARAM message, POINT at);

 private:
  bool TakePress(int button, POINT at);

  // Per button (the TriggerButton values): its press was taken and its
  // release is still to come. Kept apart from the trigger, so that a
  // SetKey between the press and the release still takes the release.
  bool releasePending_[2] = {};
};

}  // namespace morvex::mousehook
