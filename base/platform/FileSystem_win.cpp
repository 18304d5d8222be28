// The Windows side of the file layer: the Win32 file API.
#include <windows.h>
// (After windows.h, which it needs.)
#include <commdlg.h>

#include "base/platform/FileFaults.h"
#include "base/platform/FileSystem.h"

namespace {

// Kernel handles always fit in 32 bits (sign-extended, so -1 stays
// INVALID_HANDLE_VALUE).
HANDLE ToHandle(int handle) { return reinterpret_cast<HANDLE>(static_cast<intptr_t>(handle)); }
int FromHandle(HANDLE handle) { return static_cast<int>(reinterpret_cast<intptr_t>(handle)); }

constexpr int64_t kTicksPerSecond = 10000000;
constexpr int64_t kSecondsFrom1601To1970 = 11644473600;

int64_t SecondsOf(const FILETIME& fileTime) {
  const uint64_t ticks = (uint64_t{fileTime.dwHighDateTime} << 32) | fileTime.dwLowDateTime;
  if (ticks == 0) return 0;  // the file system keeps no such time
  return static_cast<int64_t>(ticks / kTicksPerSecond) - kSecondsFrom1601To1970;
}

bool FileTimeOf(int64_t seconds, FILETIME* fileTime) {
  if (seconds < -kSecondsFrom1601To1970) return false;
  const uint64_t ticks = static_cast<uint64_t>(seconds + kSecondsFrom1601To1970) * kTicksPerSecond;
  fileTime->dwLowDateTime = static_cast<DWORD>(ticks);
  fileTime->dwHighDateTime = static_cast<DWORD>(ticks >> 32);
  return true;
}

void FillInfo(const FILETIME& creation, const FILETIME& modification, const FILETIME& access,
              DWORD sizeHigh, DWORD sizeLow, DWORD attributes, FileInfo* info) {
  info->creationTime = SecondsOf(creation);
  info->modificationTime = SecondsOf(modification);
  info->accessTime = SecondsOf(access);
  info->size = (uint64_t{sizeHigh} << 32) | sizeLow;
  info->attributes = static_cast<uint8_t>(attributes);
}

std::string LastComponent(const std::string& path) {
  return path.substr(path.find_last_of("\\/:") + 1);
}

}  // namespace

int PlatformOpenFile(const char* path, const FileOpenMode& mode) {
  // An open that may create is refused before it creates anything.
  const bool opensExisting = mode.creation == FileCreation::kOpenExisting;
  if (!opensExisting &&
      FileFaultFires(mode.creation == FileCreation::kCreateNew ? MFileOperation::kMakeTemp
                                                               : MFileOperation::kOpen)) {
    return kInvalidFileHandle;
  }
  static const DWORD kAccess[] = {GENERIC_READ, GENERIC_WRITE, GENERIC_READ | GENERIC_WRITE};
  static const DWORD kSharing[] = {0, FILE_SHARE_READ, FILE_SHARE_WRITE,
                                   FILE_SHARE_READ | FILE_SHARE_WRITE};
  static const DWORD kCreation[] = {OPEN_EXISTING, CREATE_ALWAYS, OPEN_ALWAYS, CREATE_NEW};
  SECURITY_ATTRIBUTES security = {sizeof security, nullptr, mode.inheritable ? TRUE : FALSE};
  const HANDLE handle = CreateFileA(
      path, kAccess[static_cast<int>(mode.access)], kSharing[static_cast<int>(mode.sharing)],
      &security, kCreation[static_cast<int>(mode.creation)], FILE_ATTRIBUTE_NORMAL, nullptr);
  if (handle == INVALID_HANDLE_VALUE) return kInvalidFileHandle;
  // An existing file is refused once it is found, and stays as it was.
  if (opensExisting && FileFaultFires(MFileOperation::kOpen)) {
    CloseHandle(handle);
    return kInvalidFileHandle;
  }
  return FromHandle(handle);
}

bool PlatformCloseFile(int handle) {
  const bool closed = CloseHandle(ToHandle(handle)) != FALSE;
  return !FileFaultFires(MFileOperation::kClose) && closed;
}

int PlatformDuplicateFile(int handle) {
  const HANDLE process = GetCurrentProcess();
  HANDLE duplicate;
  if (!DuplicateHandle(process, ToHandle(handle), process, &duplicate, 0, FALSE,
                       DUPLICATE_SAME_ACCESS))
    return kInvalidFileHandle;
  return FromHandle(duplicate);
}

uint32_t PlatformReadFile(int handle, void* buffer, uint32_t count) {
  char* bytes = static_cast<char*>(buffer);
  uint32_t done = 0;
  while (done < count) {
    DWORD n = 0;
    if (!ReadFile(ToHandle(handle), bytes + done, count - done, &n, nullptr) || n == 0) break;
    done += n;
  }
  return done;
}

uint32_t PlatformWriteFile(int handle, const void* buffer, uint32_t count) {
  count = FileFaultWriteLength(count);
  const char* bytes = static_cast<const char*>(buffer);
  uint32_t done = 0;
  while (done < count) {
    DWORD n = 0;
    if (!WriteFile(ToHandle(handle), bytes + done, count - done, &n, nullptr) || n == 0) break;
    done += n;
  }
  return done;
}

int64_t PlatformSeekFile(int handle, int64_t offset, int from) {
  static const DWORD kMethod[] = {FILE_BEGIN, FILE_CURRENT, FILE_END};
  if (from < 0 || from > 2) return -1;
  LARGE_INTEGER distance, position;
  distance.QuadPart = offset;
  if (!SetFilePointerEx(ToHandle(handle), distance, &position, kMethod[from])) return -1;
  return position.QuadPart;
}

