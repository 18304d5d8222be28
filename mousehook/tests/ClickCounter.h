// The click counter: a window of a second process that counts the mouse
// buttons it gets, for the hook tests to tell a click the hook took from one
// that passed. What the counter program and the tests share.
#pragma once

#include <windows.h>

namespace mousehook_test {

constexpr wchar_t kCounterClass[] = L"MorvexClickCounter";
constexpr wchar_t kCounterProgram[] = L"click_counter.exe";

// Screen rectangle of the counter's topmost popup.
constexpr RECT kCounterPlace = {100, 100, 400, 300};

// Sent to the counter with a button message number (WM_RBUTTONDOWN ...) in
// wParam: the answer is how many of those it got.
constexpr UINT kCountQuery = WM_APP + 1;

}  // namespace mousehook_test
