// Thin helpers over the registry calls of the options store: an owned key,
// and queries that never write more than the caller's buffer holds.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace morvex::prefstore {

// An open registry key, closed when it goes away.
class RegistryKey {
 public:
  RegistryKey() = default;
  RegistryKey(const RegistryKey&) = delete;
  RegistryKey& operator=(const RegistryKey&) = delete;
  ~RegistryKey();

  // Opens `path` under `root` with full access, creating what is missing.
  bool OpenOrCreate(HKEY root, const std::string& path);
  HKEY Get() const { return key_; }

 private:
  HKEY key_ = nullptr;
};

// Reads value `name` into `buffer` of `capacity` bytes whatever its type;
// false when it is missing, longer than `capacity` or unreadable.
bool QueryValue(HKEY key, const char* name, void* buffer, DWORD capacity, DWORD* size);

// Reads the whole of value `name`; false when it is missing or unreadable.
bool QueryWholeValue(HKEY key, const char* name, std::vector<BYTE>* bytes);

// Writes value `name`; a failure leaves the stored value as it was.
void SetValue(HKEY key, const char* name, DWORD type, const void* data, size_t size);

}  // namespace morvex::prefstore
