// The operating-system side of MCFile: a small set of calls over file handles
// and paths, with a Windows side (FileSystem_win.cpp, the Win32 file API) and
// a POSIX side (FileSystem_posix.cpp). Only MCFile uses it.
//
// Handles are ints: a POSIX descriptor, or a Windows kernel handle (always
// representable in 32 bits, sign-extended). The POSIX side reads every '\'
// in a path as '/', so the libraries' Windows-style paths work unchanged, and
// it does not enforce sharing modes (POSIX has none). Opens, writes,
// flushes, closes, renames and removes ask the failure hook
// (base/platform/FileFaults.h).
//
// Times are seconds since 1 January 1970 UTC; 0 means "unknown" or, when
// setting, "leave as it is".
#pragma once

#include <cstdint>
#include <string>

constexpr int kInvalidFileHandle = -1;

enum class FileAccess { kRead, kWrite, kReadWrite };
enum class FileSharing { kNone, kRead, kWrite, kReadWrite };  // what others may do meanwhile
enum class FileCreation {
  kOpenExisting,
  kCreateAlways,  // a new empty file replaces an existing one
  kOpenAlways,    // created when missing, an existing file keeps its contents
  kCreateNew,     // fails when the name exists: never replaces anything
};

struct FileOpenMode {
  FileAccess access;
  FileSharing sharing;
  FileCreation creation;
  bool inheritable;  // the handle passes to child processes
};

struct FileInfo {
  int64_t creationTime;
  int64_t modificationTime;
  int64_t accessTime;
  uint64_t size;
  uint8_t attributes;  // MCFileAttribute bits
};

// --- Handles. A failed open gives kInvalidFileHandle; so does a failed
// duplicate (which is never inheritable).
int PlatformOpenFile(const char* path, const FileOpenMode& mode);
bool PlatformCloseFile(int handle);
int PlatformDuplicateFile(int handle);

// Transfer until `count` bytes, the end of the file or an error; the number
// of bytes transferred.
uint32_t PlatformReadFile(int handle, void* buffer, uint32_t count);
uint32_t PlatformWriteFile(int handle, const void* buffer, uint32_t count);

// from: 0 start, 1 current, 2 end. The new position, or -1.
int64_t PlatformSeekFile(int handle, int64_t offset, int from);
// Cuts (or extends) the file at the current position.
bool PlatformTruncateFile(int handle);
int64_t PlatformFileSize(int handle);  // -1 when unknown
bool PlatformFlushFile(int handle);
bool PlatformLockFileRange(int handle, uint64_t offset, uint64_t count);
bool PlatformUnlockFileRange(int handle, uint64_t offset, uint64_t count);
bool PlatformFileInfoOfHandle(int handle, FileInfo* info);

// --- Paths.
// The full path of `name` (see MCFile::Open); false when none can be formed.
bool PlatformFullPath(const char* name, std::string* full);
// The system's display title of the file (POSIX: the last path component).
std::string PlatformFileTitle(const char* path);
bool PlatformFileInfoOfPath(const char* path, FileInfo* info);
bool PlatformSetFileAttributes(const char* path, uint8_t attributes);
bool PlatformSetFileTimes(const char* path, int64_t creationTime, int64_t modificationTime,
                          int64_t accessTime);
// An existing target is overwritten; copying a file onto itself fails.
bool PlatformCopyFile(const char* from, const char* to);
// An existing target is replaced; works across file systems.
bool PlatformRenameFile(const char* from, const char* to);
bool PlatformRemoveFile(const char* path);
