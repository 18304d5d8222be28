// What the program chose through the entry points: the window that hears
// the trigger and the trigger itself. The program's thread sets them at any
// time; the hook thread reads them on every mouse event, so each is one
// atomic value and a change takes effect from the next event on.
//
// Used by the entry points (HookExports.cpp) and the trigger filter.
#pragma once

#include <windows.h>

namespace morvex::mousehook {

enum class TriggerButton : BYTE { kRight, kLeft };

struct Trigger {
  BYTE modifierKey = 0;  // virtual key to hold; 0: the trigger is off
  TriggerButton button = TriggerButton::kRight;
};

// The trigger that SetKey's values name, or an off one for any value
// outside VK_SHIFT, VK_CONTROL, VK_MENU and kRightButton, kLeftButton.
Trigger TriggerFromKeys(int modifier, int mouseKey);

void SetListener(HWND window);
HWND Listener();

void SetTrigger(Trigger trigger);
Trigger CurrentTrigger();

}  // namespace morvex::mousehook
