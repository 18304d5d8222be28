// The header in front of every MCString's characters. Internal to MorvexBase:
// MCString.cpp manages it, and the string tests read it (the characters minus
// one header) to observe sharing and locking.
//
// One block from MAlloc holds the header, the characters and a NUL:
//   offset 0   int32   reference count: 1 unshared, > 1 shared, -1 locked
//                      (and on the static empty string, which is never counted)
//   offset 4   uint16  language id (2 padding bytes follow)
//   offset 8   int32   length, characters without the terminator
//   offset 12  int32   capacity, characters that fit without reallocation
//   offset 16          the characters, NUL at length
#pragma once

#include <cstdint>

struct MCStringData {
  int32_t refs;
  uint16_t langId;
  int32_t length;
  int32_t capacity;

  char* Chars() { return reinterpret_cast<char*>(this + 1); }
  static MCStringData* Of(const char* chars) {
    return reinterpret_cast<MCStringData*>(const_cast<char*>(chars)) - 1;
  }
};

static_assert(sizeof(MCStringData) == 16, "the characters follow the header at offset 16");

// Reference count of a locked buffer and of the static empty string.
constexpr int32_t kMCStringLocked = -1;

// The longest string a buffer can hold: its block size must fit in an int32.
constexpr long long kMCStringMaxLength =
    0x7FFFFFFF - static_cast<long long>(sizeof(MCStringData)) - 1;

// A length computed from others, checked against kMCStringMaxLength. A string
// that cannot be held ends the process like running out of memory: no string
// operation can report a failure.
int MCStringCheckedLength(long long length);
[[noreturn]] void MCStringOutOfMemory();
