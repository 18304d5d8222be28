// Numbers as tests write them on a harness program's command line: window
// handles, message numbers and parameters, timeouts, screen coordinates,
// virtual keys.
//
// Used by winprobe, sendkeys and the key-combination parser, so that every
// harness program reads "42" and "0x2A" alike.
#pragma once

#include <cstdint>
#include <string>

namespace harness {

// A whole number in decimal or, after "0x", in hexadecimal (digits of
// either case), at most max. False for anything else (a sign, spaces, no
// digits, too large); *value is then untouched.
bool ParseUnsigned(const std::wstring& text, uint64_t max, uint64_t* value);

// The same with an optional leading "-", within the range of int: screen
// coordinates left of or above the primary monitor are negative.
bool ParseInt(const std::wstring& text, int* value);

}  // namespace harness
