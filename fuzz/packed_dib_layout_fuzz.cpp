// Fuzzes the layout of packed-DIB pictures: the input is the block a bitmap
// resource of a resource library would hand over. A layout that is accepted
// must lie inside the block, in order, with a table a palette can hold, and
// the same header read without knowing the block's length must give the
// same layout.
#include <cstddef>
#include <cstdint>

#include "controls/common/portable/PackedDibLayout.h"

using morvex::controls::ComputePackedDibLayout;
using morvex::controls::kPackedDibSizeUnknown;
using morvex::controls::PackedDibLayout;
namespace dib_header = morvex::controls::dib_header;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  PackedDibLayout layout;
  const bool accepted = ComputePackedDibLayout(data, size, &layout);
  if (size < dib_header::kInfoHeaderSize) {
    if (accepted) __builtin_trap();
    return 0;
  }
  PackedDibLayout unbounded;
  const bool acceptedUnbounded = ComputePackedDibLayout(data, kPackedDibSizeUnknown, &unbounded);
  if (!accepted) return 0;
  if (!acceptedUnbounded || unbounded.bitsOffset != layout.bitsOffset ||
      unbounded.totalSize != layout.totalSize || unbounded.colorCount != layout.colorCount)
    __builtin_trap();
  if (layout.width <= 0 || layout.height <= 0 || layout.colorCount > dib_header::kMaxColors ||
      layout.colorTableOffset < dib_header::kInfoHeaderSize ||
      layout.bitsOffset !=
          layout.colorTableOffset + layout.colorCount * dib_header::kColorEntrySize ||
      layout.totalSize < layout.bitsOffset + layout.imageSize || layout.totalSize > size)
    __builtin_trap();
  // Read what a palette and the drawing would: the table and the bits' last
  // byte, so that the sanitizer sees any read past the block.
  unsigned sum = 0;
  for (std::size_t i = layout.colorTableOffset; i < layout.bitsOffset; ++i) sum += data[i];
  if (layout.totalSize > layout.bitsOffset) sum += data[layout.totalSize - 1];
  return static_cast<int>(sum & 0);
}
