// What a running program holds, measured from outside the way a leak shows:
// its GDI and USER objects, its kernel handles, its private bytes and its
// windows. Where Wine does not give a count through the documented call
// (GetGuiResources, GetProcessHandleCount, PrivateUsage), the count is taken
// another way when there is one, and each count says how it was taken.
//
// Used by the soak run (soak.cpp).
#pragma once

#include <windows.h>

#include <cstdint>

namespace morvex::e2e {

// How a count was taken.
enum class CountSource {
  kDocumented,  // the documented call answered
  kAnotherWay,  // the documented call is a stub: counted another way
  kNotGiven,    // nobody gives it: the count is 0
};

struct Count {
  uint64_t value = 0;
  CountSource source = CountSource::kNotGiven;
};

struct ProcessCounts {
  Count gdiObjects;     // GetGuiResources, else the process's GDI handle table
  Count userObjects;    // GetGuiResources; Wine gives none
  Count kernelHandles;  // GetProcessHandleCount, else the system's handle list
  Count privateBytes;   // PrivateUsage, else PagefileUsage (Wine: resident anonymous memory)
  Count windows;        // the process's top-level windows and their descendants
};

// The counts of the process (opened with PROCESS_QUERY_INFORMATION |
// PROCESS_VM_READ) whose id is processId. False when the process cannot be
// asked at all.
bool MeasureProcess(HANDLE process, DWORD processId, ProcessCounts* counts);

}  // namespace morvex::e2e
