// Text crossing between the server's interfaces (UTF-16 BSTRs) and the
// engine and the registry (8-bit text in the system's ANSI code page).
// Used by the dictionary object, the hub and the registry manager.
#pragma once

#include <oaidl.h>
#include <windows.h>

#include <string>

namespace morvex::dictsystem {

// `text` in the ANSI code page (characters it lacks become its default one).
std::string AnsiFromWide(const wchar_t* text, size_t length);
std::string AnsiFromBstr(BSTR text);

// A new BSTR from `length` bytes of ANSI text (null when it cannot be made).
BSTR BstrFromAnsi(const char* text, size_t length);

// Hands `text` (a NUL-terminated ANSI text, or null for none) to an out
// BSTR; E_OUTOFMEMORY when the copy cannot be made.
HRESULT CopyAnsiTo(const char* text, BSTR* out);

// At most `limit` bytes of `field`, up to its first NUL: the header's text
// fields fill their whole width without a terminator.
std::string BoundedText(const char* field, size_t limit);

}  // namespace morvex::dictsystem
