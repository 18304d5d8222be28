// Key combinations as tests write them ("ctrl+alt+s", "shift+f10", "esc")
// and pressing them through SendInput, the way a hot-key test reaches a
// program under Wine without a real keyboard or X focus.
//
// Used by the sendkeys program; test programs may press keys themselves.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace harness {

struct KeyStroke {
  WORD virtualKey = 0;
  bool extended = false;  // navigation keys, the Windows keys
};

// Names joined by "+", any case: ctrl, alt, shift, win, a-z, 0-9, f1-f24,
// esc, enter, tab, space, backspace, insert, delete, home, end, pageup,
// pagedown, left, right, up, down, plus, minus, comma, period, or a virtual
// key as 0xNN. Keys go down in the order written and up in reverse.
// False with a message in *error for an empty, unknown or repeated name.
bool ParseKeyCombo(const std::wstring& text, std::vector<KeyStroke>* keys, std::wstring* error);

// Presses and releases the keys in one SendInput call. False when the
// system took fewer events than given.
bool SendKeyCombo(const std::vector<KeyStroke>& keys);

}  // namespace harness
