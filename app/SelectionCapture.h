// The capture of the selection of another program: the window (and, by the
// way the user asked, its focus child, its parents or its descendants) is
// asked to copy, and what reached the clipboard is read; failing that, the
// window's own text. The user's clipboard text is kept and put back however
// the capture ends (other clipboard formats go), and a program that does not
// answer in time ends the capture instead of freezing the dictionary.
//
// Used by the tip host for the popup translation.
#pragma once

#include <windows.h>

#include <string>

namespace morvex::solo {

// How the user asked: the hot key (the foreground window) or the mouse
// trigger (the window under the click).
enum class CaptureMode { kHotKey, kMouse };

// True when the clipboard held text after the copy requests and could be
// read: *text is then the captured text, untrimmed (at most 126 bytes of the
// clipboard, or 124 characters of the window's text; it may be empty).
// False when nothing came, the clipboard could not be had or a window did
// not answer. The clipboard is opened for clipboardOwner.
bool CaptureSelection(HWND window, CaptureMode mode, HWND clipboardOwner, std::string* text);

// The word on the clipboard, as the dictionary hot key and the tray's
// Dictionary command take it: at most 126 bytes of its text, trimmed to a
// word (empty when the text holds no letter). False when the clipboard
// holds no text or cannot be opened; the clipboard is left as it is.
bool ReadClipboardWord(std::string* word);

// A letter of the system's ANSI code page.
bool IsAnsiLetter(unsigned char c);

}  // namespace morvex::solo
