// The Windows registry behind the registrar.
#include "com/Win32Registry.h"

#include <windows.h>

#include "com/RegistryKey.h"
#include "com/WideText.h"

namespace morvex::com {
namespace {

using registrar::Root;

HKEY RootKey(Root root) {
  switch (root) {
    case Root::kClassesRoot:
      return HKEY_CLASSES_ROOT;
    case Root::kCurrentUser:
      return HKEY_CURRENT_USER;
    case Root::kLocalMachine:
      return HKEY_LOCAL_MACHINE;
  }
  return nullptr;
}

bool OpenKey(RegistryKey* key, Root root, const std::string& path, REGSAM access) {
  return key->Open(RootKey(root), WideFromUtf8(path).c_str(), access);
}

}  // namespace

bool Win32Registry::CreateKey(Root root, const std::string& path) {
  HKEY key = nullptr;
  if (RegCreateKeyExW(RootKey(root), WideFromUtf8(path).c_str(), 0, nullptr, 0, KEY_WRITE, nullptr,
                      &key, nullptr) != ERROR_SUCCESS)
    return false;
  RegCloseKey(key);
  return true;
}

bool Win32Registry::KeyExists(Root root, const std::string& path) {
  RegistryKey key;
  return OpenKey(&key, root, path, KEY_READ);
}

bool Win32Registry::DeleteTree(Root root, const std::string& path) {
  LONG result = RegDeleteTreeW(RootKey(root), WideFromUtf8(path).c_str());
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool Win32Registry::SetValue(Root root, const std::string& path, const std::string& name,
                             const registrar::Value& value) {
  RegistryKey key;
  if (!OpenKey(&key, root, path, KEY_SET_VALUE)) return false;
  std::wstring valueName = WideFromUtf8(name);
  LONG result;
  if (value.type == registrar::Value::Type::kNumber) {
    DWORD number = value.number;
    result = RegSetValueExW(key.Get(), valueName.c_str(), 0, REG_DWORD,
                            reinterpret_cast<const BYTE*>(&number), sizeof number);
  } else {
    std::wstring text = WideFromUtf8(value.text);
    result = RegSetValueExW(key.Get(), valueName.c_str(), 0, REG_SZ,
                            reinterpret_cast<const BYTE*>(text.c_str()),
                            static_cast<DWORD>((text.size() + 1) * sizeof(wchar_t)));
  }
  return result == ERROR_SUCCESS;
}

bool Win32Registry::DeleteValue(Root root, const std::string& path, const std::string& name) {
  RegistryKey key;
  if (!OpenKey(&key, root, path, KEY_SET_VALUE)) return false;
  LONG result = RegDeleteValueW(key.Get(), WideFromUtf8(name).c_str());
  return result == ERROR_SUCCESS || result == ERROR_FILE_NOT_FOUND;
}

bool Win32Registry::ListKey(Root root, const std::string& path, registrar::KeyListing* listing) {
  RegistryKey key;
  if (!OpenKey(&key, root, path, KEY_READ)) return false;
  DWORD subkeys = 0, values = 0, longestName = 0;
  if (RegQueryInfoKeyW(key.Get(), nullptr, nullptr, nullptr, &subkeys, nullptr, nullptr, &values,
                       &longestName, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
    return false;
  listing->subkeyCount = subkeys;
  listing->valueNames.clear();
  std::wstring name(longestName + 1, L'\0');
  for (DWORD i = 0; i < values; ++i) {
    DWORD length = static_cast<DWORD>(name.size());
    if (RegEnumValueW(key.Get(), i, &name[0], &length, nullptr, nullptr, nullptr, nullptr) !=
        ERROR_SUCCESS)
      return false;
    listing->valueNames.push_back(Utf8FromWide(std::wstring_view(name.data(), length)));
  }
  return true;
}

}  // namespace morvex::com
