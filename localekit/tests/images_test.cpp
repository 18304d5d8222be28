// Flag icons and direction bitmaps as the program, the dictionary system
// and the shelf use them: the right size, the flag of the language's
// primary id or the unknown flag, handles the caller owns, and the two
// flags of a pair exactly where the direction bitmap puts them on its
// magenta background (read back pixel by pixel, no screenshot).
#include <windows.h>

#include "localekit/LocaleKitResource.h"
#include "localekit_test_support.h"

namespace com = morvex::com;

namespace {

constexpr SIZE kSmall = {16, 11};
constexpr SIZE kBig = {32, 20};

HICON AsIcon(long handle) { return static_cast<HICON>(LongToHandle(handle)); }
HBITMAP AsBitmap(long handle) { return static_cast<HBITMAP>(LongToHandle(handle)); }

struct IconCase {
  long langId;
  int expectedIconId;
};

const IconCase kIconCases[] = {
    {0x409, IDI_FLAG_ENGLISH}, {0x419, IDI_FLAG_RUSSIAN}, {0x407, IDI_FLAG_GERMAN},
    {0x40C, IDI_FLAG_FRENCH},  {0x40A, IDI_FLAG_SPANISH}, {0x416, IDI_FLAG_PORTUGUESE},
    {0x413, IDI_FLAG_DUTCH},   {0x410, IDI_FLAG_ITALIAN}, {0x809, IDI_FLAG_ENGLISH},
    {9, IDI_FLAG_ENGLISH},     {0x405, IDI_FLAG_UNKNOWN}, {0x40B, IDI_FLAG_UNKNOWN},
    {0, IDI_FLAG_UNKNOWN},     {0x3FF, IDI_FLAG_UNKNOWN},
};

using ImagesTest = LocaleKitTest;

TEST_F(ImagesTest, IconIsTheFlagOfThePrimaryLanguageAtTheAskedSize) {
  com::Ptr<ILocaleKitMngr> manager = MakeManager();
  ASSERT_TRUE(manager);
  for (const IconCase& c : kIconCases) {
    for (long big : {0L, 1L, -1L}) {
      SIZE size = big ? kBig : kSmall;
      long handle = 0;
      ASSERT_EQ(Hr{manager->GetLangIcon(c.langId, big, &handle)}, Hr{S_OK});
      HICON icon = AsIcon(handle);
      ASSERT_NE(icon, nullptr) << c.langId;
      SIZE got = IconSize(icon);
      EXPECT_EQ(got.cx, size.cx) << c.langId << " big " << big;
      EXPECT_EQ(got.cy, size.cy) << c.langId << " big " << big;
      HICON expected = LocaleKitIcon(c.expectedIconId, size.cx, size.cy);
      ASSERT_NE(expected, nullptr);
      EXPECT_EQ(IconImagePixels(icon, size.cx, size.cy),
                IconImagePixels(expected, size.cx, size.cy))
          << c.langId << " is not flag " << c.expectedIconId;
      DestroyIcon(expected);
      EXPECT_TRUE(DestroyIcon(icon)) << "the icon is the caller's";
    }
  }
}

TEST_F(ImagesTest, FlagsOfTheEightLanguagesDifferFromEachOtherAndFromTheUnknownFlag) {
  const int ids[] = {IDI_FLAG_ENGLISH, IDI_FLAG_RUSSIAN, IDI_FLAG_GERMAN,
                     IDI_FLAG_FRENCH,  IDI_FLAG_SPANISH, IDI_FLAG_PORTUGUESE,
                     IDI_FLAG_DUTCH,   IDI_FLAG_ITALIAN, IDI_FLAG_UNKNOWN};
  for (SIZE size : {kSmall, kBig}) {
    std::vector<Pixels> flags;
    for (int id : ids) {
      HICON icon = LocaleKitIcon(id, size.cx, size.cy);
      ASSERT_NE(icon, nullptr) << id;
      flags.push_back(IconImagePixels(icon, size.cx, size.cy));
      DestroyIcon(icon);
    }
    for (size_t a = 0; a < flags.size(); ++a)
      for (size_t b = a + 1; b < flags.size(); ++b)
        EXPECT_FALSE(flags[a] == flags[b]) << ids[a] << " and " << ids[b] << " look alike";
  }
}

struct DirectionCase {
  long inLangId;
  long outLangId;
  int firstFlag;
  int secondFlag;
};

TEST_F(ImagesTest, DirectionBitmapShowsBothFlagsWhereThePairPutsThem) {
  const DirectionCase cases[] = {
      {0x409, 0x419, IDI_FLAG_ENGLISH, IDI_FLAG_RUSSIAN},
      {0x419, 0x409, IDI_FLAG_RUSSIAN, IDI_FLAG_ENGLISH},
      {0x407, 0x405, IDI_FLAG_GERMAN, IDI_FLAG_UNKNOWN},
      {0x400, 0x410, IDI_FLAG_UNKNOWN, IDI_FLAG_ITALIAN},
  };
  com::Ptr<ILocaleKitMngr> manager = MakeManager();
  ASSERT_TRUE(manager);
  for (const DirectionCase& c : cases) {
    long handle = 0;
    ASSERT_EQ(Hr{manager->GetLangDirectionBmp(c.inLangId, c.outLangId, &handle)}, Hr{S_OK});
    HBITMAP bitmap = AsBitmap(handle);
    ASSERT_NE(bitmap, nullptr);
    Pixels picture = BitmapPixels(bitmap);
    ASSERT_EQ(picture.width, 32);
    ASSERT_EQ(picture.height, 32);

    HICON first = LocaleKitIcon(c.firstFlag, kSmall.cx, kSmall.cy);
    HICON second = LocaleKitIcon(c.secondFlag, kSmall.cx, kSmall.cy);
    EXPECT_EQ(picture.Block(0, 1, 16, 11), IconImagePixels(first, kSmall.cx, kSmall.cy))
        << c.inLangId << ": the first flag is not at (0, 1)";
    EXPECT_EQ(picture.Block(16, 4, 16, 11), IconImagePixels(second, kSmall.cx, kSmall.cy))
        << c.outLangId << ": the second flag is not at (16, 4)";
    DestroyIcon(first);
    DestroyIcon(second);

    // Just outside the flags the background shows.
    const POINT background[] = {{0, 0},   {15, 0}, {16, 3},  {31, 3},
                                {31, 15}, {0, 31}, {31, 31}, {20, 24}};
    for (POINT p : background)
      EXPECT_EQ(picture.At(p.x, p.y), kRgbMagenta) << "(" << p.x << ", " << p.y << ")";
    EXPECT_TRUE(DeleteObject(bitmap)) << "the bitmap is the caller's";
  }
}

TEST_F(ImagesTest, RussianFlagLandsWithItsStripesInPlace) {
  com::Ptr<ILocaleKitMngr> manager = MakeManager();
  ASSERT_TRUE(manager);
  long handle = 0;
  ASSERT_EQ(Hr{manager->GetLangDirectionBmp(0x409, 0x419, &handle)}, Hr{S_OK});
  HBITMAP bitmap = AsBitmap(handle);
  Pixels picture = BitmapPixels(bitmap);
  DeleteObject(bitmap);
  ASSERT_EQ(picture.width, 32);
  // White on top (row 4), blue in the middle, red at the bottom (row 14).
  for (int x = 16; x < 32; ++x) {
    EXPECT_EQ(picture.At(x, 4), 0xFFFFFFu) << x;
    unsigned middle = picture.At(x, 9);
    EXPECT_GT(middle & 0xFF, (middle >> 16) & 0xFF) << x << ": not blue";
    unsigned bottom = picture.At(x, 14);
    EXPECT_GT((bottom >> 16) & 0xFF, bottom & 0xFF) << x << ": not red";
  }
}

}  // namespace
