// UTF-8 into code pages 1251 and 1252 (tools/dictd/CodePageConversion.h).
#include "tools/dictd/CodePageConversion.h"

#include <algorithm>
#include <array>
#include <utility>
#include <vector>

namespace {

constexpr uint16_t kRussianPrimaryLanguage = 25;
constexpr uint16_t kPrimaryLanguageMask = 0x3FF;
constexpr char32_t kNoCharacter = 0;

// The characters of the bytes 0x80 to 0xFF, eight bytes a row; 0 where the
// byte is unassigned.
// clang-format off
constexpr char32_t kUpperHalf1251[128] = {
    0x0402, 0x0403, 0x201A, 0x0453, 0x201E, 0x2026, 0x2020, 0x2021,
    0x20AC, 0x2030, 0x0409, 0x2039, 0x040A, 0x040C, 0x040B, 0x040F,
    0x0452, 0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0,      0x2122, 0x0459, 0x203A, 0x045A, 0x045C, 0x045B, 0x045F,
    0x00A0, 0x040E, 0x045E, 0x0408, 0x00A4, 0x0490, 0x00A6, 0x00A7,
    0x0401, 0x00A9, 0x0404, 0x00AB, 0x00AC, 0x00AD, 0x00AE, 0x0407,
    0x00B0, 0x00B1, 0x0406, 0x0456, 0x0491, 0x00B5, 0x00B6, 0x00B7,
    0x0451, 0x2116, 0x0454, 0x00BB, 0x0458, 0x0405, 0x0455, 0x0457,
    0x0410, 0x0411, 0x0412, 0x0413, 0x0414, 0x0415, 0x0416, 0x0417,
    0x0418, 0x0419, 0x041A, 0x041B, 0x041C, 0x041D, 0x041E, 0x041F,
    0x0420, 0x0421, 0x0422, 0x0423, 0x0424, 0x0425, 0x0426, 0x0427,
    0x0428, 0x0429, 0x042A, 0x042B, 0x042C, 0x042D, 0x042E, 0x042F,
    0x0430, 0x0431, 0x0432, 0x0433, 0x0434, 0x0435, 0x0436, 0x0437,
    0x0438, 0x0439, 0x043A, 0x043B, 0x043C, 0x043D, 0x043E, 0x043F,
    0x0440, 0x0441, 0x0442, 0x0443, 0x0444, 0x0445, 0x0446, 0x0447,
    0x0448, 0x0449, 0x044A, 0x044B, 0x044C, 0x044D, 0x044E, 0x044F,
};
constexpr char32_t kUpperHalf1252[128] = {
    0x20AC, 0,      0x201A, 0x0192, 0x201E, 0x2026, 0x2020, 0x2021,
    0x02C6, 0x2030, 0x0160, 0x2039, 0x0152, 0,      0x017D, 0,
    0,      0x2018, 0x2019, 0x201C, 0x201D, 0x2022, 0x2013, 0x2014,
    0x02DC, 0x2122, 0x0161, 0x203A, 0x0153, 0,      0x017E, 0x0178,
    // 0xA0 to 0xFF are the characters U+00A0 to U+00FF (filled in below).
};

// Plain equivalents of U+00C0 to U+017F (Latin-1 letters and Latin
// Extended-A), of U+0400 to U+045F (Cyrillic) and of the Greek letters.
constexpr const char* kLatinPlain[192] = {
    "A",  "A",  "A",  "A",  "A",  "A",  "AE", "C",  "E",  "E",  "E",  "E",  "I",  "I",  "I",  "I",
    "D",  "N",  "O",  "O",  "O",  "O",  "O",  "x",  "O",  "U",  "U",  "U",  "U",  "Y",  "Th", "ss",
    "a",  "a",  "a",  "a",  "a",  "a",  "ae", "c",  "e",  "e",  "e",  "e",  "i",  "i",  "i",  "i",
    "d",  "n",  "o",  "o",  "o",  "o",  "o",  "/",  "o",  "u",  "u",  "u",  "u",  "y",  "th", "y",
    "A",  "a",  "A",  "a",  "A",  "a",  "C",  "c",  "C",  "c",  "C",  "c",  "C",  "c",  "D",  "d",
    "D",  "d",  "E",  "e",  "E",  "e",  "E",  "e",  "E",  "e",  "E",  "e",  "G",  "g",  "G",  "g",
    "G",  "g",  "G",  "g",  "H",  "h",  "H",  "h",  "I",  "i",  "I",  "i",  "I",  "i",  "I",  "i",
    "I",  "i",  "IJ", "ij", "J",  "j",  "K",  "k",  "k",  "L",  "l",  "L",  "l",  "L",  "l",  "L",
    "l",  "L",  "l",  "N",  "n",  "N",  "n",  "N",  "n",  "'n", "N",  "n",  "O",  "o",  "O",  "o",
    "O",  "o",  "OE", "oe", "R",  "r",  "R",  "r",  "R",  "r",  "S",  "s",  "S",  "s",  "S",  "s",
    "S",  "s",  "T",  "t",  "T",  "t",  "T",  "t",  "U",  "u",  "U",  "u",  "U",  "u",  "U",  "u",
    "U",  "u",  "U",  "u",  "W",  "w",  "Y",  "y",  "Y",  "Z",  "z",  "Z",  "z",  "Z",  "z",  "s",
};
constexpr char32_t kLatinPlainFirst = 0x00C0;

constexpr const char* kCyrillicPlain[96] = {
    "E",    "Yo",   "Dj",   "Gj",   "Ye",   "Dz",   "I",    "Yi",
    "J",    "Lj",   "Nj",   "C",    "Kj",   "I",    "U",    "Dz",
    "A",    "B",    "V",    "G",    "D",    "E",    "Zh",   "Z",
    "I",    "Y",    "K",    "L",    "M",    "N",    "O",    "P",
    "R",    "S",    "T",    "U",    "F",    "Kh",   "Ts",   "Ch",
    "Sh",   "Shch", "",     "Y",    "'",    "E",    "Yu",   "Ya",
    "a",    "b",    "v",    "g",    "d",    "e",    "zh",   "z",
    "i",    "y",    "k",    "l",    "m",    "n",    "o",    "p",
    "r",    "s",    "t",    "u",    "f",    "kh",   "ts",   "ch",
    "sh",   "shch", "",     "y",    "'",    "e",    "yu",   "ya",
    "e",    "yo",   "dj",   "gj",   "ye",   "dz",   "i",    "yi",
    "j",    "lj",   "nj",   "c",    "kj",   "i",    "u",    "dz",
};
constexpr char32_t kCyrillicPlainFirst = 0x0400;
// clang-format on

// U+0391 to U+03A9 and U+03B1 to U+03C9 (the final sigma at U+03C2).
constexpr const char* kGreekPlain[25] = {
    "A", "B", "G", "D", "E", "Z", "E", "Th", "I",  "K",  "L",  "M", "N",
    "X", "O", "P", "R", "S", "S", "T", "Y",  "Ph", "Ch", "Ps", "O",
};
constexpr const char* kGreekLowerPlain[25] = {
    "a", "b", "g", "d", "e", "z", "e", "th", "i",  "k",  "l",  "m", "n",
    "x", "o", "p", "r", "s", "s", "t", "y",  "ph", "ch", "ps", "o",
};
constexpr char32_t kGreekUpperFirst = 0x0391;
constexpr char32_t kGreekLowerFirst = 0x03B1;

struct SymbolPlain {
  char32_t ch;
  const char* plain;
};
// Symbols and punctuation that one of the two code pages lacks.
constexpr SymbolPlain kSymbolPlain[] = {
    {0x00A1, "!"},   {0x00A2, "c"},   {0x00A3, "GBP"}, {0x00A5, "JPY"}, {0x00A8, "\""},
    {0x00AA, "a"},   {0x00AF, "-"},   {0x00B2, "2"},   {0x00B3, "3"},   {0x00B4, "'"},
    {0x00B8, ","},   {0x00B9, "1"},   {0x00BA, "o"},   {0x00BC, "1/4"}, {0x00BD, "1/2"},
    {0x00BE, "3/4"}, {0x00BF, "?"},   {0x0192, "f"},   {0x02B9, "'"},   {0x02BA, "\""},
    {0x02BC, "'"},   {0x02C6, "^"},   {0x02DC, "~"},   {0x2010, "-"},   {0x2011, "-"},
    {0x2012, "-"},   {0x2013, "-"},   {0x2014, "-"},   {0x2015, "-"},   {0x2018, "'"},
    {0x2019, "'"},   {0x201A, ","},   {0x201C, "\""},  {0x201D, "\""},  {0x201E, "\""},
    {0x2022, "*"},   {0x2026, "..."}, {0x2032, "'"},   {0x2033, "\""},  {0x2039, "<"},
    {0x203A, ">"},   {0x20AC, "EUR"}, {0x2116, "No."}, {0x2122, "TM"},  {0x2212, "-"},
};

using ReverseTable = std::vector<std::pair<char32_t, unsigned char>>;

ReverseTable MakeReverseTable(const char32_t (&upperHalf)[128], bool latin1Tail) {
  ReverseTable table;
  for (int i = 0; i < 128; ++i) {
    char32_t ch = upperHalf[i];
    if (latin1Tail && i >= 0x20) ch = static_cast<char32_t>(0x80 + i);
    if (ch != kNoCharacter) table.emplace_back(ch, static_cast<unsigned char>(0x80 + i));
  }
  std::sort(table.begin(), table.end());
  return table;
}

const ReverseTable& ReverseTableOf(CodePage codePage) {
  static const ReverseTable k1251 = MakeReverseTable(kUpperHalf1251, false);
  static const ReverseTable k1252 = MakeReverseTable(kUpperHalf1252, true);
  return codePage == CodePage::k1251 ? k1251 : k1252;
}

// The byte of the character in the code page, or 0 when it has none.
unsigned char ByteOf(char32_t ch, CodePage codePage) {
  if (ch < 0x80) return static_cast<unsigned char>(ch);
  const ReverseTable& table = ReverseTableOf(codePage);
  auto found = std::lower_bound(table.begin(), table.end(), std::make_pair(ch, uint8_t{0}));
  return found != table.end() && found->first == ch ? found->second : 0;
}

// The plain equivalent, or null when the character has none.
const char* PlainOf(char32_t ch) {
  if (ch >= kLatinPlainFirst && ch < kLatinPlainFirst + 192)
    return kLatinPlain[ch - kLatinPlainFirst];
  if (ch >= kCyrillicPlainFirst && ch < kCyrillicPlainFirst + 96) {
    return kCyrillicPlain[ch - kCyrillicPlainFirst];
  }
  if (ch == 0x0490) return "G";
  if (ch == 0x0491) return "g";
  if (ch >= kGreekUpperFirst && ch < kGreekUpperFirst + 25 && ch != 0x03A2) {
    return kGreekPlain[ch - kGreekUpperFirst];
  }
  if (ch >= kGreekLowerFirst && ch < kGreekLowerFirst + 25) {
    return kGreekLowerPlain[ch - kGreekLowerFirst];
  }
  for (const SymbolPlain& symbol : kSymbolPlain) {
    if (symbol.ch == ch) return symbol.plain;
  }
  return nullptr;
}

// Decodes one character at `pos`; 0 characters consumed means the byte there
// starts no valid sequence.
int DecodeUtf8(std::string_view text, size_t pos, char32_t* ch) {
  const auto byte = [&](size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(pos);
  if (lead < 0x80) {
    *ch = lead;
    return 1;
  }
  int length = 0;
  char32_t value = 0;
  char32_t minimum = 0;
  if ((lead & 0xE0) == 0xC0) {
    length = 2, value = lead & 0x1F, minimum = 0x80;
  } else if ((lead & 0xF0) == 0xE0) {
    length = 3, value = lead & 0x0F, minimum = 0x800;
  } else if ((lead & 0xF8) == 0xF0) {
    length = 4, value = lead & 0x07, minimum = 0x10000;
  } else {
    return 0;
  }
  if (pos + length > text.size()) return 0;
  for (int i = 1; i < length; ++i) {
    const unsigned char next = byte(pos + i);
    if ((next & 0xC0) != 0x80) return 0;
    value = (value << 6) | (next & 0x3F);
  }
  if (value < minimum || value > 0x10FFFF || (value >= 0xD800 && value <= 0xDFFF)) return 0;
  *ch = value;
  return length;
}

}  // namespace

CodePage CodePageOfLanguage(uint16_t langId) {
  return (langId & kPrimaryLanguageMask) == kRussianPrimaryLanguage ? CodePage::k1251
                                                                    : CodePage::k1252;
}

ConversionCounts& ConversionCounts::operator+=(const ConversionCounts& other) {
  transliterated += other.transliterated;
  dropped += other.dropped;
  malformed += other.malformed;
  return *this;
}

std::string ConvertUtf8(std::string_view utf8, CodePage codePage, ConversionCounts* counts) {
  ConversionCounts local;
  std::string out;
  out.reserve(utf8.size());
  for (size_t pos = 0; pos < utf8.size();) {
    char32_t ch = 0;
    const int length = DecodeUtf8(utf8, pos, &ch);
    if (length == 0) {
      ++local.malformed;
      ++pos;
      continue;
    }
    pos += length;
    if (ch == 0) {  // would end the text in every C string after it
      ++local.dropped;
    } else if (const unsigned char byte = ByteOf(ch, codePage); byte != 0) {
      out += static_cast<char>(byte);
    } else if (const char* plain = PlainOf(ch); plain != nullptr && plain[0] != 0) {
      out += plain;
      ++local.transliterated;
    } else {
      ++local.dropped;
    }
  }
  if (counts) *counts += local;
  return out;
}
