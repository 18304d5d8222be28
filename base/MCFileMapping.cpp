#include "base/MCFileMapping.h"

#include "base/MCFile.h"
#include "base/platform/FileMapping.h"

MCFileMapping::MCFileMapping() : data_(nullptr), size_(0) {}

MCFileMapping::~MCFileMapping() { Release(); }

int MCFileMapping::Map(const MCFile& file) {
  Release();
  if (file.handle_ == MCFile::kInvalidHandle) return 0;
  const unsigned char* data = nullptr;
  uint32_t size = 0;
  if (!PlatformMapFile(file.handle_, &data, &size)) return 0;
  data_ = data;
  size_ = size;
  return 1;
}

void MCFileMapping::Release() {
  if (data_ != nullptr) PlatformUnmapFile(data_, size_);
  data_ = nullptr;
  size_ = 0;
}
