// The shipped alphabets (data/Lang.txt) checked row by row against the facts
// of their code pages (base/tests/data/lang_codepages.txt, written from
// Python's codecs by data/make_lang_txt.py), and the Lang.dat the build
// compiled from them.

#include <gtest/gtest.h>

#include <array>
#include <map>
#include <optional>
#include <sstream>
#include <string>

#include "base/CLangData.h"
#include "base/tests/lang_support.h"

namespace {

// What the codecs say of one letter of an ANSI page; -1 where the page has
// no such form.
struct LetterFacts {
  int upper;
  int lower;
  int oem;
  int base;  // the letter without its diacritic
};

struct PageFacts {
  std::string ansi;
  std::array<std::optional<LetterFacts>, 256> letters;
};

int Field(const std::string& token) { return token == "-" ? -1 : std::stoi(token); }

// Language id -> the facts of its pair of code pages.
std::map<unsigned, PageFacts> ReadFacts() {
  std::istringstream in(ReadBytes(TestDataPath("lang_codepages.txt")));
  std::map<unsigned, std::string> pagesOfLang;
  std::map<std::string, PageFacts> pages;
  PageFacts* current = nullptr;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream tokens(line);
    std::string first;
    tokens >> first;
    if (first.empty() || first[0] == '*') continue;
    if (first == "LANG") {
      std::string id, ansi, oem;
      tokens >> id >> ansi >> oem;
      pagesOfLang[std::stoul(id, nullptr, 16)] = ansi + " " + oem;
    } else if (first == "PAGES") {
      std::string ansi, oem;
      tokens >> ansi >> oem;
      current = &pages[ansi + " " + oem];
      current->ansi = ansi;
    } else if (current) {
      std::string upper, lower, oem, base;
      tokens >> upper >> lower >> oem >> base;
      current->letters[std::stoi(first)] =
          LetterFacts{Field(upper), Field(lower), Field(oem), Field(base)};
    }
  }
  std::map<unsigned, PageFacts> facts;
  for (const auto& [id, key] : pagesOfLang) facts[id] = pages.at(key);
  return facts;
}

int Code(char ch) { return static_cast<unsigned char>(ch); }

struct ShippedLanguage {
  unsigned short id;
  const char* name;
  const char* abbreviation;
  int letters;
};

const ShippedLanguage kShipped[] = {
    {0x419, "Russian", "ru", 33}, {0x409, "English", "en", 26}, {0x407, "German", "de", 30},
    {0x40C, "French", "fr", 42},  {0x40A, "Spanish", "es", 33}, {0x416, "Portuguese", "pt", 39},
    {0x413, "Dutch", "nl", 39},   {0x410, "Italian", "it", 36},
};