bool PlatformTruncateFile(int handle) { return SetEndOfFile(ToHandle(handle)) != FALSE; }

int64_t PlatformFileSize(int handle) {
  LARGE_INTEGER size;
  return GetFileSizeEx(ToHandle(handle), &size) ? size.QuadPart : -1;
}

bool PlatformFlushFile(int handle) {
  if (FileFaultFires(MFileOperation::kFlush)) return false;
  return FlushFileBuffers(ToHandle(handle)) != FALSE;
}

bool PlatformLockFileRange(int handle, uint64_t offset, uint64_t count) {
  return LockFile(ToHandle(handle), static_cast<DWORD>(offset), static_cast<DWORD>(offset >> 32),
                  static_cast<DWORD>(count), static_cast<DWORD>(count >> 32)) != FALSE;
}

bool PlatformUnlockFileRange(int handle, uint64_t offset, uint64_t count) {
  return UnlockFile(ToHandle(handle), static_cast<DWORD>(offset), static_cast<DWORD>(offset >> 32),
                    static_cast<DWORD>(count), static_cast<DWORD>(count >> 32)) != FALSE;
}

bool PlatformFileInfoOfHandle(int handle, FileInfo* info) {
  BY_HANDLE_FILE_INFORMATION data;
  if (!GetFileInformationByHandle(ToHandle(handle), &data)) return false;
  FillInfo(data.ftCreationTime, data.ftLastWriteTime, data.ftLastAccessTime, data.nFileSizeHigh,
           data.nFileSizeLow, data.dwFileAttributes, info);
  return true;
}

bool PlatformFullPath(const char* name, std::string* full) {
  const DWORD needed = GetFullPathNameA(name, 0, nullptr, nullptr);
  if (needed == 0) return false;
  std::string path(needed, '\0');
  const DWORD length = GetFullPathNameA(name, needed, &path[0], nullptr);
  if (length == 0 || length >= needed) return false;
  path.resize(length);
  // A volume that does not keep case shows names in capitals; one that does
  // not store Unicode names shows the last component as its directory does.
  char root[MAX_PATH];
  DWORD volumeFlags = 0;
  if (GetVolumePathNameA(path.c_str(), root, sizeof root) &&
      GetVolumeInformationA(root, nullptr, 0, nullptr, nullptr, &volumeFlags, nullptr, 0)) {
    if ((volumeFlags & FS_CASE_IS_PRESERVED) == 0) CharUpperA(&path[0]);
    WIN32_FIND_DATAA found;
    const HANDLE search = (volumeFlags & FS_UNICODE_STORED_ON_DISK) == 0
                              ? FindFirstFileA(path.c_str(), &found)
                              : INVALID_HANDLE_VALUE;
    if (search != INVALID_HANDLE_VALUE) {
      FindClose(search);
      path = path.substr(0, path.size() - LastComponent(path).size()) + found.cFileName;
    }
  }
  *full = path;
  return true;
}

std::string PlatformFileTitle(const char* path) {
  char title[MAX_PATH];
  if (GetFileTitleA(path, title, sizeof title) == 0) return title;
  return LastComponent(path);
}

bool PlatformFileInfoOfPath(const char* path, FileInfo* info) {
  WIN32_FILE_ATTRIBUTE_DATA data;
  if (!GetFileAttributesExA(path, GetFileExInfoStandard, &data)) return false;
  FillInfo(data.ftCreationTime, data.ftLastWriteTime, data.ftLastAccessTime, data.nFileSizeHigh,
           data.nFileSizeLow, data.dwFileAttributes, info);
  return true;
}

bool PlatformSetFileAttributes(const char* path, uint8_t attributes) {
  // Only these bits can be set; none of them means "normal".
  const DWORD settable = FILE_ATTRIBUTE_READONLY | FILE_ATTRIBUTE_HIDDEN | FILE_ATTRIBUTE_SYSTEM |
                         FILE_ATTRIBUTE_ARCHIVE;
  const DWORD value = attributes & settable;
  return SetFileAttributesA(path, value != 0 ? value : FILE_ATTRIBUTE_NORMAL) != FALSE;
}

bool PlatformSetFileTimes(const char* path, int64_t creationTime, int64_t modificationTime,
                          int64_t accessTime) {
  FILETIME creation, modification, access;
  if ((creationTime != 0 && !FileTimeOf(creationTime, &creation)) ||
      (modificationTime != 0 && !FileTimeOf(modificationTime, &modification)) ||
      (accessTime != 0 && !FileTimeOf(accessTime, &access)))
    return false;
  const HANDLE file = CreateFileA(path, FILE_WRITE_ATTRIBUTES,
                                  FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE, nullptr,
                                  OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
  if (file == INVALID_HANDLE_VALUE) return false;
  const BOOL set = SetFileTime(file, creationTime != 0 ? &creation : nullptr,
                               accessTime != 0 ? &access : nullptr,
                               modificationTime != 0 ? &modification : nullptr);
  CloseHandle(file);
  return set != FALSE;
}

bool PlatformCopyFile(const char* from, const char* to) {
  if (FileFaultFires(MFileOperation::kWrite)) return false;
  return CopyFileA(from, to, FALSE) != FALSE;
}

bool PlatformRenameFile(const char* from, const char* to) {
  if (FileFaultFires(MFileOperation::kRename)) return false;
  return MoveFileExA(from, to,
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_COPY_ALLOWED | MOVEFILE_WRITE_THROUGH) !=
         FALSE;
}

bool PlatformRemoveFile(const char* path) {
  if (FileFaultFires(MFileOperation::kRemove)) return false;
  return DeleteFileA(path) != FALSE;
}
