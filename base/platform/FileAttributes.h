// The file-attribute bits of MCFileStatus: the Windows values, which the
// POSIX side of the file layer synthesises from the file's mode.
#pragma once

#include <cstdint>

enum MCFileAttribute : uint8_t {
  kFileAttrReadOnly = 0x01,
  kFileAttrHidden = 0x02,
  kFileAttrSystem = 0x04,
  kFileAttrDirectory = 0x10,
  kFileAttrArchive = 0x20,
};
