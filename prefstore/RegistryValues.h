// Thin helpers over the registry calls of the options store: queries that
// never write more than the caller's buffer holds.
#pragma once

#include <windows.h>

#include <vector>

namespace morvex::prefstore {

// Reads value `name` into `buffer` of `capacity` bytes whatever its type;
// false when it is missing, longer than `capacity` or unreadable.
bool QueryValue(HKEY key, const char* name, void* buffer, DWORD capacity, DWORD* size);

// Reads the whole of value `name`; false when it is missing or unreadable.
bool QueryWholeValue(HKEY key, const char* name, std::vector<BYTE>* bytes);

// Writes value `name`; a failure leaves the stored value as it was.
void SetValue(HKEY key, const char* name, DWORD type, const void* data, size_t size);

}  // namespace morvex::prefstore
