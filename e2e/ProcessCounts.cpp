#include "e2e/ProcessCounts.h"

#include <psapi.h>
#include <winternl.h>

#include <vector>

#include "com/ProcAddress.h"

namespace morvex::e2e {

namespace {

// Wine keeps each process's GDI objects in a table of its own, named by the
// process's PEB (GdiSharedHandleTable); a used entry has a non-zero type.
// The layout is the one of the 64-bit PEB and of Wine's GDI_HANDLE_ENTRY.
constexpr size_t kPebGdiTableOffset = 0xF8;
constexpr size_t kGdiTableEntries = 0x10000;
#pragma pack(push, 1)
struct GdiTableEntry {
  uint64_t object;    // offset 0
  uint32_t owner;     // offset 8: process id and count
  uint16_t unique;    // offset 12
  uint8_t type;       // offset 14: 0 for a free entry
  uint8_t flags;      // offset 15
  uint64_t userData;  // offset 16
};
#pragma pack(pop)
static_assert(sizeof(GdiTableEntry) == 24, "Wine's GDI handle entry is 24 bytes");

// NtQuerySystemInformation's list of every process's kernel handles
// (SystemHandleInformation), which Wine's wineserver answers.
constexpr ULONG kSystemHandleInformation = 16;
constexpr LONG kInfoLengthMismatch = static_cast<LONG>(0xC0000004);
struct SystemHandleEntry {
  ULONG processId;
  BYTE objectType;
  BYTE flags;
  USHORT handle;
  PVOID object;
  ACCESS_MASK access;
};
struct SystemHandleList {
  ULONG count;
  SystemHandleEntry entries[1];
};

template <class Proc>
Proc NtEntry(const char* name) {
  return com::ProcAddress<Proc>(GetModuleHandleW(L"ntdll.dll"), name);
}

bool ReadRemote(HANDLE process, uint64_t address, void* into, size_t size) {
  SIZE_T read = 0;
  return ReadProcessMemory(process, reinterpret_cast<const void*>(address), into, size, &read) &&
         read == size;
}

Count GdiTableCount(HANDLE process) {
  auto query = NtEntry<decltype(&NtQueryInformationProcess)>("NtQueryInformationProcess");
  PROCESS_BASIC_INFORMATION basic = {};
  ULONG length = 0;
  if (!query || query(process, ProcessBasicInformation, &basic, sizeof basic, &length) != 0)
    return {};
  uint64_t table = 0;
  if (!ReadRemote(process, reinterpret_cast<uint64_t>(basic.PebBaseAddress) + kPebGdiTableOffset,
                  &table, sizeof table) ||
      !table)
    return {};
  std::vector<GdiTableEntry> entries(kGdiTableEntries);
  if (!ReadRemote(process, table, entries.data(), entries.size() * sizeof(GdiTableEntry)))
    return {};
  Count count{0, CountSource::kAnotherWay};
  for (const GdiTableEntry& entry : entries) count.value += entry.type != 0 ? 1 : 0;
  return count;
}

Count SystemListHandleCount(DWORD processId) {
  auto query = NtEntry<decltype(&NtQuerySystemInformation)>("NtQuerySystemInformation");
  if (!query) return {};
  std::vector<char> buffer(1 << 20);
  LONG status = 0;
  ULONG length = 0;
  while ((status = query(static_cast<SYSTEM_INFORMATION_CLASS>(kSystemHandleInformation),
                         buffer.data(), static_cast<ULONG>(buffer.size()), &length)) ==
             kInfoLengthMismatch &&
         buffer.size() < (64u << 20)) {
    buffer.resize(buffer.size() * 2);
  }
  if (status != 0) return {};
  const auto* list = reinterpret_cast<const SystemHandleList*>(buffer.data());
  const size_t room =
      (buffer.size() - offsetof(SystemHandleList, entries)) / sizeof(SystemHandleEntry);
  Count count{0, CountSource::kAnotherWay};
  for (size_t i = 0; i < list->count && i < room; ++i)
    count.value += list->entries[i].processId == processId ? 1 : 0;
  return count;
}

Count WindowCount(DWORD processId) {
  struct Tally {
    DWORD processId;
    uint64_t windows;
  } tally = {processId, 0};
  EnumWindows(
      [](HWND window, LPARAM address) -> BOOL {
        auto* t = reinterpret_cast<Tally*>(address);
        DWORD owner = 0;
        GetWindowThreadProcessId(window, &owner);
        if (owner != t->processId) return TRUE;
        ++t->windows;
        EnumChildWindows(
            window,
            [](HWND, LPARAM inner) -> BOOL {
              ++reinterpret_cast<Tally*>(inner)->windows;
              return TRUE;
            },
            address);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&tally));
  return {tally.windows, CountSource::kDocumented};
}

}  // namespace

bool MeasureProcess(HANDLE process, DWORD processId, ProcessCounts* counts) {
  DWORD exitCode = 0;
  if (!process || !GetExitCodeProcess(process, &exitCode) || exitCode != STILL_ACTIVE) return false;
  *counts = ProcessCounts();
  // A running program always holds some GDI and USER objects and handles:
  // 0 is the answer of a stub (Wine's GetGuiResources fails with
  // ERROR_CALL_NOT_IMPLEMENTED; its GetProcessHandleCount gives 0).
  if (DWORD gdi = GetGuiResources(process, GR_GDIOBJECTS))
    counts->gdiObjects = {gdi, CountSource::kDocumented};
  else
    counts->gdiObjects = GdiTableCount(process);
  if (DWORD user = GetGuiResources(process, GR_USEROBJECTS))
    counts->userObjects = {user, CountSource::kDocumented};
  DWORD handles = 0;
  if (GetProcessHandleCount(process, &handles) && handles)
    counts->kernelHandles = {handles, CountSource::kDocumented};
  else
    counts->kernelHandles = SystemListHandleCount(processId);
  PROCESS_MEMORY_COUNTERS_EX memory = {};
  memory.cb = sizeof memory;
  if (GetProcessMemoryInfo(process, reinterpret_cast<PROCESS_MEMORY_COUNTERS*>(&memory),
                           sizeof memory)) {
    if (memory.PrivateUsage)
      counts->privateBytes = {memory.PrivateUsage, CountSource::kDocumented};
    else if (memory.PagefileUsage)
      counts->privateBytes = {memory.PagefileUsage, CountSource::kAnotherWay};
  }
  counts->windows = WindowCount(processId);
  return true;
}

}  // namespace morvex::e2e
