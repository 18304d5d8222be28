#include "localekit/InstalledLanguages.h"

#include <windows.h>

#include <cstdlib>
#include <utility>

namespace morvex::localekit {

namespace {

// A registry key name has at most 255 characters; in a multi-byte code
// page each may take two bytes.
constexpr DWORD kKeyNameBufferBytes = 2 * 255 + 1;

class OpenKey {
 public:
  OpenKey(HKEY root, const wchar_t* path) {
    if (RegOpenKeyExW(root, path, 0, KEY_READ, &key_) != ERROR_SUCCESS) key_ = nullptr;
  }
  OpenKey(const OpenKey&) = delete;
  OpenKey& operator=(const OpenKey&) = delete;
  ~OpenKey() {
    if (key_) RegCloseKey(key_);
  }
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

}  // namespace

bool ReadInstalledLangIds(const wchar_t* keyPath, std::vector<long>* ids) {
  OpenKey key(HKEY_CURRENT_USER, keyPath ? keyPath : L"");
  if (!key.Get()) return false;
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
