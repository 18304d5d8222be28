#include "app/MouseHookLibrary.h"

#include <string>

#include "app/InterfaceResources.h"
#include "app/Resources.h"
#include "com/ProcAddress.h"

namespace morvex::solo {

namespace {

// The filter the program asks for, at the start and again at the end.
constexpr int kMouseFilter = 6;
constexpr int kFilterToggle = 1;

template <class Function>
Function EntryPoint(HMODULE module, UINT nameId) {
  return com::ProcAddress<Function>(module, ProgramString(nameId).c_str());
}

}  // namespace

void MouseHookLibrary::Start(HWND window, long modifier, long mouseKey) {
  module_ = LoadLibraryA(ProgramString(IDS_HOOK_LIBRARY_FILE).c_str());
  if (!module_) return;
  initHooks_ = EntryPoint<InitHooksDllProc>(module_, IDS_HOOK_INIT_ENTRY);
  installFilter_ = EntryPoint<InstallFilterProc>(module_, IDS_HOOK_INSTALL_FILTER_ENTRY);
  setKey_ = EntryPoint<SetKeyProc>(module_, IDS_HOOK_SET_KEY_ENTRY);
  if (initHooks_) initHooks_(window, 0);
  if (installFilter_) installFilter_(kMouseFilter, kFilterToggle);
  SetKey(modifier, mouseKey);
}

void MouseHookLibrary::SetKey(long modifier, long mouseKey) {
  if (setKey_) setKey_(static_cast<int>(modifier), static_cast<int>(mouseKey));
}

void MouseHookLibrary::Stop() {
  if (installFilter_) installFilter_(kMouseFilter, kFilterToggle);
}

}  // namespace morvex::solo
