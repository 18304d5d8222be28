// The installed program as a user has it: MorvexSolo.exe started from the
// installation directory, its main window found and watched from outside,
// closed from outside, its options read and prepared through the options
// store as the program itself keeps them.
//
// Used by the end-to-end tests, which run in the prefix the installer
// installed into (the image directory comes in MORVEX_IMAGE).
#pragma once

#include <windows.h>

#include <string>

#include "PrefStore.h"
#include "com/ComPtr.h"
#include "harness/ChildProcess.h"

namespace morvex::e2e {

// A file of the installation directory, as Windows names it.
std::wstring InstalledFile(const wchar_t* name);

// The program's main window, hidden or shown, or null.
HWND FindMainWindow();
// The splash (or the about box) while it shows, or null.
HWND VisibleSplash();
// The first shown descendant of the class, or null.
HWND DescendantOfClass(HWND parent, const char* className);
// Every top-level window of the main window's class.
int CountMainWindows();
// The main window's status bar, a child of the main window's thread.
constexpr int kStatusBarId = 2000;
// True once the main window's thread has handled every message posted to
// it before the call, so that a check that they changed nothing can be
// made: a marker posted behind them to the status bar (its simple mode
// turned on) is seen handled, and the bar's parts are then given back.
// False when the marker was not handled within the bound.
bool PostedMessagesHandled(HWND mainWindow, DWORD timeoutMs);

// Waits with a bound until `done` holds; its last answer.
template <class Condition>
bool WaitUntil(Condition done, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  while (!done()) {
    if (GetTickCount() - start >= timeoutMs) return done();
    Sleep(20);
  }
  return true;
}

// The options as the program stores them: a placement, a language, or
// nothing at all (a fresh user).
struct StoredOptions {
  bool present = false;
  RECT position = {};
  long languageId = 0;
};
struct OptionsToStore {
  RECT position = {100, 120, 700, 560};
  long languageId = 1033;
  long mouseModifier = VK_SHIFT;  // the trigger: Shift and the right button
  long mouseKey = 0;
  long dictionaryHotKey = 'X';  // with Ctrl+Alt, as the options store's default
};
void ForgetOptions();
void StoreOptions(const OptionsToStore& options);
StoredOptions ReadOptions();
// The options store holding the stored options, read as the program reads
// them, for a test to look at or to change and Write; null when it cannot
// be had or read.
com::Ptr<IVelMorvexOpt> ReadStoredOptions();
// The stored hot key of a command (HKCmdQuickTip ...); false when none.
bool StoredHotKey(IVelMorvexOpt* options, long commandId, long* modifiers, long* virtualKey);
// One more hot-key record in the stored options.
struct HotKeyRecord {
  long commandId;
  long modifiers;
  long virtualKey;
};
void AddStoredHotKey(const HotKeyRecord& record);
// The stored last dictionary: its theme and languages.
void StoreLastDictionary(long theme, long langIn, long langOut);

class InstalledProgram {
 public:
  InstalledProgram() = default;
  ~InstalledProgram();
  InstalledProgram(const InstalledProgram&) = delete;
  InstalledProgram& operator=(const InstalledProgram&) = delete;

  // Starts MorvexSolo.exe; with DLL overrides for this run only
  // ("riched20=d") when given.
  bool Start(const wchar_t* dllOverrides = nullptr);
  // The main window once the program has placed it and runs its loop.
  HWND WaitForMainWindow(DWORD timeoutMs);
  // OK on the splash, as a user who does not wait for it; true once no
  // splash shows (also when none came up).
  bool SkipSplash();
  // Ends the program as another program would: WM_CLOSE to its window.
  void CloseFromOutside();
  // True when the program ended within timeoutMs, with its exit code; a
  // program still running then is terminated.
  bool WaitForExit(DWORD timeoutMs, DWORD* exitCode);

 private:
  harness::ChildProcess process_;
  bool started_ = false;
  bool ended_ = false;
};

// Bounds the tests wait with.
constexpr DWORD kStartTimeoutMs = 20000;
constexpr DWORD kExitTimeoutMs = 10000;
constexpr DWORD kReactionTimeoutMs = 5000;

}  // namespace morvex::e2e
