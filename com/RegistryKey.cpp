#include "com/RegistryKey.h"

namespace morvex::com {

RegistryKey::~RegistryKey() { Close(); }

void RegistryKey::Close() {
  if (key_) RegCloseKey(key_);
  key_ = nullptr;
}

bool RegistryKey::Kept(LONG result) {
  // A failed call may leave anything in the handle it was given.
  if (result != ERROR_SUCCESS) key_ = nullptr;
  return result == ERROR_SUCCESS;
}

bool RegistryKey::Open(HKEY parent, const wchar_t* path, REGSAM access) {
  Close();
  return Kept(RegOpenKeyExW(parent, path, 0, access, &key_));
}

bool RegistryKey::Open(HKEY parent, const std::string& path, REGSAM access) {
  Close();
  return Kept(RegOpenKeyExA(parent, path.c_str(), 0, access, &key_));
}

bool RegistryKey::OpenOrCreate(HKEY parent, const std::string& path) {
  Close();
  return Kept(RegCreateKeyExA(parent, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                              KEY_ALL_ACCESS, nullptr, &key_, nullptr));
}

}  // namespace morvex::com
