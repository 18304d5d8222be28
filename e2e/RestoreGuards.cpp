#include "e2e/RestoreGuards.h"

#include <utility>

#include "com/RegistryKey.h"

namespace morvex::e2e {

std::vector<RegistryValue> ValuesOfKey(HKEY root, const std::string& path) {
  std::vector<RegistryValue> values;
  com::RegistryKey key;
  if (!key.Open(root, path, KEY_READ)) return values;
  DWORD count = 0, longestName = 0, longestData = 0;
  if (RegQueryInfoKeyA(key.Get(), nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &count,
                       &longestName, &longestData, nullptr, nullptr) != ERROR_SUCCESS)
    return values;
  std::vector<char> name(longestName + 1);
  for (DWORD index = 0; index < count; ++index) {
    RegistryValue value;
    value.data.resize(longestData + 1);
    DWORD nameLength = static_cast<DWORD>(name.size());
    DWORD size = static_cast<DWORD>(value.data.size());
    if (RegEnumValueA(key.Get(), index, name.data(), &nameLength, nullptr, &value.type,
                      value.data.data(), &size) != ERROR_SUCCESS)
      continue;
    value.name.assign(name.data(), nameLength);
    value.data.resize(size);
    values.push_back(std::move(value));
  }
  return values;
}

void DeleteValuesOfKey(HKEY root, const std::string& path) {
  com::RegistryKey key;
  if (!key.Open(root, path, KEY_ALL_ACCESS)) return;
  char name[256];
  for (;;) {
    DWORD length = sizeof name;
    if (RegEnumValueA(key.Get(), 0, name, &length, nullptr, nullptr, nullptr, nullptr) !=
            ERROR_SUCCESS ||
        RegDeleteValueA(key.Get(), name) != ERROR_SUCCESS)
      break;
  }
}

KeyValuesGuard::KeyValuesGuard(std::string path)
    : path_(std::move(path)), saved_(ValuesOfKey(HKEY_CURRENT_USER, path_)) {}

KeyValuesGuard::~KeyValuesGuard() {
  DeleteValuesOfKey(HKEY_CURRENT_USER, path_);
  com::RegistryKey opened;
  if (!opened.OpenOrCreate(HKEY_CURRENT_USER, path_)) return;
  for (const RegistryValue& value : saved_) {
    RegSetValueExA(opened.Get(), value.name.c_str(), 0, value.type, value.data.data(),
                   static_cast<DWORD>(value.data.size()));
  }
}

FileContent ReadFileContent(const std::wstring& path) {
  FileContent content;
  HANDLE file = CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                            OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return content;
  content.exists = true;
  LARGE_INTEGER size = {};
  if (GetFileSizeEx(file, &size)) {
    content.bytes.resize(static_cast<size_t>(size.QuadPart));
    DWORD read = 0;
    if (!content.bytes.empty() &&
        (!ReadFile(file, content.bytes.data(), static_cast<DWORD>(content.bytes.size()), &read,
                   nullptr) ||
         read != content.bytes.size()))
      content.bytes.resize(read);
  }
  CloseHandle(file);
  return content;
}

bool WriteFileContent(const std::wstring& path, const std::vector<char>& bytes) {
  HANDLE file = CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS,
                            FILE_ATTRIBUTE_NORMAL, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  DWORD written = 0;
  const bool done =
      bytes.empty() || (WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written,
                                  nullptr) &&
                        written == bytes.size());
  CloseHandle(file);
  return done;
}

FileGuard::FileGuard(std::wstring path) : path_(std::move(path)), saved_(ReadFileContent(path_)) {}

FileGuard::~FileGuard() {
  if (saved_.exists) {
    WriteFileContent(path_, saved_.bytes);
  } else {
    DeleteFileW(path_.c_str());
  }
}

}  // namespace morvex::e2e
