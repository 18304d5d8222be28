#include "com/testing/RegistryRead.h"

#include <objbase.h>

namespace morvex::com::testing {

namespace {

constexpr wchar_t kMissing[] = L"<none>";

}  // namespace

std::wstring ReadRegistryString(HKEY root, const std::wstring& path, const wchar_t* name) {
  wchar_t data[1024] = {};
  DWORD size = sizeof data - sizeof(wchar_t);
  if (RegGetValueW(root, path.c_str(), name, RRF_RT_REG_SZ, nullptr, data, &size) != ERROR_SUCCESS)
    return kMissing;
  return data;
}

bool RegistryKeyExists(HKEY root, const std::wstring& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExW(root, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

std::wstring ReadClassesValue(const std::wstring& path, const wchar_t* name) {
  return ReadRegistryString(HKEY_CLASSES_ROOT, path, name);
}

bool ClassesKeyExists(const std::wstring& path) {
  return RegistryKeyExists(HKEY_CLASSES_ROOT, path);
}

std::wstring GuidText(REFGUID guid) {
  wchar_t text[64] = {};
  StringFromGUID2(guid, text, 64);
  return text;
}

}  // namespace morvex::com::testing
