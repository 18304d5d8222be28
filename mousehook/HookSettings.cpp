#include "mousehook/HookSettings.h"

#include <atomic>

#include "mousehook/VelMouseHook.h"

namespace morvex::mousehook {

namespace {

std::atomic<HWND> listener{nullptr};
// Off until the program names one: a click is never taken by surprise.
std::atomic<Trigger> trigger{Trigger{}};

static_assert(std::atomic<Trigger>::is_always_lock_free,
              "the hook thread must never wait on the program's thread");

}  // namespace

Trigger TriggerFromKeys(int modifier, int mouseKey) {
  bool knownModifier = modifier == VK_SHIFT || modifier == VK_CONTROL || modifier == VK_MENU;
  bool knownKey = mouseKey == kRightButton || mouseKey == kLeftButton;
  if (!knownModifier || !knownKey) return Trigger{};
  return {static_cast<BYTE>(modifier),
          mouseKey == kLeftButton ? TriggerButton::kLeft : TriggerButton::kRight};
}

void SetListener(HWND window) { listener.store(window); }

HWND Listener() { return listener.load(); }

void SetTrigger(Trigger chosen) { trigger.store(chosen); }

Trigger CurrentTrigger() { return trigger.load(); }

}  // namespace morvex::mousehook
