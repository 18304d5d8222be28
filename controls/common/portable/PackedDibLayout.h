// Where the parts of a packed device-independent bitmap lie: an information
// header, its colour table and the pixel bits in one block, as a bitmap
// resource holds it (a .bmp file without its 14-byte file header). Worked
// out from the header's bytes alone, so it is portable: built and tested
// natively, and fuzzed, since the block may come from a resource library
// that is not ours.
//
// Used by PackedDib (the about panel's picture), which hands the block to
// the system for drawing only once its layout is known to fit.
#pragma once

#include <cstddef>
#include <cstdint>

namespace morvex::controls {

// A block whose length its giver does not know (an address handed over
// from elsewhere): only what the header claims bounds it.
constexpr size_t kPackedDibSizeUnknown = SIZE_MAX;

struct PackedDibLayout {
  int32_t width = 0;
  int32_t height = 0;    // always positive
  bool topDown = false;  // the header's height was negative
  uint16_t bitCount = 0;
  uint32_t colorCount = 0;  // entries of the colour table; 0: none, no palette
  size_t colorTableOffset = 0;
  size_t bitsOffset = 0;
  size_t imageSize = 0;  // the header's image size, or the computed one when it gives 0
  size_t totalSize = 0;  // what the block must hold: table, bits and all the system reads
};

// False when the block holds no picture we can draw: no block, a header
// shorter than 40 bytes, no width or height, a bit count or compression the
// system draws no packed block with, sizes that do not fit in memory, or a
// known block size smaller than the picture.
bool ComputePackedDibLayout(const uint8_t* block, size_t blockSize, PackedDibLayout* layout);

// --- The information header's fields: little-endian, offsets from the
// header's start. Later header versions (108, 124 bytes) begin the same way.
namespace dib_header {
constexpr size_t kSize = 0;             // u32: bytes of the header itself
constexpr size_t kWidth = 4;            // i32
constexpr size_t kHeight = 8;           // i32: negative for a top-down picture
constexpr size_t kPlanes = 12;          // u16: 1
constexpr size_t kBitCount = 14;        // u16: bits per pixel
constexpr size_t kCompression = 16;     // u32: one of the k*Compression values
constexpr size_t kImageSize = 20;       // u32: bytes of the bits; may be 0 when uncompressed
constexpr size_t kColorsUsed = 32;      // u32: entries of the colour table; 0: the default
constexpr size_t kInfoHeaderSize = 40;  // the smallest header we read

constexpr uint32_t kRgbCompression = 0;
constexpr uint32_t kRle8Compression = 1;
constexpr uint32_t kRle4Compression = 2;
constexpr uint32_t kBitFieldsCompression = 3;
// Behind a 40-byte header with bit fields: the red, green and blue masks.
constexpr size_t kBitFieldMasksSize = 12;
// Each colour-table entry: blue, green, red, reserved.
constexpr size_t kColorEntrySize = 4;
constexpr uint32_t kMaxColors = 256;
}  // namespace dib_header

}  // namespace morvex::controls