void ValidateRow(const CLang& lang, const PageFacts& page, int i) {
  const CLangLetter row = lang.GetLetter(i);
  const auto& small = page.letters[Code(row.lower)];
  const auto& capital = page.letters[Code(row.upper)];
  ASSERT_TRUE(small && capital) << "not letters of " << page.ansi;

  // The case columns map onto each other, as the code page does.
  EXPECT_EQ(small->lower, Code(row.lower)) << "Lower is not a small letter";
  EXPECT_EQ(small->upper == -1 ? Code(row.lower) : small->upper, Code(row.upper));
  EXPECT_EQ(capital->lower, Code(row.lower));
  EXPECT_EQ(lang.ToUpper(row.lower), row.upper);
  EXPECT_EQ(lang.ToLower(row.upper), row.lower);
  EXPECT_EQ(lang.CharToIndex(row.lower), i);
  EXPECT_EQ(lang.CharToIndex(row.upper), i);
  EXPECT_EQ(lang.IndexToChar(i), row.lower);

  // The base letter: the codecs' undecorated letter, or for a ligature the
  // first letter of its transliteration; a plain letter of this alphabet,
  // with every row from it to this one a form of it (dictionary order).
  if (small->base != -1) {
    EXPECT_EQ(Code(row.baseLower), small->base);
  } else {
    EXPECT_TRUE(row.baseLower == row.lower || row.baseLower == row.transliteration[0]);
  }
  const int baseRow = lang.CharToIndex(row.baseLower);
  ASSERT_GE(baseRow, 0);
  ASSERT_LE(baseRow, i);
  const CLangLetter base = lang.GetLetter(baseRow);
  EXPECT_EQ(base.baseLower, base.lower) << "the base letter has a base of its own";
  EXPECT_EQ(row.baseUpper, base.upper);
  for (int between = baseRow; between <= i; ++between) {
    EXPECT_EQ(lang.GetLetter(between).baseLower, row.baseLower) << "row " << between;
  }

  // OEM: the code page's code, else the base letter's; never 0; back again.
  const auto& smallBase = page.letters[Code(row.baseLower)];
  const auto& capitalBase = page.letters[Code(row.baseUpper)];
  EXPECT_EQ(Code(row.oemLower), small->oem != -1 ? small->oem : smallBase->oem);
  EXPECT_EQ(Code(row.oemUpper), capital->oem != -1 ? capital->oem : capitalBase->oem);
  EXPECT_EQ(lang.CharAnsiToOem(row.lower), row.oemLower);
  EXPECT_EQ(lang.CharAnsiToOem(row.upper), row.oemUpper);
  EXPECT_EQ(lang.CharOemToAnsi(row.oemLower), small->oem != -1 ? row.lower : row.baseLower);
  EXPECT_EQ(lang.CharOemToAnsi(row.oemUpper), capital->oem != -1 ? row.upper : row.baseUpper);

  // Class and transliteration.
  EXPECT_TRUE(row.letterClass == 'v' || row.letterClass == 'c' || row.letterClass == '-');
  if (page.ansi == "cp1252") {
    EXPECT_EQ(row.letterClass, base.letterClass) << "a Latin letter has its base's class";
  }
  const std::string latin = row.transliteration;
  EXPECT_TRUE(latin.size() >= 1 && latin.size() <= 3) << latin;
  for (char ch : latin) EXPECT_TRUE((ch >= 'a' && ch <= 'z') || ch == '\'') << latin;
}

TEST(ShippedLangTxt, EveryRowAgreesWithItsCodePages) {
  ScratchDir dir;
  CLangData data;
  ASSERT_EQ(LoadShippedText(data, dir), CLangData::kLoaded);
  const std::map<unsigned, PageFacts> facts = ReadFacts();
  EXPECT_EQ(data.GetLangCount(), 8);
  for (const auto& shipped : kShipped) {
    SCOPED_TRACE(shipped.name);
    const CLang* lang = data.GetLang(shipped.id);
    ASSERT_NE(lang, nullptr);
    EXPECT_STREQ(lang->GetLanguageString(nullptr), shipped.name);
    EXPECT_STREQ(lang->GetLangStr(nullptr), shipped.abbreviation);
    ASSERT_EQ(lang->GetLetterCount(), shipped.letters);
    const PageFacts& page = facts.at(shipped.id);
    int previousPlain = -1;
    for (int i = 0; i < lang->GetLetterCount(); ++i) {
      SCOPED_TRACE("row " + std::to_string(i));
      ValidateRow(*lang, page, i);
      // The plain letters come in the code page's order.
      const CLangLetter row = lang->GetLetter(i);
      if (row.baseLower == row.lower) {
        EXPECT_GT(Code(row.lower), previousPlain);
        previousPlain = Code(row.lower);
      }
    }
  }
}

TEST(ShippedLangTxt, BuiltLangDatHoldsTheSameAlphabets) {
  ScratchDir parsedDir;
  CLangData parsed;
  ASSERT_EQ(LoadShippedText(parsed, parsedDir), CLangData::kLoaded);
  // Alone in a directory, the build's Lang.dat can only be read as a cache.
  ScratchDir builtDir;
  builtDir.Write("Lang.dat", ReadBytes(BuiltDataDir() + "/Lang.dat"));
  CLangData built;
  ASSERT_EQ(built.Load(builtDir.DirWithSeparator().c_str(), "Lang.dat"), CLangData::kLoaded);
  ExpectSameLanguages(parsed, built);
  // And the cache written from the text is the same file.
  EXPECT_EQ(ReadBytes(parsedDir.Path("Lang.dat")), ReadBytes(BuiltDataDir() + "/Lang.dat"));
}

}  // namespace
