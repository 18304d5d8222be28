// What a test damages on purpose, put back when the test ends, however it
// ends: the values of a registry key of the current user, the bytes of a
// file. Each guard takes its copy when it is made and writes it back when
// it is destroyed.
//
// Used by the end-to-end fault tests, which delete, cut and garble the
// installed program's dictionaries and options.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace morvex::e2e {

// One registry value, as read.
struct RegistryValue {
  std::string name;
  DWORD type = REG_NONE;
  std::vector<BYTE> data;
};

// Every value of the key (no subkeys); empty when the key cannot be opened.
std::vector<RegistryValue> ValuesOfKey(HKEY root, const std::string& path);
// Deletes every value of the key; its subkeys stay.
void DeleteValuesOfKey(HKEY root, const std::string& path);

// The values of one key under HKEY_CURRENT_USER. The key is created again
// when the test deleted it; values the test added are deleted.
class KeyValuesGuard {
 public:
  explicit KeyValuesGuard(std::string path);
  ~KeyValuesGuard();
  KeyValuesGuard(const KeyValuesGuard&) = delete;
  KeyValuesGuard& operator=(const KeyValuesGuard&) = delete;

 private:
  std::string path_;
  std::vector<RegistryValue> saved_;
};

// A file's whole content, or its absence.
struct FileContent {
  bool exists = false;
  std::vector<char> bytes;
};
FileContent ReadFileContent(const std::wstring& path);
bool WriteFileContent(const std::wstring& path, const std::vector<char>& bytes);

class FileGuard {
 public:
  explicit FileGuard(std::wstring path);
  ~FileGuard();
  FileGuard(const FileGuard&) = delete;
  FileGuard& operator=(const FileGuard&) = delete;
  const FileContent& original() const { return saved_; }

 private:
  std::wstring path_;
  FileContent saved_;
};

}  // namespace morvex::e2e
