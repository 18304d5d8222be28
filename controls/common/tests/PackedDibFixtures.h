// Packed-DIB blocks made in code: an information header of any version's
// length with the fields a case sets, followed by as many bytes as the
// picture needs, so that a layout's every offset can be checked against a
// block that ends exactly where the picture does.
//
// Used by the tests of the picture layout and of PackedDib, and by the fuzz
// targets' seed maker.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

#include "controls/common/portable/PackedDibLayout.h"

namespace morvex::controls::testing {

struct DibHeaderFields {
  uint32_t headerSize = dib_header::kInfoHeaderSize;
  int32_t width = 1;
  int32_t height = 1;
  uint16_t bitCount = 24;
  uint32_t compression = dib_header::kRgbCompression;
  uint32_t imageSize = 0;
  uint32_t colorsUsed = 0;
};

inline void PutLittleEndian(std::string& bytes, size_t offset, uint32_t value, size_t width) {
  for (size_t i = 0; i < width; ++i)
    bytes[offset + i] = static_cast<char>((value >> (8 * i)) & 0xFF);
}

// The header alone, `fields.headerSize` bytes (at least the 40 its fields need).
inline std::string DibHeaderBytes(const DibHeaderFields& fields) {
  std::string bytes(fields.headerSize < dib_header::kInfoHeaderSize ? dib_header::kInfoHeaderSize
                                                                    : fields.headerSize,
                    '\0');
  PutLittleEndian(bytes, dib_header::kSize, fields.headerSize, 4);
  PutLittleEndian(bytes, dib_header::kWidth, static_cast<uint32_t>(fields.width), 4);
  PutLittleEndian(bytes, dib_header::kHeight, static_cast<uint32_t>(fields.height), 4);
  PutLittleEndian(bytes, dib_header::kPlanes, 1, 2);
  PutLittleEndian(bytes, dib_header::kBitCount, fields.bitCount, 2);
  PutLittleEndian(bytes, dib_header::kCompression, fields.compression, 4);
  PutLittleEndian(bytes, dib_header::kImageSize, fields.imageSize, 4);
  PutLittleEndian(bytes, dib_header::kColorsUsed, fields.colorsUsed, 4);
  return bytes;
}

// The header followed by zeros up to `totalSize` bytes.
inline std::string DibBlock(const DibHeaderFields& fields, size_t totalSize) {
  std::string block = DibHeaderBytes(fields);
  block.resize(totalSize, '\0');
  return block;
}

}  // namespace morvex::controls::testing
