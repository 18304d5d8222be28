// The interface languages installed in the registry: the subkeys of a key
// under HKEY_CURRENT_USER, each named by a language id in hexadecimal
// ("409" is 1033). Used by LocaleKitMngr's GetLangIDArray.
#pragma once

#include <vector>

namespace morvex::localekit {

// Reads the language ids of the subkeys of HKEY_CURRENT_USER\`keyPath`
// (an empty path: HKEY_CURRENT_USER itself) into `ids`, in the key's
// enumeration order. Each name reads as strtol reads base 16 (leading
// hexadecimal digits, 0 when there are none). The subkeys are enumerated
// from the last down to the first and the reading stops at the first that
// fails, so `ids` holds only the ids actually read: those of the subkeys
// after the failing one. False, with `ids` untouched, when the key cannot
// be opened or no id could be read.
bool ReadInstalledLangIds(const wchar_t* keyPath, std::vector<long>* ids);

}  // namespace morvex::localekit
