// The Windows side of file mapping: a read-only file mapping object and a
// view of all of it. The view keeps the mapping object alive, so its handle
// is closed at once.
#include <windows.h>

#include "base/platform/FileMapping.h"

namespace {

constexpr LONGLONG kSizeLimit = LONGLONG{1} << 31;

// As the file layer widens its handles (base/platform/FileSystem_win.cpp).
HANDLE ToHandle(int handle) { return reinterpret_cast<HANDLE>(static_cast<intptr_t>(handle)); }

}  // namespace

bool PlatformMapFile(int handle, const unsigned char** data, uint32_t* size) {
  LARGE_INTEGER length;
  if (!GetFileSizeEx(ToHandle(handle), &length)) return false;
  if (length.QuadPart <= 0 || length.QuadPart >= kSizeLimit) return false;
  const HANDLE section = CreateFileMappingA(ToHandle(handle), nullptr, PAGE_READONLY, 0,
                                            static_cast<DWORD>(length.QuadPart), nullptr);
  if (section == nullptr) return false;
  void* view = MapViewOfFile(section, FILE_MAP_READ, 0, 0, static_cast<SIZE_T>(length.QuadPart));
  CloseHandle(section);
  if (view == nullptr) return false;
  *data = static_cast<const unsigned char*>(view);
  *size = static_cast<uint32_t>(length.QuadPart);
  return true;
}

void PlatformUnmapFile(const unsigned char* data, uint32_t) { UnmapViewOfFile(data); }
