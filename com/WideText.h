// Conversions between the UTF-16 text of COM and the Windows API and the
// two narrow encodings the system uses: UTF-8 (the portable registrar's
// scripts) and the ANSI code page (our windows' texts, and the libraries'
// strings: code page 1251 for Russian).
//
// Used by the framework's registration, the control host, and controls
// that pass BSTRs to ANSI windows.
#pragma once

#include <string>
#include <string_view>

namespace morvex::com {

std::wstring WideFromUtf8(std::string_view text);
std::string Utf8FromWide(std::wstring_view text);

// A character the code page lacks becomes the system's default character.
std::wstring WideFromAnsi(std::string_view text);
// The same for a code page named outright (a text shown in 1252 whatever
// the system's code page is).
std::wstring WideFromCodePage(unsigned codePage, std::string_view text);
std::string AnsiFromWide(std::wstring_view text);

}  // namespace morvex::com
