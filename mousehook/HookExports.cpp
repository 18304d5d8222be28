// The library's three entry points, exported undecorated by
// VelMouseHook.def.
#include <mutex>
#include <type_traits>

#include "mousehook/HookSettings.h"
#include "mousehook/HookThread.h"
#include "mousehook/VelMouseHook.h"

namespace {

using morvex::mousehook::HookThread;

// InstallFilter may come from any thread of the program.
std::mutex installMutex;
HookThread hookThread;

}  // namespace

extern "C" {

BOOL __cdecl InitHooksDll(HWND listener, int /*reserved*/) {
  bool usable = listener == nullptr || IsWindow(listener);
  morvex::mousehook::SetListener(usable ? listener : nullptr);
  return usable;
}

BOOL __cdecl InstallFilter(int /*kind*/, int /*flags*/) {
  std::lock_guard<std::mutex> lock(installMutex);
  if (hookThread.Running()) {
    hookThread.Stop();
    return FALSE;
  }
  return hookThread.Start();
}

void __cdecl SetKey(int modifier, int mouseKey) {
  morvex::mousehook::SetTrigger(morvex::mousehook::TriggerFromKeys(modifier, mouseKey));
}

}  // extern "C"

// The program calls through the header's pointer types.
static_assert(std::is_same_v<decltype(&InitHooksDll), InitHooksDllProc>);
static_assert(std::is_same_v<decltype(&InstallFilter), InstallFilterProc>);
static_assert(std::is_same_v<decltype(&SetKey), SetKeyProc>);
