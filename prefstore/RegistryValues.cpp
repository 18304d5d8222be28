// Registry helpers of the options store.
#include "prefstore/RegistryValues.h"

#include <new>

namespace morvex::prefstore {

bool QueryValue(HKEY key, const char* name, void* buffer, DWORD capacity, DWORD* size) {
  DWORD type = 0;
  *size = capacity;
  return RegQueryValueExA(key, name, nullptr, &type, static_cast<BYTE*>(buffer), size) ==
             ERROR_SUCCESS &&
         *size <= capacity;
}

bool QueryWholeValue(HKEY key, const char* name, std::vector<BYTE>* bytes) {
  DWORD size = 0;
  if (RegQueryValueExA(key, name, nullptr, nullptr, nullptr, &size) != ERROR_SUCCESS) return false;
  try {
    bytes->assign(size, 0);
  } catch (const std::bad_alloc&) {
    return false;
  }
  DWORD read = size;
  if (RegQueryValueExA(key, name, nullptr, nullptr, bytes->data(), &read) != ERROR_SUCCESS ||
      read > size)
    return false;
  bytes->resize(read);
  return true;
}

void SetValue(HKEY key, const char* name, DWORD type, const void* data, size_t size) {
  RegSetValueExA(key, name, 0, type, static_cast<const BYTE*>(data), static_cast<DWORD>(size));
}

}  // namespace morvex::prefstore
