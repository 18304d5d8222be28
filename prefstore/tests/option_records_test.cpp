// The registry records of the options store: their bytes against hand-made
// ones, decoding of stored values of every length (shorter, exact, longer
// than the record) and the default window position.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "prefstore/OptionRecords.h"

namespace morvex::prefstore {
namespace {

std::vector<uint8_t> Bytes(std::initializer_list<int> values) {
  std::vector<uint8_t> bytes;
  for (int value : values) bytes.push_back(static_cast<uint8_t>(value));
  return bytes;
}

TEST(NumberTest, ShorterValuesLeaveHighBytesZeroAndLongerOnesAreRefused) {
  struct Case {
    std::vector<uint8_t> stored;
    bool taken;
    int32_t value;
  };
  const Case cases[] = {
      {Bytes({}), true, 0},
      {Bytes({0x19, 0x04}), true, 0x419},
      {Bytes({0xFF, 0xFF, 0xFF, 0xFF}), true, -1},
      {Bytes({0x31, 0x00}), true, 0x31},
      {Bytes({1, 2, 3, 4, 5}), false, 77},
  };
  for (const Case& c : cases) {
    int32_t value = 77;
    EXPECT_EQ(DecodeNumber(c.stored.data(), c.stored.size(), &value), c.taken) << c.stored.size();
    EXPECT_EQ(value, c.value) << c.stored.size();
  }
}

TEST(HotKeyRecordTest, EncodesLittleEndianTwelveBytesEach) {
  std::vector<HotKeyRecord> records = {{123, 3, 0x5A}, {-1, 0x0102, 0x7FFFFFFF}};
  EXPECT_EQ(EncodeHotKeys(records),
            Bytes({
                123,  0,    0,    0,    3, 0, 0, 0, 0x5A, 0,    0,    0,     // first
                0xFF, 0xFF, 0xFF, 0xFF, 2, 1, 0, 0, 0xFF, 0xFF, 0xFF, 0x7F,  // second
            }));
}

TEST(HotKeyRecordTest, DecodesWholeRecordsOnlyAndIgnoresTrailingBytes) {
  std::vector<HotKeyRecord> three = {{123, 3, 0x5A}, {124, 3, 0x58}, {125, 3, 0x53}};
  std::vector<uint8_t> stored = EncodeHotKeys(three);
  stored.insert(stored.end(), {9, 9, 9, 9, 9, 9});  // 42 bytes
  struct Case {
    size_t size;
    size_t count;
  };
  for (Case c : {Case{0, 0}, Case{11, 0}, Case{12, 1}, Case{30, 2}, Case{36, 3}, Case{42, 3}}) {
    std::vector<uint8_t> bytes(stored.begin(), stored.begin() + c.size);
    std::vector<HotKeyRecord> records = DecodeHotKeys(bytes.data(), bytes.size());
    ASSERT_EQ(records.size(), c.count) << c.size;
    for (size_t i = 0; i < records.size(); ++i) {
      EXPECT_EQ(records[i].cmdId, three[i].cmdId);
      EXPECT_EQ(records[i].modifiers, three[i].modifiers);
      EXPECT_EQ(records[i].virtKey, three[i].virtKey);
    }
  }
}

FontRecord ArialBoldItalic() {
  FontRecord font;
  font.size = 120000;
  font.weight = 700;
  font.charset = 204;
  font.italic = 1;
  font.underline = 0;
  font.strikethrough = 1;
  font.nameLength = 5;
  font.faceName = "Arial";
  return font;
}

TEST(FontRecordTest, EncodesEveryFieldAtItsOffset) {
  FontBytes expected{};
  const uint8_t head[] = {0xC0, 0xD4, 0x01, 0,   0,  0, 0, 0,  // size 120000
                          0xBC, 0x02,                          // weight 700
                          0xCC, 0x00,                          // charset 204
                          1,    0,    0,    0,                 // italic
                          0,    0,    0,    0,                 // underline
                          1,    0,    0,    0,                 // strikethrough
                          5,    0,    0,    0,                 // name length
                          'A',  'r',  'i',  'a', 'l'};
  std::copy(std::begin(head), std::end(head), expected.begin());
  EXPECT_EQ(EncodeFont(ArialBoldItalic()), expected);
}

TEST(FontRecordTest, BlankRecordHasWeight400AndCharset1) {
  FontBytes expected{};
  expected[8] = 0x90;  // 400
  expected[9] = 0x01;
  expected[10] = 1;
  EXPECT_EQ(EncodeFont(FontRecord()), expected);
}

TEST(FontRecordTest, RoundTripsAndCutsAnOverlongNameInsideTheRecord) {
  for (size_t length :
       {size_t{0}, size_t{31}, kFontFaceNameMaxBytes, kFontFaceNameSize, size_t{400}}) {
    FontRecord font = ArialBoldItalic();
    font.faceName = std::string(length, 'N');
    FontBytes bytes = EncodeFont(font);
    EXPECT_EQ(bytes[kFontRecordSize - 1], 0) << length;
    FontRecord back;
    ASSERT_TRUE(DecodeFont(bytes.data(), bytes.size(), &back));
    EXPECT_EQ(back.faceName, std::string(std::min(length, kFontFaceNameMaxBytes), 'N'));
    EXPECT_EQ(back.size, font.size);
    EXPECT_EQ(back.weight, font.weight);
    EXPECT_EQ(back.charset, font.charset);
    EXPECT_EQ(back.italic, font.italic);
    EXPECT_EQ(back.underline, font.underline);
    EXPECT_EQ(back.strikethrough, font.strikethrough);
  }
}

TEST(FontRecordTest, ShortValuesKeepTheBlankRestAndLongOnesAreRefused) {
  FontBytes full = EncodeFont(ArialBoldItalic());
  struct Case {
    size_t size;
    int16_t weight;
    int16_t charset;
    const char* face;
  };
  const Case cases[] = {
      {0, 400, 1, ""},    {8, 400, 1, ""},      {10, 700, 1, ""},
      {28, 700, 204, ""}, {30, 700, 204, "Ar"}, {kFontRecordSize, 700, 204, "Arial"},
  };
  for (const Case& c : cases) {
    FontRecord font;
    ASSERT_TRUE(DecodeFont(full.data(), c.size, &font)) << c.size;
    EXPECT_EQ(font.weight, c.weight) << c.size;
    EXPECT_EQ(font.charset, c.charset) << c.size;
    EXPECT_EQ(font.faceName, c.face) << c.size;
  }
  std::vector<uint8_t> longer(full.begin(), full.end());
  longer.resize(300, 'x');
  FontRecord untouched = ArialBoldItalic();
  untouched.faceName = "Kept";
  EXPECT_FALSE(DecodeFont(longer.data(), longer.size(), &untouched));
  EXPECT_EQ(untouched.faceName, "Kept");
}

TEST(FontRecordTest, NameWithoutNulEndsAtItsField) {
  std::vector<uint8_t> stored(kFontRecordSize, 'Z');
  FontRecord font;
  ASSERT_TRUE(DecodeFont(stored.data(), stored.size(), &font));
  EXPECT_EQ(font.faceName, std::string(kFontFaceNameMaxBytes, 'Z'));
}

TEST(LastDictRecordTest, ShorterValuesChangeOnlyWhatTheyCover) {
  LastDictRecord start{7, 1033, 1049};
  EXPECT_EQ(EncodeLastDict(start),
            (std::array<uint8_t, 12>{7, 0, 0, 0, 0x09, 0x04, 0, 0, 0x19, 0x04, 0, 0}));
  struct Case {
    std::vector<uint8_t> stored;
    bool taken;
    LastDictRecord after;
  };
  const Case cases[] = {
      {Bytes({3, 0, 0, 0}), true, {3, 1033, 1049}},
      {Bytes({3, 0, 0, 0, 0x07}), true, {3, 0x407, 1049}},
      {Bytes({1, 0, 0, 0, 2, 0, 0, 0, 3, 0, 0, 0}), true, {1, 2, 3}},
      {std::vector<uint8_t>(20, 1), false, {7, 1033, 1049}},
  };
  for (const Case& c : cases) {
    LastDictRecord record = start;
    EXPECT_EQ(DecodeLastDictOver(c.stored.data(), c.stored.size(), &record), c.taken);
    EXPECT_EQ(record.dictId, c.after.dictId) << c.stored.size();
    EXPECT_EQ(record.langIn, c.after.langIn) << c.stored.size();
    EXPECT_EQ(record.langOut, c.after.langOut) << c.stored.size();
  }
}

TEST(PositionRecordTest, FieldsAShortValueDoesNotCoverBecomeZero) {
  PositionRecord position{1, 2, 3, 4};
  std::vector<uint8_t> stored = Bytes({10, 0, 0, 0, 20, 0, 0, 0});
  ASSERT_TRUE(DecodePosition(stored.data(), stored.size(), &position));
  EXPECT_EQ(position.left, 10);
  EXPECT_EQ(position.top, 20);
  EXPECT_EQ(position.right, 0);
  EXPECT_EQ(position.bottom, 0);

  PositionRecord full{-5, 6, 700, 0x12345678};
  auto bytes = EncodePosition(full);
  EXPECT_EQ(bytes[0], 0xFB);
  EXPECT_EQ(bytes[12], 0x78);
  EXPECT_EQ(bytes[15], 0x12);
  std::vector<uint8_t> longer(bytes.begin(), bytes.end());
  longer.push_back(0);
  EXPECT_FALSE(DecodePosition(longer.data(), longer.size(), &position));
  EXPECT_EQ(position.left, 10);
}

TEST(DefaultPositionTest, CentredThirdOfTheScreen) {
  struct Case {
    int32_t width, height;
    PositionRecord expected;
  };
  const Case cases[] = {
      {0, 0, {267, 200, 533, 400}},       {800, 0, {267, 200, 533, 400}},
      {0, 768, {267, 200, 533, 400}},     {1024, 768, {341, 256, 682, 512}},
      {1280, 1024, {427, 341, 853, 682}}, {800, 600, {267, 200, 533, 400}},
  };
  for (const Case& c : cases) {
    PositionRecord position = DefaultPosition(c.width, c.height);
    EXPECT_EQ(position.left, c.expected.left) << c.width << "x" << c.height;
    EXPECT_EQ(position.top, c.expected.top) << c.width << "x" << c.height;
    EXPECT_EQ(position.right, c.expected.right) << c.width << "x" << c.height;
    EXPECT_EQ(position.bottom, c.expected.bottom) << c.width << "x" << c.height;
  }
}

}  // namespace
}  // namespace morvex::prefstore
