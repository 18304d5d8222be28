// Wine's own notepad as the user's program: opened on a file of words, its
// plain edit field holding them, a word selected with the keys a user
// presses (Ctrl+Home, Ctrl+Right, Shift+Ctrl+Right) or one word held alone
// and selected whole, as after a double click on it, and the screen point
// of a character for a click on a word.
//
// Used by the end-to-end day of use and the soak run.
#pragma once

#include <windows.h>

#include <string>

#include "harness/ChildProcess.h"

namespace morvex::e2e {

class Notepad {
 public:
  // Writes the words to a file of the temporary directory and opens it
  // (an empty notepad for no words), placed at `place`; window() is null
  // when notepad did not come up.
  Notepad(const std::string& words, const RECT& place);
  ~Notepad();
  Notepad(const Notepad&) = delete;
  Notepad& operator=(const Notepad&) = delete;

  HWND window() const { return window_; }
  HWND edit() const { return edit_; }
  // Notepad in front, with the keyboard's focus.
  bool BringForward() const;
  // Brings notepad forward and selects the word'th word (0 the first) with
  // the keys; true once the edit field's selection starts at `start`.
  bool SelectWord(int word, int start) const;
  // The word as notepad's only text, all of it selected, notepad in front.
  // False when notepad did not take it or did not come to the front in time.
  bool Hold(const std::wstring& word) const;
  // The selection's first and last character, as the edit field reports.
  DWORD Selection() const;
  // A point on the character at `index`, on the screen.
  POINT PointOf(int index) const;

 private:
  harness::ChildProcess process_;
  std::wstring file_;
  HWND window_ = nullptr;
  HWND edit_ = nullptr;
};

}  // namespace morvex::e2e
