// Reading the registry lists of installed dictionaries and theme names:
// string values read with their returned size (the data of a value need not
// end in a NUL), and the key texts from the string table. Used by the
// registry manager's listings.
#pragma once

#include <windows.h>

#include <string>

namespace morvex::dictsystem {

// `size` bytes of registry data as text: up to the first NUL, if any.
std::string TextFromData(const BYTE* data, DWORD size);

// The string value `name` of `key` (REG_SZ or REG_EXPAND_SZ, unexpanded);
// false when it is missing, empty or of another type.
bool ReadStringValue(HKEY key, const char* name, std::string* text);

// String `id` of the server's string table, ANSI; false when it has none.
bool LoadKeyText(UINT id, std::string* text);

}  // namespace morvex::dictsystem
