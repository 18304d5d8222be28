// MCFileMapping: the whole of an open MCFile as read-only bytes in memory,
// so that many small reads cost no system call. The dictionary engine reads
// its article records through one. The bytes are those of the file when it
// was mapped. The mapping outlives the file's handle, but it must be released
// before the file is replaced or cut: Windows refuses both while it lasts.
#pragma once

#include <cstdint>

#include "base/BaseExport.h"

class MCFile;

class MBASE_API MCFileMapping {
 public:
  MCFileMapping();
  ~MCFileMapping();  // releases the mapping
  MCFileMapping(const MCFileMapping&) = delete;
  MCFileMapping& operator=(const MCFileMapping&) = delete;

  // Maps the file's contents, releasing any mapping held before. 1, or 0
  // (nothing mapped) without an open file, for an empty file, a file of
  // 2^31 bytes or more, or when the system refuses.
  int Map(const MCFile& file);
  void Release();
  int IsMapped() const { return data_ != nullptr; }
  // GetSize() bytes; null when nothing is mapped.
  const unsigned char* GetData() const { return data_; }
  uint32_t GetSize() const { return size_; }

 private:
  const unsigned char* data_;
  uint32_t size_;
};
