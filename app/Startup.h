// The program's entry routine: one instance only, the apartment and the
// window libraries every window relies on, the hidden main window placed
// where it was, and the one message loop of the process.
//
// Used by WinMain, and by tests that run the routine in their own process
// with one of its steps replaced (the steps that talk to the platform are
// the routine's seams).
#pragma once

#include <windows.h>

namespace morvex::solo {

// What the routine asks of the platform at the steps that can fail.
struct StartupSteps {
  BOOL (*registerHostClass)();  // the control-hosting window class
  HMODULE (*loadRichEdit)();    // the rich-edit library, kept loaded
};

// The real steps.
extern const StartupSteps kPlatformSteps;

// The process exit code: 0 after a normal run and when another instance
// runs (its window is brought up), -1 when the control-hosting class
// cannot be registered (after a message box), -100 when the rich-edit
// library cannot be loaded, -2 when the main window cannot be made.
int RunMorvexSolo(const StartupSteps& steps);

// Exit codes other than 0.
constexpr int kExitNoHostClass = -1;
constexpr int kExitNoMainWindow = -2;
constexpr int kExitNoRichEdit = -100;

}  // namespace morvex::solo
