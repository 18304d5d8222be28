// Driving the popup road from outside, as a user does: keys pressed
// through SendInput, a program of the user's holding a selection
// (app/tests/selection_target), the tip read as it shows, the clipboard's
// text put and read.
//
// Used by the end-to-end popup tests and the popup benchmark.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "harness/ChildProcess.h"

namespace morvex::e2e {

constexpr wchar_t kTargetClass[] = L"MorvexSelectionTarget";
// Where selection_target.exe puts itself.
constexpr RECT kTargetPlace = {200, 150, 600, 350};
constexpr int kTipHeaderId = 621;
constexpr int kTipBodyId = 622;

// A combination as harness/KeyCombo names it ("ctrl+alt+s").
bool Press(const wchar_t* combination);
// The first descendant with the id (and of the class, when given).
HWND DescendantWithId(HWND root, int id, const wchar_t* className = nullptr);
// A window's text, read from outside; empty for null.
std::wstring TextOf(HWND window);

// Left-clicks at the point `at` gives (asked anew before each click) until
// `reacted` holds, twice at most: a click made while a page still slides
// into place is lost, as it is for a user, who clicks again.
bool ClickUntil(const std::function<POINT()>& at, const std::function<bool()>& reacted,
                DWORD timeoutMs);
// The program's open menu: a shown "#32768" window of the process that
// `programWindow` belongs to, or null. (Wine keeps a closed menu's window,
// hidden, and menus of other processes are none of the program's.)
HWND ProgramMenu(HWND programWindow);
// The middle of the window's rectangle on the screen.
POINT MiddleOf(HWND window);

bool PutClipboardText(const std::wstring& text);
std::wstring ClipboardText();

// A program of the user's holding text the way mode says (selection_target's
// modes: edit, asleep, command, delayed), in front, once it is ready.
class Target {
 public:
  Target(const wchar_t* mode, const wchar_t* text);
  ~Target();
  Target(const Target&) = delete;
  Target& operator=(const Target&) = delete;
  // Null when it did not come up.
  HWND window() const { return window_; }

 private:
  harness::ChildProcess process_;
  HWND window_ = nullptr;
};

struct Tip {
  HWND window = nullptr;
  RECT place = {};
  std::wstring header;
  std::wstring body;
};

// Waits for the tip shown with its header filled, and reads it.
bool WaitForTip(Tip* tip, DWORD timeoutMs);
bool TipShown();

}  // namespace morvex::e2e
