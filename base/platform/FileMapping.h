// The operating-system side of MCFileMapping (base/MCFileMapping.h): a
// read-only view of a whole open file, with a POSIX side (mmap,
// FileMapping_posix.cpp) and a Windows side (a file mapping object and its
// view, FileMapping_win.cpp). Handles are those of base/platform/FileSystem.h.
// Only MCFileMapping uses it.
#pragma once

#include <cstdint>

// Maps the file's contents as they are now; false (nothing mapped) for an
// empty file, a file of 2^31 bytes or more, or when the system refuses. The
// handle may be closed afterwards: the view stays valid until unmapped.
bool PlatformMapFile(int handle, const unsigned char** data, uint32_t* size);
void PlatformUnmapFile(const unsigned char* data, uint32_t size);
