// Packed-DIB pictures drawn into memory and read back by pixels: the bits
// found behind a short colour table, scaled, top-down, behind a fifth-
// version header and behind the masks of a bit-field header; the palette
// made from the table (clamped), realized and put back after drawing; the
// blocks that hold no picture; and a global block freed with the image.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "controls/common/PackedDib.h"
#include "controls/common/tests/PackedDibFixtures.h"
#include "controls/common/tests/PainterTestSupport.h"

namespace morvex::controls::testing {

namespace {

using namespace dib_header;

constexpr COLORREF kBackground = RGB(1, 2, 3);
// The first four colours of the test table; the rest are filler.
const COLORREF kTable[] = {RGB(200, 0, 0), RGB(0, 200, 0), RGB(0, 0, 200), RGB(90, 80, 70)};

void PutColor(std::string& block, size_t offset, COLORREF colour) {
  block[offset] = static_cast<char>(GetBValue(colour));
  block[offset + 1] = static_cast<char>(GetGValue(colour));
  block[offset + 2] = static_cast<char>(GetRValue(colour));
}

// A 2 x 2, 8-bit picture whose header claims `colorsUsed` colours and whose
// table holds `tableEntries` (the four above, then greys), pixels 0 1 on
// the top row and 2 3 below.
std::string EightBitPicture(uint32_t colorsUsed, uint32_t tableEntries, bool topDown = false) {
  const size_t bits = kInfoHeaderSize + kColorEntrySize * tableEntries;
  std::string block =
      DibBlock({40, 2, topDown ? -2 : 2, 8, kRgbCompression, 0, colorsUsed}, bits + 8);
  for (uint32_t i = 0; i < tableEntries; ++i) {
    const BYTE grey = static_cast<BYTE>(i);
    PutColor(block, kInfoHeaderSize + i * kColorEntrySize,
             i < 4 ? kTable[i] : RGB(grey, grey, grey));
  }
  // Rows of 4 bytes; bottom-up unless top-down.
  const char top[] = {0, 1}, bottom[] = {2, 3};
  block.replace(bits + (topDown ? 0 : 4), 2, top, 2);
  block.replace(bits + (topDown ? 4 : 0), 2, bottom, 2);
  return block;
}

void ExpectFourPixels(const Canvas& canvas, int cell) {
  for (int y = 0; y < 2 * cell; ++y) {
    for (int x = 0; x < 2 * cell; ++x) {
      const int index = (y / cell) * 2 + x / cell;
      EXPECT_EQ(canvas.At(x, y), kTable[index]) << "at " << x << ", " << y;
    }
  }
}

TEST(PackedDibTest, EightBitPictureWithAShortTableDrawsExactly) {
  const std::string block = EightBitPicture(20, 20);
  PackedDib picture;
  ASSERT_TRUE(picture.Attach(block.data(), block.size(), false, nullptr));
  EXPECT_EQ(picture.Size().cx, 2);
  EXPECT_EQ(picture.Size().cy, 2);
  Canvas canvas(2, 2, kBackground);
  EXPECT_TRUE(picture.Draw(canvas.dc(), 0, 0, 2, 2));
  ExpectFourPixels(canvas, 1);

  // Scaled to twice its size, at an offset.
  Canvas large(6, 6, kBackground);
  EXPECT_TRUE(picture.Draw(large.dc(), 1, 1, 4, 4));
  EXPECT_EQ(large.At(0, 0), kBackground);
  EXPECT_EQ(large.At(5, 5), kBackground);
  for (int y = 0; y < 4; ++y)
    for (int x = 0; x < 4; ++x) EXPECT_EQ(large.At(x + 1, y + 1), kTable[(y / 2) * 2 + x / 2]);
}

TEST(PackedDibTest, TopDownPictureIsUprightWithAPositiveHeight) {
  const std::string block = EightBitPicture(4, 4, true);
  PackedDib picture;
  ASSERT_TRUE(picture.Attach(block.data(), block.size(), false, nullptr));
  EXPECT_EQ(picture.Size().cy, 2);
  Canvas canvas(2, 2, kBackground);
  EXPECT_TRUE(picture.Draw(canvas.dc(), 0, 0, 2, 2));
  ExpectFourPixels(canvas, 1);
}

// Two pixels, kTable[0] and kTable[2], behind a fifth-version header.
std::string FifthVersionPicture() {
  std::string block = DibBlock({124, 2, 1, 24}, 124 + 8);
  PutColor(block, 124, kTable[0]);
  PutColor(block, 127, kTable[2]);
  return block;
}

// Two 32-bit pixels, kTable[1] and kTable[3], behind a 40-byte header and
// its three masks.
std::string BitFieldPicture() {
  std::string block = DibBlock({40, 2, 1, 32, kBitFieldsCompression}, 40 + 12 + 8);
  PutLittleEndian(block, 40, 0x00FF0000, 4);  // red
  PutLittleEndian(block, 44, 0x0000FF00, 4);  // green
  PutLittleEndian(block, 48, 0x000000FF, 4);  // blue
  PutColor(block, 52, kTable[1]);
  PutColor(block, 56, kTable[3]);
  return block;
}

TEST(PackedDibTest, BitsAreFoundBehindLongerHeadersAndBitFieldMasks) {
  struct Case {
    const char* name;
    std::string block;
    COLORREF left;
    COLORREF right;
  };
  const Case cases[] = {
      {"fifth-version header, 24 bits", FifthVersionPicture(), kTable[0], kTable[2]},
      {"40-byte header, 32-bit bit fields", BitFieldPicture(), kTable[1], kTable[3]},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    PackedDib picture;
    ASSERT_TRUE(picture.Attach(c.block.data(), c.block.size(), false, nullptr));
    Canvas canvas(2, 1, kBackground);
    EXPECT_TRUE(picture.Draw(canvas.dc(), 0, 0, 2, 1));
    EXPECT_EQ(canvas.At(0, 0), c.left);
    EXPECT_EQ(canvas.At(1, 0), c.right);
  }
}

// The palette selected into a context, as entries.
std::vector<PALETTEENTRY> SelectedPalette(HDC dc) {
  auto palette = static_cast<HPALETTE>(GetCurrentObject(dc, OBJ_PAL));
  std::vector<PALETTEENTRY> entries(GetPaletteEntries(palette, 0, 0, nullptr));
  GetPaletteEntries(palette, 0, static_cast<UINT>(entries.size()), entries.data());
  return entries;
}

TEST(PackedDibTest, PaletteHoldsTheTableAndDrawingPutsThePreviousBack) {
  struct Case {
    const char* name;
    uint32_t colorsUsed;
    uint32_t tableEntries;
    size_t paletteSize;
  };
  const Case cases[] = {
      {"20 colours", 20, 20, 20}, {"default colours", 0, 256, 256}, {"300 colours", 300, 256, 256}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string block = EightBitPicture(c.colorsUsed, c.tableEntries);
    PackedDib picture;
    ASSERT_TRUE(picture.Attach(block.data(), block.size(), false, nullptr));
    Canvas canvas(2, 2, kBackground);
    HGDIOBJ defaultPalette = GetStockObject(DEFAULT_PALETTE);
    ASSERT_EQ(GetCurrentObject(canvas.dc(), OBJ_PAL), defaultPalette);
    EXPECT_TRUE(picture.Draw(canvas.dc(), 0, 0, 2, 2));
    EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_PAL), defaultPalette);
    ExpectFourPixels(canvas, 1);

