#include "localekit/InstalledLanguages.h"

#include <windows.h>

#include <cstdlib>
#include <utility>

#include "com/RegistryKey.h"

namespace morvex::localekit {

namespace {

// A registry key name has at most 255 characters; in a multi-byte code
// page each may take two bytes.
constexpr DWORD kKeyNameBufferBytes = 2 * 255 + 1;

}  // namespace

bool ReadInstalledLangIds(const wchar_t* keyPath, std::vector<long>* ids) {
  com::RegistryKey key;
  if (!key.Open(HKEY_CURRENT_USER, keyPath ? keyPath : L"", KEY_READ)) return false;
  DWORD subkeys = 0;
  if (RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, nullptr,
                       nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS ||
      subkeys == 0)
    return false;

  // Filled from the back: when an enumeration fails, what was read is the
  // tail from `first` on.
  std::vector<long> read(subkeys);
  DWORD first = subkeys;
  char name[kKeyNameBufferBytes];
  while (first > 0) {
    DWORD index = first - 1;
    DWORD length = kKeyNameBufferBytes;
    if (RegEnumKeyExA(key.Get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      break;
    name[length < kKeyNameBufferBytes ? length : kKeyNameBufferBytes - 1] = '\0';
    read[index] = std::strtol(name, nullptr, 16);
    first = index;
  }
  if (first == subkeys) return false;
  read.erase(read.begin(), read.begin() + first);
  *ids = std::move(read);
  return true;
}

}  // namespace morvex::localekit
