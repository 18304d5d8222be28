// Finding, reading and closing top-level windows of any process on the
// desktop, so that a test under Wine never waits on a message box nobody
// will press.
//
// Used by the winprobe program and by test programs that watch for their
// own dialogs from a second thread. Texts are wide; the program prints them
// as UTF-8.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace harness {

// What a window must look like to match. Empty fields match anything.
struct WindowMatch {
  std::wstring className;  // compared without regard to case
  std::wstring caption;    // compared exactly
};

// One child window that carries text: a static, a button, an edit ...
struct WindowItem {
  std::wstring className;
  int id = 0;
  std::wstring text;
};

struct WindowText {
  std::wstring className;
  std::wstring caption;
  std::vector<WindowItem> items;  // in the order the children were created
};

// The dialog class of message boxes and dialog boxes.
extern const wchar_t kDialogClass[];

// Every visible top-level window that matches, in Z order.
std::vector<HWND> FindWindows(const WindowMatch& match);

// The first matching window that appears within timeoutMs, or null.
HWND WaitForWindow(const WindowMatch& match, DWORD timeoutMs);

// Caption and the texts of the visible children. A window that stops
// answering gives empty texts instead of blocking the caller.
WindowText ReadWindowText(HWND window);

// Presses the child button named by button: its text ("&" mnemonics and
// case are ignored) or "#" and its id ("#7" is IDNO of a message box, the
// same in every interface language). False when there is no such button.
bool PressButton(HWND window, const std::wstring& button);

// Closes the window: WM_CLOSE first; a dialog that refuses it (a Yes/No
// message box has no Cancel) gets its default button, else its first one.
// True when the window is gone within timeoutMs.
bool CloseWindow(HWND window, DWORD timeoutMs);

// True when the window no longer exists within timeoutMs.
bool WaitUntilGone(HWND window, DWORD timeoutMs);

}  // namespace harness