    HPALETTE previous = picture.RealizePalette(canvas.dc(), true);
    EXPECT_EQ(previous, defaultPalette);
    const std::vector<PALETTEENTRY> entries = SelectedPalette(canvas.dc());
    ASSERT_EQ(entries.size(), c.paletteSize);
    for (int i = 0; i < 4; ++i) {
      EXPECT_EQ(RGB(entries[i].peRed, entries[i].peGreen, entries[i].peBlue), kTable[i]);
      EXPECT_EQ(entries[i].peFlags, 0);
    }
    EXPECT_EQ(entries.back().peRed, c.paletteSize - 1);
    SelectPalette(canvas.dc(), previous, TRUE);
  }
}

TEST(PackedDibTest, TrueColourPictureSelectsNoPalette) {
  std::string block = DibBlock({40, 1, 1, 24}, 44);
  PutColor(block, 40, kTable[3]);
  PackedDib picture;
  ASSERT_TRUE(picture.Attach(block.data(), block.size(), false, nullptr));
  Canvas canvas(1, 1, kBackground);
  EXPECT_EQ(picture.RealizePalette(canvas.dc(), false), nullptr);
  EXPECT_EQ(GetCurrentObject(canvas.dc(), OBJ_PAL), GetStockObject(DEFAULT_PALETTE));
  EXPECT_TRUE(picture.Draw(canvas.dc(), 0, 0, 1, 1));
  EXPECT_EQ(canvas.At(0, 0), kTable[3]);
}

TEST(PackedDibTest, BlockWithoutAPictureDrawsNothing) {
  const std::string block = EightBitPicture(20, 20);
  PackedDib picture;
  EXPECT_TRUE(picture.Attach(block.data(), block.size(), false, nullptr));
  struct Case {
    const char* name;
    const void* block;
    size_t size;
  };
  const Case cases[] = {
      {"no block", nullptr, kPackedDibSizeUnknown},
      {"one byte short of its bits", block.data(), block.size() - 1},
      {"a header alone", block.data(), 40},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // Attaching lets go of the picture held before.
    EXPECT_FALSE(picture.Attach(c.block, c.size, false, nullptr));
    EXPECT_TRUE(picture.empty());
    EXPECT_EQ(picture.Size().cx, 0);
    EXPECT_EQ(picture.Size().cy, 0);
    Canvas canvas(2, 2, kBackground);
    EXPECT_FALSE(picture.Draw(canvas.dc(), 0, 0, 2, 2));
    EXPECT_TRUE(canvas.OnlyHolds({0, 0, 2, 2}, {kBackground}));
    EXPECT_TRUE(picture.Attach(block.data(), block.size(), false, nullptr));
  }
}

TEST(PackedDibTest, OwnedGlobalBlockIsFreedWithTheImageOrWhenRefused) {
  const std::string bytes = EightBitPicture(20, 20);
  for (size_t size : {bytes.size(), bytes.size() - 1}) {
    SCOPED_TRACE(size);
    HGLOBAL global = GlobalAlloc(GMEM_MOVEABLE, bytes.size());
    ASSERT_NE(global, nullptr);
    void* block = GlobalLock(global);
    std::memcpy(block, bytes.data(), bytes.size());
    PackedDib picture;
    const bool held = picture.Attach(block, size, true, global);
    EXPECT_EQ(held, size == bytes.size());
    if (held) {
      Canvas canvas(2, 2, kBackground);
      EXPECT_TRUE(picture.Draw(canvas.dc(), 0, 0, 2, 2));
      ExpectFourPixels(canvas, 1);
      EXPECT_NE(GlobalSize(global), 0u);
      picture.Release();
    }
    EXPECT_EQ(GlobalSize(global), 0u);
  }
}

}  // namespace

}  // namespace morvex::controls::testing
