// The layout of packed-DIB pictures over headers made in code: where the
// colour table and the bits lie for every header length and bit count, how
// many colours a table is taken to hold, the image size, top-down pictures,
// and the blocks that hold no picture (too short for what they claim, or
// with fields the system draws nothing from).
#include <gtest/gtest.h>

#include <string>

#include "controls/common/portable/PackedDibLayout.h"
#include "controls/common/tests/PackedDibFixtures.h"

namespace morvex::controls::testing {

namespace {

using namespace dib_header;

const uint8_t* Bytes(const std::string& block) {
  return reinterpret_cast<const uint8_t*>(block.data());
}

struct LayoutCase {
  const char* name;
  DibHeaderFields fields;
  uint32_t colorCount;
  size_t colorTableOffset;
  size_t bitsOffset;
  size_t imageSize;
  size_t totalSize;
};

// {headerSize, width, height, bitCount, compression, imageSize, colorsUsed}
const LayoutCase kLayoutCases[] = {
    {"8 bits, default colours", {40, 4, 4, 8}, 256, 40, 40 + 1024, 16, 40 + 1024 + 16},
    {"8 bits, 20 colours", {40, 4, 4, 8, kRgbCompression, 0, 20}, 20, 40, 40 + 80, 16, 136},
    {"4 bits, size computed", {40, 18, 16, 4}, 16, 40, 104, 192, 296},
    {"1 bit, rows padded to 4 bytes", {40, 33, 2, 1}, 2, 40, 48, 16, 64},
    {"24 bits, no table", {40, 3, 1, 24}, 0, 40, 40, 12, 52},
    {"stated image size kept", {40, 4, 4, 8, kRgbCompression, 64, 2}, 2, 40, 48, 64, 112},
    {"stated size too small: every row read",
     {40, 4, 4, 8, kRgbCompression, 4, 2},
     2,
     40,
     48,
     4,
     64},
    {"fifth-version header", {124, 4, 4, 8}, 256, 124, 124 + 1024, 16, 124 + 1024 + 16},
    {"fourth-version header, 24 bits", {108, 3, 2, 24}, 0, 108, 108, 24, 132},
    {"bit fields behind a 40-byte header", {40, 2, 2, 16, kBitFieldsCompression}, 0, 52, 52, 8, 60},
    {"bit fields inside a fifth-version header",
     {124, 2, 2, 32, kBitFieldsCompression},
     0,
     124,
     124,
     16,
     140},
    {"bit fields and a table", {40, 2, 2, 16, kBitFieldsCompression, 0, 3}, 3, 52, 64, 8, 72},
    {"run-length bits, stated size", {40, 4, 4, 8, kRle8Compression, 10, 4}, 4, 40, 56, 10, 66},
    {"300 colours at 8 bits", {40, 4, 4, 8, kRgbCompression, 0, 300}, 256, 40, 1064, 16, 1080},
    {"300 colours at 4 bits", {40, 18, 16, 4, kRgbCompression, 0, 300}, 16, 40, 104, 192, 296},
    {"300 colours at 24 bits", {40, 3, 1, 24, kRgbCompression, 0, 300}, 256, 40, 1064, 12, 1076},
    {"20 colours at 1 bit", {40, 33, 2, 1, kRgbCompression, 0, 20}, 2, 40, 48, 16, 64},
};

TEST(PackedDibLayoutTest, PartsLieWhereTheHeaderPutsThem) {
  for (const LayoutCase& c : kLayoutCases) {
    SCOPED_TRACE(c.name);
    const std::string block = DibBlock(c.fields, c.totalSize);
    PackedDibLayout layout;
    ASSERT_TRUE(ComputePackedDibLayout(Bytes(block), block.size(), &layout));
    EXPECT_EQ(layout.width, c.fields.width);
    EXPECT_EQ(layout.height, c.fields.height);
    EXPECT_FALSE(layout.topDown);
    EXPECT_EQ(layout.bitCount, c.fields.bitCount);
    EXPECT_EQ(layout.colorCount, c.colorCount);
    EXPECT_EQ(layout.colorTableOffset, c.colorTableOffset);
    EXPECT_EQ(layout.bitsOffset, c.bitsOffset);
    EXPECT_EQ(layout.imageSize, c.imageSize);
    EXPECT_EQ(layout.totalSize, c.totalSize);

    // One byte less and the bits would be read past the block's end.
    EXPECT_FALSE(ComputePackedDibLayout(Bytes(block), block.size() - 1, &layout));
    // A giver who does not know the length is trusted.
    EXPECT_TRUE(ComputePackedDibLayout(Bytes(block), kPackedDibSizeUnknown, &layout));
  }
}

TEST(PackedDibLayoutTest, TopDownPictureHasItsAbsoluteHeight) {
  const DibHeaderFields fields = {40, 18, -16, 4};
  const std::string block = DibBlock(fields, 296);
  PackedDibLayout layout;
  ASSERT_TRUE(ComputePackedDibLayout(Bytes(block), block.size(), &layout));
  EXPECT_TRUE(layout.topDown);
  EXPECT_EQ(layout.height, 16);
  EXPECT_EQ(layout.imageSize, 192u);
  EXPECT_EQ(layout.bitsOffset, 104u);
}

TEST(PackedDibLayoutTest, BlocksWithoutADrawablePictureAreRefused) {
  struct Refusal {
    const char* name;
    DibHeaderFields fields;
  };
  const Refusal refusals[] = {
      {"core header length", {12, 4, 4, 8}},
      {"header longer than any version", {125, 4, 4, 8}},
      {"no width", {40, 0, 4, 8}},
      {"negative width", {40, -4, 4, 8}},
      {"no height", {40, 4, 0, 8}},
      {"height without a magnitude", {40, 4, INT32_MIN, 8}},
      {"compressed picture in a file format", {40, 4, 4, 0, 5}},
      {"two bits per pixel", {40, 4, 4, 2}},
      {"run-length 8 at 4 bits", {40, 4, 4, 4, kRle8Compression, 10}},
      {"run-length 4 at 8 bits", {40, 4, 4, 8, kRle4Compression, 10}},
      {"run-length without a size", {40, 4, 4, 8, kRle8Compression, 0}},
      {"bit fields at 24 bits", {40, 4, 4, 24, kBitFieldsCompression}},
      {"bits beyond 4 GiB", {40, 0x7FFFFFFF, 0x7FFFFFFF, 32}},
      {"bits of 4 GiB", {40, 0x4000000, 16, 32}},
  };
  for (const Refusal& r : refusals) {
    SCOPED_TRACE(r.name);
    // Long enough for any of these pictures but the overflowing ones.
    const std::string block = DibBlock(r.fields, 4096);
    PackedDibLayout layout;
    EXPECT_FALSE(ComputePackedDibLayout(Bytes(block), block.size(), &layout));
    EXPECT_FALSE(ComputePackedDibLayout(Bytes(block), kPackedDibSizeUnknown, &layout));
  }
}

TEST(PackedDibLayoutTest, NoBlockOrAShortHeaderHoldsNoPicture) {
  PackedDibLayout layout;
  EXPECT_FALSE(ComputePackedDibLayout(nullptr, kPackedDibSizeUnknown, &layout));
  EXPECT_FALSE(ComputePackedDibLayout(nullptr, 100, &layout));
  const std::string block = DibBlock({40, 1, 1, 24}, 44);
  EXPECT_FALSE(ComputePackedDibLayout(Bytes(block), 39, &layout));
  // A fifth-version header cut after its first 40 bytes.
  const std::string cut = DibHeaderBytes({124, 1, 1, 24}).substr(0, 100);
  EXPECT_FALSE(ComputePackedDibLayout(Bytes(cut), cut.size(), &layout));
}

}  // namespace

}  // namespace morvex::controls::testing
