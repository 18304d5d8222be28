#include "controls/common/portable/PackedDibLayout.h"

#include <algorithm>

namespace morvex::controls {

namespace {

using namespace dib_header;

// No header version is longer (the fifth, with colour space and profile).
constexpr uint32_t kMaxHeaderSize = 124;

uint16_t ReadU16(const uint8_t* bytes, size_t offset) {
  return static_cast<uint16_t>(bytes[offset] | bytes[offset + 1] << 8);
}

uint32_t ReadU32(const uint8_t* bytes, size_t offset) {
  return static_cast<uint32_t>(bytes[offset]) | static_cast<uint32_t>(bytes[offset + 1]) << 8 |
         static_cast<uint32_t>(bytes[offset + 2]) << 16 |
         static_cast<uint32_t>(bytes[offset + 3]) << 24;
}

int32_t ReadI32(const uint8_t* bytes, size_t offset) {
  return static_cast<int32_t>(ReadU32(bytes, offset));
}

// The bit counts each compression comes with in a packed block.
bool DrawableFormat(uint32_t compression, uint16_t bitCount) {
  switch (compression) {
    case kRgbCompression:
      return bitCount == 1 || bitCount == 4 || bitCount == 8 || bitCount == 16 || bitCount == 24 ||
             bitCount == 32;
    case kRle8Compression:
      return bitCount == 8;
    case kRle4Compression:
      return bitCount == 4;
    case kBitFieldsCompression:
      return bitCount == 16 || bitCount == 32;
    default:
      return false;
  }
}

// A table longer than the pixels can index, or than a palette holds, would
// be read past what the picture owns.
uint32_t ColorCount(uint32_t colorsUsed, uint16_t bitCount) {
  uint32_t count = colorsUsed;
  if (bitCount <= 8) {
    const uint32_t indexable = 1u << bitCount;
    count = count == 0 ? indexable : std::min(count, indexable);
  }
  return std::min(count, kMaxColors);
}

}  // namespace

bool ComputePackedDibLayout(const uint8_t* block, size_t blockSize, PackedDibLayout* layout) {
  if (!block || blockSize < kInfoHeaderSize) return false;
  const uint32_t headerSize = ReadU32(block, kSize);
  if (headerSize < kInfoHeaderSize || headerSize > kMaxHeaderSize || headerSize > blockSize)
    return false;

  const int32_t width = ReadI32(block, kWidth);
  const int32_t height = ReadI32(block, kHeight);
  if (width <= 0 || height == 0 || height == INT32_MIN) return false;
  const uint16_t bitCount = ReadU16(block, kBitCount);
  const uint32_t compression = ReadU32(block, kCompression);
  if (!DrawableFormat(compression, bitCount)) return false;

  const uint64_t rows = static_cast<uint64_t>(height < 0 ? -static_cast<int64_t>(height) : height);
  const uint64_t stride =
      (static_cast<uint64_t>(bitCount) * static_cast<uint64_t>(width) + 31) / 32 * 4;
  // The header's image size is 32 bits: no picture it describes is larger.
  if (stride > UINT32_MAX / rows) return false;
  const uint64_t computedSize = stride * rows;
  const uint32_t statedSize = ReadU32(block, kImageSize);
  const bool compressed = compression == kRle8Compression || compression == kRle4Compression;
  // Compressed bits have no size of their own to compute.
  if (compressed && statedSize == 0) return false;
  const uint64_t imageSize = statedSize != 0 ? statedSize : computedSize;
  // The system reads every row of uncompressed bits, whatever the header says.
  const uint64_t bitsRead = compressed ? imageSize : std::max(imageSize, computedSize);

  const uint32_t colorCount = ColorCount(ReadU32(block, kColorsUsed), bitCount);
  const bool masksFollow = headerSize == kInfoHeaderSize && compression == kBitFieldsCompression;
  const uint64_t colorTableOffset = headerSize + (masksFollow ? kBitFieldMasksSize : 0);
  const uint64_t bitsOffset = colorTableOffset + uint64_t{colorCount} * kColorEntrySize;
  const uint64_t totalSize = bitsOffset + bitsRead;
  if (totalSize > SIZE_MAX || (blockSize != kPackedDibSizeUnknown && totalSize > blockSize))
    return false;

  layout->width = width;
  layout->height = static_cast<int32_t>(rows);
  layout->topDown = height < 0;
  layout->bitCount = bitCount;
  layout->colorCount = colorCount;
  layout->colorTableOffset = static_cast<size_t>(colorTableOffset);
  layout->bitsOffset = static_cast<size_t>(bitsOffset);
  layout->imageSize = static_cast<size_t>(imageSize);
  layout->totalSize = static_cast<size_t>(totalSize);
  return true;
}

}  // namespace morvex::controls
