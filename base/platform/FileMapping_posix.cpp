// The POSIX side of file mapping: a shared read-only mmap of the file.
#include <sys/mman.h>
#include <sys/stat.h>

#include "base/platform/FileMapping.h"

namespace {

constexpr int64_t kSizeLimit = int64_t{1} << 31;

}  // namespace

bool PlatformMapFile(int handle, const unsigned char** data, uint32_t* size) {
  struct stat status;
  if (fstat(handle, &status) != 0 || !S_ISREG(status.st_mode)) return false;
  if (status.st_size <= 0 || status.st_size >= kSizeLimit) return false;
  const size_t length = static_cast<size_t>(status.st_size);
  void* view = mmap(nullptr, length, PROT_READ, MAP_SHARED, handle, 0);
  if (view == MAP_FAILED) return false;
  *data = static_cast<const unsigned char*>(view);
  *size = static_cast<uint32_t>(length);
  return true;
}

void PlatformUnmapFile(const unsigned char* data, uint32_t size) {
  munmap(const_cast<unsigned char*>(data), size);
}
