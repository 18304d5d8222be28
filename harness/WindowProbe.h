// Finding, reading, posting to and closing top-level windows of any process
// on the desktop, so that a test under Wine never waits on a message box
// nobody will press.
//
// Used by the winprobe program and by test programs that watch for their
// own dialogs from a second thread; WindowTree reads whole trees with it.
// Texts are wide; the program prints them as UTF-8.
#pragma once

#include <windows.h>

#include <functional>
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

// The window's class name; empty when the window is gone.
std::wstring ClassOf(HWND window);

// The window's text, asked with a bound of a second. False when the
// window's thread did not answer in time (it hangs, or is busy); *text is
// then empty.
bool ReadText(HWND window, std::wstring* text);

// Every visible top-level window that matches, in Z order.
std::vector<HWND> FindWindows(const WindowMatch& match);

// The first descendant of `root`, in the order EnumChildWindows walks them,
// for which `matches` holds; null when none does.
HWND FindDescendant(HWND root, const std::function<bool(HWND)>& matches);

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

// Posts a message to a window of any process and returns at once; whether
// and when it is handled is the caller's to watch. False when the window is
// gone or the system refused the message (messages whose parameters point
// at memory, such as WM_SETTEXT, cannot be posted: GetLastError says why).
bool PostToWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

}  // namespace harness
