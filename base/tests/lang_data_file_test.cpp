// The language data loader: the text grammar, the compiled file's bytes,
// damaged caches, paths and how the cache is written. Every test uses a
// private CLangData in a scratch directory.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

#include "base/CLangData.h"
#include "base/MCFile.h"
#include "base/platform/FileFaults.h"
#include "base/tests/lang_support.h"

namespace {

const char kTwoLanguages[] =
    "LANG Russian ru 419\n"
    "CHAR 2\n"
    "224 - 192 - 160 128 v a\n"
    "225 - 193 - 161 129 c b\n"
    "LANG English en 409\n"
    "CHAR 1\n"
    "a - A - a A v a\n";

// Loads the text as dir/Lang.txt into data; Load's result.
int LoadText(CLangData& data, const ScratchDir& dir, const std::string& text) {
  dir.Write("Lang.txt", text);
  return data.Load(dir.DirWithSeparator().c_str(), "Lang.dat");
}

std::vector<std::string> FilesIn(const ScratchDir& dir) {
  std::vector<std::string> names;
  for (const auto& entry : std::filesystem::directory_iterator(dir.Path(""))) {
    names.push_back(entry.path().filename().string());
  }
  std::sort(names.begin(), names.end());
  return names;
}

std::string Translit(const char* text) {
  std::string slot(text);
  slot.resize(4, '\0');
  return slot;
}

// --- The compiled file

TEST(LangDataFile, CompiledBytesFollowTheMapOrderAndTheFileColumnOrder) {
  ScratchDir dir;
  CLangData parsed;
  ASSERT_EQ(LoadText(parsed, dir, kTwoLanguages), CLangData::kLoaded);

  std::string expected("\x02\x00", 2);
  // English (0x409 >> 4 = 64, bucket 13) before Russian (65, bucket 14),
  // whatever the source's order.
  expected += std::string("\x09\x04\x07", 3) + "English" + "en" + '\x01';
  expected += "aAaAaAv";
  expected += Translit("a") + std::string(252, '\0');
  expected += std::string("\x19\x04\x07", 3) + "Russian" + "ru" + '\x02';
  // Lower, Upper, BaseLower, BaseUpper, OemLower, OemUpper, Class.
  for (const char* column :
       {"\xE0\xE1", "\xC0\xC1", "\xE0\xE1", "\xC0\xC1", "\xA0\xA1", "\x80\x81", "vc"}) {
    expected += column;
  }
  expected += Translit("a") + Translit("b") + std::string(248, '\0');
  EXPECT_EQ(ReadBytes(dir.Path("Lang.dat")), expected);

  // The cache alone gives the same tables.
  std::filesystem::remove(dir.Path("Lang.txt"));
  CLangData cached;
  ASSERT_EQ(cached.Load(dir.DirWithSeparator().c_str(), "Lang.dat"), CLangData::kLoaded);
  ExpectSameLanguages(parsed, cached);
  EXPECT_EQ(cached.GetLang(kRussianId)->ToUpper('\xE1'), '\xC1');
}

TEST(LangDataFile, ShortAbbreviationIsPaddedAndReadsBack) {
  ScratchDir dir;
  CLangData parsed;
  ASSERT_EQ(LoadText(parsed, dir, "LANG X x 401\nCHAR 1\na - A - a A v a\n"), 0);
  const std::string bytes = ReadBytes(dir.Path("Lang.dat"));
  EXPECT_EQ(bytes.substr(2, 6), std::string("\x01\x04\x01X", 4) + std::string("x\0", 2));
  CLangData cached;
  ASSERT_EQ(cached.Load(dir.DirWithSeparator().c_str(), "Lang.dat"), 0);
  EXPECT_STREQ(cached.GetLang(0x401)->GetLangStr(nullptr), "x");
}

// A sound cache of kTwoLanguages, then a damaged copy of it beside a text
// source of another language: the text source must win and replace it.
TEST(LangDataFile, DamagedCacheFallsBackToTheTextAndIsReplaced) {
  std::string sound;
  {
    ScratchDir dir;
    CLangData data;
    ASSERT_EQ(LoadText(data, dir, kTwoLanguages), 0);
    sound = ReadBytes(dir.Path("Lang.dat"));
  }
  const std::size_t firstRecord = 2;
  auto patched = [&](std::size_t offset, char value) {
    std::string bytes = sound;
    bytes[offset] = value;
    return bytes;
  };
  std::vector<std::pair<std::string, std::string>> damaged = {
      {"empty", ""},
      {"one byte more", sound + '\0'},
      {"count 0", patched(0, '\0')},
      {"count 3", patched(0, '\x03')},
      {"id 0", patched(firstRecord, '\0').replace(firstRecord + 1, 1, 1, '\0')},
      {"same id twice", patched(firstRecord + 1, '\x04').replace(firstRecord, 1, 1, '\x19')},
      {"name of 27", patched(firstRecord + 2, 27)},
      {"letter count 65", patched(firstRecord + 2 + 1 + 7 + 2, 65)},
      {"NUL letter", patched(firstRecord + 2 + 1 + 7 + 2 + 1, '\0')},
  };
  // Cut inside every field of the first record's head, around the end of
  // the first record, and inside the last one.
  const std::size_t firstRecordEnd = firstRecord + 2 + 1 + 7 + 2 + 1 + 7 + 256;
  std::vector<std::size_t> cuts = {firstRecordEnd - 1,  firstRecordEnd,     firstRecordEnd + 1,
                                   firstRecordEnd + 14, sound.size() - 257, sound.size() - 1};
  for (std::size_t size = 1; size <= firstRecord + 2 + 1 + 7 + 2 + 1 + 2; ++size) {
    cuts.push_back(size);
  }
  for (std::size_t size : cuts) {
    damaged.push_back({"cut to " + std::to_string(size), sound.substr(0, size)});
  }
  const std::string marker = "LANG Marker mk 4FF\nCHAR 1\nq - Q - q Q c q\n";
  for (const auto& [what, bytes] : damaged) {
    ScratchDir dir;
    dir.Write("Lang.dat", bytes);
    CLangData data;
    ASSERT_EQ(LoadText(data, dir, marker), CLangData::kLoaded) << what;
    EXPECT_EQ(data.GetLangCount(), 1) << what;
    EXPECT_NE(data.GetLang(0x4FF), nullptr) << what;
    // The rewritten cache now holds the marker language.
    CLangData again;
    ASSERT_EQ(again.Load(dir.DirWithSeparator().c_str(), "Lang.dat"), 0) << what;
    EXPECT_NE(again.GetLang(0x4FF), nullptr) << what;
  }
}

TEST(LangDataFile, DamagedCacheWithoutTextSourceLoadsNothing) {
  ScratchDir dir;
  dir.Write("Lang.dat", std::string("\x01\x00\x19\x04", 4));
  CLangData data;
  EXPECT_EQ(data.Load(dir.DirWithSeparator().c_str(), "Lang.dat"), CLangData::kCannotOpen);
  EXPECT_EQ(data.GetLangCount(), 0);
  EXPECT_EQ(data.GetFirst(), nullptr);
}

// --- Writing the cache

TEST(LangDataFile, SourceWithoutLanguageWritesNoCache) {
  const char* const sources[] = {"", "* only a comment\n",
                                 "LANG Zero zz 0\nCHAR 1\na - A - a A v a\n",
                                 "CHAR 1\na - A - a A v a\n"};
  for (const char* source : sources) {
    ScratchDir dir;
    CLangData data;
    EXPECT_EQ(LoadText(data, dir, source), CLangData::kCannotOpen) << source;
    EXPECT_EQ(data.GetLangCount(), 0);
    EXPECT_EQ(FilesIn(dir), std::vector<std::string>{"Lang.txt"}) << source;
  }
}

TEST(LangDataFile, FailedCacheWriteKeepsTheLanguagesAndLeavesNoFile) {
  const MFileOperation failing[] = {MFileOperation::kWrite, MFileOperation::kFlush,
                                    MFileOperation::kRename};
  for (MFileOperation operation : failing) {
    ScratchDir dir;
    CLangData data;
    MSetFileFault(operation, 1);
    const int loaded = LoadText(data, dir, kTwoLanguages);
    MClearFileFaults();
    EXPECT_EQ(loaded, CLangData::kLoaded);
    EXPECT_EQ(data.GetLangCount(), 2);
    EXPECT_EQ(FilesIn(dir), std::vector<std::string>{"Lang.txt"});
  }
}

TEST(LangDataFile, FailedRenameLeavesTheOldCacheWhole) {
  ScratchDir dir;
  const std::string old = "damaged";
  dir.Write("Lang.dat", old);
  CLangData data;
  MSetFileFault(MFileOperation::kRename, 1);
  const int loaded = LoadText(data, dir, kTwoLanguages);
  MClearFileFaults();
  EXPECT_EQ(loaded, CLangData::kLoaded);
  EXPECT_EQ(ReadBytes(dir.Path("Lang.dat")), old);
  EXPECT_EQ(FilesIn(dir), (std::vector<std::string>{"Lang.dat", "Lang.txt"}));
}

// --- Paths

TEST(LangDataFile, DirectoryWithOrWithoutSeparatorOpensTheSameFile) {
  ScratchDir dir;
  dir.Write("Lang.txt", kTwoLanguages);
  std::string bare = dir.DirWithSeparator();
  bare.pop_back();
  for (const std::string& given : {bare, bare + "\\", bare + "/"}) {
    CLangData data;
    EXPECT_EQ(data.Load(given.c_str(), "Lang.dat"), CLangData::kLoaded) << given;
    EXPECT_EQ(data.GetLangCount(), 2) << given;
  }
}

TEST(LangDataFile, EmptyDirectoryMeansTheCurrentOne) {
  ScratchDir dir;
  dir.Write("Lang.txt", kTwoLanguages);
  const std::filesystem::path previous = std::filesystem::current_path();
  std::filesystem::current_path(dir.Path(""));
  CLangData data;
  const int loaded = data.Load("", "Lang.dat");
  std::filesystem::current_path(previous);
  EXPECT_EQ(loaded, CLangData::kLoaded);
  EXPECT_EQ(data.GetLangCount(), 2);
  EXPECT_TRUE(std::filesystem::exists(dir.Path("Lang.dat")));
}

TEST(LangDataFile, PathResults) {
  ScratchDir dir;
  dir.Write("data.txt", kTwoLanguages);  // what a '.' in a directory name would wrongly give
  dir.Write("data.v2/Lang.txt", kTwoLanguages);
  const std::string scratch = dir.DirWithSeparator();
  struct {
    const char* dir;
    std::string name;
    int result;
  } const cases[] = {
      {"", "", CLangData::kEmptyPath},
      {nullptr, "", CLangData::kEmptyPath},
      {scratch.c_str(), "Missing.dat", CLangData::kCannotOpen},
      {scratch.c_str(), "data.v2/Lang", CLangData::kCannotOpen},  // no extension to replace
      {scratch.c_str(), "data.v2/Lang.dat", CLangData::kLoaded},
  };
  for (const auto& c : cases) {
    CLangData data;
    EXPECT_EQ(data.Load(c.dir, c.name.c_str()), c.result) << (c.dir ? c.dir : "null") << c.name;
  }
  CLangData data;
  EXPECT_EQ(data.Load(nullptr, nullptr), CLangData::kEmptyPath);
}

TEST(LangDataFile, SecondLoadReadsNothing) {
  ScratchDir first;
  ScratchDir other;
  CLangData data;
  ASSERT_EQ(LoadText(data, first, kTwoLanguages), CLangData::kLoaded);
  EXPECT_EQ(data.Load(other.DirWithSeparator().c_str(), "Lang.dat"), CLangData::kLoaded);
  EXPECT_EQ(data.Load("", ""), CLangData::kEmptyPath);
  EXPECT_EQ(data.GetLangCount(), 2);
  EXPECT_TRUE(FilesIn(other).empty());
}

// --- The text grammar

struct GrammarCase {
  const char* what;
  const char* source;
  std::function<void(const CLangData&)> check;
};

const CLang& Only(const CLangData& data, unsigned short id) {
  static const CLang none;
  const CLang* lang = data.GetLang(id);
  EXPECT_NE(lang, nullptr) << std::hex << id;
  return lang ? *lang : none;
}

TEST(LangTextSource, GrammarEdgeCases) {
  std::string seventyRows = "LANG Many mn 401\nCHAR 70\n";
  for (int code = 100; code < 170; ++code) {
    seventyRows += std::to_string(code) + " - " + std::to_string(code) + " - 65 65 c x\n";
  }
  const GrammarCase cases[] = {
      {"keywords in any case; SORT and TRAN rows change nothing",
       "lang Russian ru 419\nChar 1\n224 - 192 - 160 128 v a\nsort\n225 - 193 - 161 129 c b\n"
       "TRAN\n226 - 194 - 162 130 c v\n",
       [](const CLangData& d) { EXPECT_EQ(Only(d, 0x419).GetLetterCount(), 1); }},
      {"CHAR's number is replaced by the rows read",
       "LANG R ru 419\nCHAR 33\na - A - a A v a\nb - B - b B c b\n",
       [](const CLangData& d) { EXPECT_EQ(Only(d, 0x419).GetLetterCount(), 2); }},
      {"a plain letter is its own base", "LANG R ru 419\nCHAR 1\n224 - 192 - 160 128 v a\n",
       [](const CLangData& d) {
         const CLangLetter l = Only(d, 0x419).GetLetter(0);
         EXPECT_EQ(l.baseLower, '\xE0');
         EXPECT_EQ(l.baseUpper, '\xC0');
         EXPECT_EQ(l.oemLower, '\xA0');
         EXPECT_EQ(l.letterClass, 'v');
       }},
      {"comments, CRLF, tabs, a last line without LF",
       "* comment\r\n\r\nLANG\tR\tru\t419\r\nCHAR 2\r\n* inside\r\na\t-\tA -\ta A v a\r\n"
       "b - B - b B c b",
       [](const CLangData& d) {
         EXPECT_EQ(Only(d, 0x419).GetLetterCount(), 2);
         EXPECT_EQ(Only(d, 0x419).GetLetter(1).transliteration[0], 'b');
       }},
      {"a short row repeats its last token; a trailing tab gives an empty one",
       "LANG R ru 419\nCHAR 2\na - A - a A v\nb - B - b B c\t\n",
       [](const CLangData& d) {
         EXPECT_STREQ(Only(d, 0x419).GetLetter(0).transliteration, "v");
         EXPECT_STREQ(Only(d, 0x419).GetLetter(1).transliteration, "");
       }},
      {"fields cut to their widths; lower-case hex id",
       "LANG ABCDEFGHIJKLMNOPQRSTUVWXYZabcd rus 40c\nCHAR 1\na - A - a A v abcd\n",
       [](const CLangData& d) {
         EXPECT_STREQ(Only(d, 0x40C).GetLanguageString(nullptr), "ABCDEFGHIJKLMNOPQRSTUVWXYZ");
         EXPECT_STREQ(Only(d, 0x40C).GetLangStr(nullptr), "ru");
         EXPECT_STREQ(Only(d, 0x40C).GetLetter(0).transliteration, "abc");
       }},
      {"a repeated id replaces the earlier language",
       "LANG Old ru 419\nCHAR 1\na - A - a A v a\nLANG New ru 419\nCHAR 1\nb - B - b B c b\n",
       [](const CLangData& d) {
         EXPECT_EQ(d.GetLangCount(), 1);
         EXPECT_STREQ(Only(d, 0x419).GetLanguageString(nullptr), "New");
       }},
      {"rows before LANG or CHAR, whitespace rows and bad codes do no harm",
       "a - A - a A v a\nCHAR 1\nb - B - b B c b\nLANG R ru 419\nc - C - c C c c\nCHAR 9\n"
       "   \t \n300 - 200 - 1 2 c x\n12x - 200 - 1 2 c x\n0 - 200 - 1 2 c x\n"
       "d - D - d D c d\n",
       [](const CLangData& d) {
         const CLang& r = Only(d, 0x419);
         ASSERT_EQ(r.GetLetterCount(), 1);
         EXPECT_EQ(r.GetLetter(0).lower, 'd');
         EXPECT_EQ(r.CharToIndex('\0'), -1);
         EXPECT_EQ(r.CharToIndex(' '), -1);
       }},
      {"the row counter restarts at LANG",
       "LANG A aa 401\nCHAR 2\na - A - a A v a\nb - B - b B c b\nLANG B bb 402\n"
       "c - C - c C c c\n",
       [](const CLangData& d) {
         EXPECT_EQ(Only(d, 0x401).GetLetterCount(), 2);
         EXPECT_EQ(Only(d, 0x402).GetLetterCount(), 0);
         EXPECT_EQ(Only(d, 0x402).CharToIndex('\0'), -1);
       }},
      {"ids of 0 or of more than four digits are refused",
       "LANG Bad xx x19\nCHAR 1\na - A - a A v a\nLANG Long ll 10419\nCHAR 1\na - A - a A v a\n"
       "LANG R ru 419\nCHAR 1\nb - B - b B c b\n",
       [](const CLangData& d) {
         EXPECT_EQ(d.GetLangCount(), 1);
         EXPECT_EQ(Only(d, 0x419).GetLetter(0).lower, 'b');
       }},
      {"rows past the 64th are dropped", seventyRows.c_str(),
       [](const CLangData& d) {
         EXPECT_EQ(Only(d, 0x401).GetLetterCount(), 64);
         EXPECT_EQ(Only(d, 0x401).CharToIndex(static_cast<char>(164)), -1);
         EXPECT_EQ(Only(d, 0x401).CharToIndex(static_cast<char>(163)), 63);
       }},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.what);
    ScratchDir dir;
    CLangData data;
    EXPECT_EQ(LoadText(data, dir, c.source), CLangData::kLoaded);
    c.check(data);
  }
}

TEST(LangTextSource, KeywordCodes) {
  struct {
    const char* word;
    int code;
  } const cases[] = {{"LANG", 0},   {"char", 1}, {"Sort", 2},  {"tRAN", 3},
                     {"LANGS", -1}, {"", -1},    {nullptr, -1}};
  for (const auto& c : cases) EXPECT_EQ(GetLangAttrNameId(c.word), c.code) << c.code;
}

}  // namespace
