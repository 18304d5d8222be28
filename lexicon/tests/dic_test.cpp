// The dictionary file and its header: the bytes a new file holds, the
// opening modes, the properties and their faults.
#include <gtest/gtest.h>

#include <cstring>
#include <ctime>
#include <filesystem>
#include <string>

#include "base/MCFile.h"
#include "base/platform/FileFaults.h"
#include "base/tests/wordlist_support.h"
#include "lexicon/CDic.h"
#include "lexicon/tests/dic_test_support.h"

namespace {

constexpr uint16_t kRussian = 1049;
constexpr uint16_t kEnglish = 1033;
constexpr uint32_t kAllProperties = 0x3FF;

// The trie of the one word "cat" with its article at 176: a single leaf.
const std::string kCatTrie = Bytes({0xFD, 0xB0, 0x00, 0x00, "cat"});

class DicFileTest : public ::testing::Test {
 protected:
  ~DicFileTest() override { MClearFileFaults(); }

  std::string Path(const std::string& name) const { return dir_.Path(name); }

  // A header as a dictionary tool would leave it.
  static CDicHeader FilledHeader(uint16_t langIn) {
    CDicHeader header = CDicHeader::ForNewFile(1700000000);
    header.type = 1;
    header.langIn = langIn;
    header.langOut = kEnglish;
    CDicHeader::SetText(header.infoIn, "Russian words");
    CDicHeader::SetText(header.infoOut, "English translations");
    header.access = 3;
    header.articleCount = 1;
    return header;
  }

  // A file of the header, the records from 176 and, when trie is not empty,
  // the index after them (the header's index offset is set to match).
  void WriteDic(const std::string& name, CDicHeader header, const std::string& records,
                const std::string& trie) const {
    if (!trie.empty()) header.indexOffset = CDicHeader::kRegionSize + records.size();
    std::string bytes = HeaderBytes(header) + std::string(7, '\0') + records;
    if (!trie.empty()) bytes += U32(trie.size()) + trie;
    dir_.Write(name, bytes);
  }

  void WriteCatDic(const std::string& name, uint16_t langIn = kRussian) const {
    WriteDic(name, FilledHeader(langIn), Bytes({0x01, "x"}), kCatTrie);
  }

  static MD_PROP Properties(const CDic& dic) {
    MD_PROP prop = {};
    prop.flags = kAllProperties;
    EXPECT_EQ(dic.GetDicProperty(&prop), 1);
    return prop;
  }

  ScratchDir dir_;
};

TEST_F(DicFileTest, CreateWritesTheEngineHeaderAloneAndReopensEmpty) {
  const uint32_t before = static_cast<uint32_t>(std::time(nullptr));
  CDic dic;
  ASSERT_EQ(dic.Create(Path("new.dic").c_str()), 1);
  EXPECT_EQ(dic.IsOpen(), 1);
  EXPECT_EQ(dic.GetLoadFlags(), CDic::kLoadWritable);
  dic.Close();
  const uint32_t after = static_cast<uint32_t>(std::time(nullptr));

  const std::string bytes = ReadWholeFile(Path("new.dic"));
  ASSERT_EQ(bytes.size(), 169u);
  const std::string expectedStart =
      Bytes({"KLX word store, format 4.00, Kelbrin        ", 0, 0, 0, 0}) +
      std::string(1 + 2 + 2 + 48 + 48 + 1, '\0') +
      Bytes({0x00, 0x04, 0xFF, 0xFF, 0xFF, 0xFF, 0xB0, 0x00, 0x00, 0x00});
  EXPECT_EQ(Hex(bytes.substr(0, 160)), Hex(expectedStart));
  EXPECT_EQ(Hex(bytes.substr(164)), Hex(std::string(5, '\0')));
  uint32_t created = 0;
  for (int i = 3; i >= 0; --i)
    created = (created << 8) | static_cast<unsigned char>(bytes[160 + i]);
  EXPECT_GE(created, before);
  EXPECT_LE(created, after);

  ASSERT_EQ(dic.Load(Path("new.dic").c_str(), 0), 1);
  EXPECT_EQ(dic.GetIndex().GetLength(), 0);
  EXPECT_EQ(dic.GetIndex().FindNear(""), CDicIndex::kNotFound);
  EXPECT_EQ(dic.GetHeader().indexOffset, -1);
  EXPECT_EQ(Properties(dic).articleCount, 0u);
}

TEST_F(DicFileTest, CreateStartsFromAFreshHeaderEvenAfterAnotherDictionary) {
  WriteCatDic("old.dic");
  CDic dic;
  ASSERT_EQ(dic.Load(Path("old.dic").c_str(), 0), 1);
  ASSERT_EQ(dic.Create(Path("new.dic").c_str()), 1);
  dic.Close();
  const std::string bytes = ReadWholeFile(Path("new.dic"));
  CDicHeader fresh = CDicHeader::ForNewFile(0);
  ASSERT_EQ(bytes.size(), 169u);
  EXPECT_EQ(Hex(bytes.substr(0, 160)), Hex(HeaderBytes(fresh).substr(0, 160)));
  EXPECT_EQ(Hex(bytes.substr(164)), Hex(HeaderBytes(fresh).substr(164)));
}

TEST_F(DicFileTest, CreateRefusesBadPathsAndLeavesNoHalfFile) {
  CDic dic;
  EXPECT_EQ(dic.Create(nullptr), 0);
  EXPECT_EQ(dic.Create(""), 0);
  EXPECT_EQ(dic.Create(Path("missing-dir/new.dic").c_str()), 0);
  EXPECT_EQ(dic.IsOpen(), 0);

  MSetFileFault(MFileOperation::kWrite, 1);
  EXPECT_EQ(dic.Create(Path("full-disk.dic").c_str()), 0);
  EXPECT_EQ(dic.IsOpen(), 0);
  EXPECT_FALSE(std::filesystem::exists(Path("full-disk.dic")));
}

TEST_F(DicFileTest, LoadModes) {
  WriteCatDic("cat.dic");
  struct Case {
    unsigned flags;
    bool indexRead;
    uint16_t sortLanguageAfter;  // SortLanguage starts at 0
  } const cases[] = {
      {0, true, kRussian},
      {CDic::kLoadWritable, true, kRussian},
      {CDic::kLoadHeaderOnly, false, 0},
      {CDic::kLoadWritable | CDic::kLoadHeaderOnly, false, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flags);
    CDic dic;
    ASSERT_EQ(SortLanguage, 0);
    ASSERT_EQ(dic.Load(Path("cat.dic").c_str(), c.flags), 1);
    EXPECT_EQ(dic.IsOpen(), 1);
    EXPECT_EQ(dic.GetLoadFlags(), c.flags);
    EXPECT_EQ(dic.GetIndex().FindExact("cat"), c.indexRead ? 176 : CDicIndex::kNotFound);
    EXPECT_EQ(SortLanguage, c.sortLanguageAfter);
    EXPECT_EQ(Properties(dic).langIn, kRussian);  // the header is read in every mode
  }
}

TEST_F(DicFileTest, LoadOnAnOpenDictionaryKeepsItsFileAndFlags) {
  WriteCatDic("cat.dic");
  WriteCatDic("other.dic", kEnglish);
  CDic dic;
  ASSERT_EQ(dic.Load(Path("cat.dic").c_str(), CDic::kLoadHeaderOnly), 1);
  EXPECT_EQ(dic.Load(Path("other.dic").c_str(), 0), 1);
  EXPECT_EQ(dic.GetLoadFlags(), CDic::kLoadHeaderOnly);
  EXPECT_EQ(dic.GetHeader().langIn, kRussian);
  EXPECT_EQ(dic.GetIndex().GetLength(), 0);
}

TEST_F(DicFileTest, LoadRefusesWhatIsNoDictionaryAndStaysClosed) {
  WriteCatDic("good.dic");
  const std::string good = ReadWholeFile(Path("good.dic"));
  const uint32_t indexAt = CDicHeader::kRegionSize + 2;
  auto withIndexField = [&](uint32_t offset) {
    return good.substr(0, 152) + U32(offset) + good.substr(156);
  };
  struct Case {
    const char* name;
    std::string bytes;
    bool headerOnlyLoads;
  } const cases[] = {
      {"empty", "", false},
      {"short header", good.substr(0, 168), false},
      {"index offset past the end", withIndexField(good.size() + 10), true},
      {"negative index offset", withIndexField(0xFFFFFFFB), true},
      {"index length past the end", good.substr(0, indexAt) + U32(1000) + kCatTrie, true},
      {"index cut short", good.substr(0, good.size() - 1), true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    dir_.Write("bad.dic", c.bytes);
    CDic dic;
    ASSERT_EQ(dic.Load(Path("good.dic").c_str(), CDic::kLoadHeaderOnly), 1);
    const CDicHeader before = dic.GetHeader();
    dic.Close();
    EXPECT_EQ(dic.Load(Path("bad.dic").c_str(), 0), 0);
    EXPECT_EQ(dic.IsOpen(), 0);
    EXPECT_EQ(dic.GetIndex().GetLength(), 0);
    EXPECT_EQ(HeaderBytes(dic.GetHeader()), HeaderBytes(before));
    EXPECT_EQ(dic.Load(Path("bad.dic").c_str(), CDic::kLoadHeaderOnly), c.headerOnlyLoads ? 1 : 0);
  }
  CDic dic;
  EXPECT_EQ(dic.Load(nullptr, 0), 0);
  EXPECT_EQ(dic.Load("", 0), 0);
  EXPECT_EQ(dic.Load(Path("missing.dic").c_str(), 0), 0);
  EXPECT_EQ(dic.IsOpen(), 0);
}

TEST_F(DicFileTest, SortLanguageFollowsTheDictionaryLoadedOrChangedLast) {
  WriteCatDic("ru.dic", kRussian);
  WriteCatDic("en.dic", kEnglish);
  CDic a;
  CDic b;
  ASSERT_EQ(a.Load(Path("ru.dic").c_str(), 0), 1);
  ASSERT_EQ(b.Load(Path("en.dic").c_str(), CDic::kLoadHeaderOnly), 1);
  EXPECT_EQ(SortLanguage, kRussian);
  MD_PROP none = {};
  ASSERT_EQ(b.SetDicProperty(&none), 1);
  EXPECT_EQ(SortLanguage, kEnglish);
  b.Close();
  ASSERT_EQ(b.Load(Path("en.dic").c_str(), 0), 1);
  a.Close();
  ASSERT_EQ(a.Load(Path("ru.dic").c_str(), 0), 1);
  EXPECT_EQ(SortLanguage, kRussian);
  CDic c;
  EXPECT_EQ(SortLanguage, 0);
}

// A record whose every member differs from `base`.
MD_PROP Poisoned() {
  static const char kText[] = "poison";
  MD_PROP prop = {};
  prop.signature = kText;
  prop.type = 6;
  prop.langIn = 7;
  prop.langOut = 8;
  prop.infoIn = kText;
  prop.infoOut = kText;
  prop.access = 9;
  prop.version = 10;
  prop.creationTime = 11;
  prop.articleCount = 12;
  return prop;
}

TEST_F(DicFileTest, EachPropertyBitSetsItsOwnFieldAndReachesTheFile) {
  const std::string poisonText = std::string("poison") + std::string(42, '\0');
  struct Case {
    uint32_t flag;
    int offset;          // of the field in the file
    std::string stored;  // its bytes after the change
  } const cases[] = {
      {MD_PROP_SIGNATURE, 0, poisonText}, {MD_PROP_TYPE, 48, Bytes({6})},
      {MD_PROP_LANG_IN, 49, U16(7)},      {MD_PROP_LANG_OUT, 51, U16(8)},
      {MD_PROP_INFO_IN, 53, poisonText},  {MD_PROP_INFO_OUT, 101, poisonText},
      {MD_PROP_ACCESS, 149, Bytes({9})},  {MD_PROP_VERSION, 150, U16(10)},
      {MD_PROP_TIME, 160, U32(11)},       {MD_PROP_COUNT, 164, U32(12)},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.flag);
    CDic dic;
    ASSERT_EQ(dic.Create(Path("props.dic").c_str()), 1);
    std::string expected = HeaderBytes(dic.GetHeader());
    expected.replace(c.offset, c.stored.size(), c.stored);
    MD_PROP set = Poisoned();
    set.flags = c.flag;
    ASSERT_EQ(dic.SetDicProperty(&set), 1);
    EXPECT_EQ(dic.IsOpen(), 1);
    EXPECT_EQ(Hex(HeaderBytes(dic.GetHeader())), Hex(expected));
    dic.Close();
    EXPECT_EQ(Hex(ReadWholeFile(Path("props.dic"))), Hex(expected));
  }
}

TEST_F(DicFileTest, GetFillsOnlyTheRequestedMembers) {
  WriteCatDic("cat.dic");
  CDic dic;
  ASSERT_EQ(dic.Load(Path("cat.dic").c_str(), 0), 1);
  MD_PROP prop = Poisoned();
  prop.flags = 0;
  const MD_PROP untouched = prop;
  ASSERT_EQ(dic.GetDicProperty(&prop), 1);
  EXPECT_EQ(std::memcmp(&prop, &untouched, sizeof prop), 0);

  prop.flags = kAllProperties | MD_PROP_PROGRESS;
  prop.progress = nullptr;
  ASSERT_EQ(dic.GetDicProperty(&prop), 1);
  EXPECT_STREQ(prop.signature, CDicHeader::kSignature);
  EXPECT_EQ(prop.type, 1);
  EXPECT_EQ(prop.langIn, kRussian);
  EXPECT_EQ(prop.langOut, kEnglish);
  EXPECT_STREQ(prop.infoIn, "Russian words");
  EXPECT_STREQ(prop.infoOut, "English translations");
  EXPECT_EQ(prop.access, 3);
  EXPECT_EQ(prop.version, 0x0400);
  EXPECT_EQ(prop.creationTime, 1700000000u);
  EXPECT_EQ(prop.articleCount, 1u);
  EXPECT_EQ(prop.progress, nullptr);

  EXPECT_EQ(dic.GetDicProperty(nullptr), 0);
  EXPECT_EQ(dic.SetDicProperty(nullptr), 0);
}

TEST_F(DicFileTest, TextFieldsAreCopiedUpToTheirEndAndHandedOutTerminated) {
  CDic dic;
  ASSERT_EQ(dic.Create(Path("texts.dic").c_str()), 1);
  // Exactly as long as the text: reading 48 bytes from it would overrun.
  char* shortText = new char[4];
  std::memcpy(shortText, "abc", 4);
  const std::string longText(60, 'L');
  MD_PROP set = {};
  set.flags = MD_PROP_INFO_IN | MD_PROP_INFO_OUT | MD_PROP_SIGNATURE;
  set.infoIn = shortText;
  set.infoOut = longText.c_str();
  set.signature = nullptr;  // left as it is
  ASSERT_EQ(dic.SetDicProperty(&set), 1);
  delete[] shortText;

  MD_PROP got = {};
  got.flags = kAllProperties;
  ASSERT_EQ(dic.GetDicProperty(&got), 1);
  EXPECT_STREQ(got.infoIn, "abc");
  EXPECT_EQ(std::string(got.infoOut), std::string(48, 'L'));
  EXPECT_STREQ(got.signature, CDicHeader::kSignature);
  dic.Close();
  EXPECT_EQ(ReadWholeFile(Path("texts.dic")).substr(53, 48),
            Bytes({"abc"}) + std::string(45, '\0'));

  // A foreign file that uses all 48 bytes of its fields.
  CDicHeader full = FilledHeader(kRussian);
  std::memset(full.signature, 'S', 48);
  std::memset(full.infoIn, 'I', 48);
  WriteDic("full.dic", full, "", "");
  ASSERT_EQ(dic.Load(Path("full.dic").c_str(), CDic::kLoadHeaderOnly), 1);
  ASSERT_EQ(dic.GetDicProperty(&got), 1);
  EXPECT_EQ(std::string(got.signature), std::string(48, 'S'));
  EXPECT_EQ(std::string(got.infoIn), std::string(48, 'I'));
}

int32_t MLEX_STDCALL CountProgress(int32_t) { return 1; }

TEST_F(DicFileTest, TheCallbackAloneStillRewritesTheHeaderAndReopens) {
  WriteCatDic("cat.dic");
  CDic dic;
  ASSERT_EQ(dic.Load(Path("cat.dic").c_str(), 0), 1);
#if !defined(_WIN32)  // (elsewhere the open file refuses writers)
  dir_.Write("cat.dic", ReadWholeFile(Path("cat.dic")).replace(164, 4, U32(99)));
#endif
  MD_PROP set = {};
  set.flags = MD_PROP_PROGRESS;
  set.progress = CountProgress;
  ASSERT_EQ(dic.SetDicProperty(&set), 1);
  EXPECT_EQ(dic.IsOpen(), 1);
  EXPECT_EQ(dic.GetLoadFlags(), 0u);
  EXPECT_EQ(dic.GetIndex().FindExact("cat"), 176);
  // The header in memory went back to the file.
  EXPECT_EQ(ReadWholeFile(Path("cat.dic")).substr(164, 4), U32(1));
}

TEST_F(DicFileTest, AFailedHeaderWriteChangesNothingAndReportsIt) {
  WriteCatDic("cat.dic");
  const std::string before = ReadWholeFile(Path("cat.dic"));
  CDic dic;
  ASSERT_EQ(dic.Load(Path("cat.dic").c_str(), CDic::kLoadWritable), 1);
  MSetFileFault(MFileOperation::kWrite, 1);
  MD_PROP set = {};
  set.flags = MD_PROP_LANG_OUT | MD_PROP_COUNT;
  set.langOut = 7;
  set.articleCount = 7;
  EXPECT_EQ(dic.SetDicProperty(&set), 0);
  EXPECT_EQ(dic.GetHeader().langOut, kEnglish);
  EXPECT_EQ(dic.GetHeader().articleCount, 1u);
  EXPECT_EQ(dic.IsOpen(), 1);
  EXPECT_EQ(dic.GetLoadFlags(), CDic::kLoadWritable);
  EXPECT_EQ(dic.GetIndex().FindExact("cat"), 176);
  dic.Close();
  EXPECT_EQ(ReadWholeFile(Path("cat.dic")), before);
}

TEST_F(DicFileTest, AFailedReopenClosesTheDictionaryAndReportsIt) {
  WriteCatDic("cat.dic");
  CDic dic;
  ASSERT_EQ(dic.Load(Path("cat.dic").c_str(), 0), 1);
  // The first open rewrites the header; the second, the reopen, is refused.
  MSetFileFault(MFileOperation::kOpen, 2);
  MD_PROP set = {};
  set.flags = MD_PROP_ACCESS;
  set.access = 1;
  EXPECT_EQ(dic.SetDicProperty(&set), 0);
  EXPECT_EQ(dic.IsOpen(), 0);
  EXPECT_EQ(dic.GetIndex().GetLength(), 0);
  EXPECT_EQ(dic.GetEntry(), nullptr);
  EXPECT_EQ(ReadWholeFile(Path("cat.dic")).substr(149, 1), Bytes({1}));  // the header went back
}

TEST_F(DicFileTest, TheTypeOfADictionaryWithAnIndexStays) {
  WriteCatDic("cat.dic");
  CDic dic;
  ASSERT_EQ(dic.Load(Path("cat.dic").c_str(), CDic::kLoadWritable), 1);
  MD_PROP set = {};
  set.flags = MD_PROP_TYPE | MD_PROP_ACCESS;
  set.type = 5;
  set.access = 1;
  EXPECT_EQ(dic.SetDicProperty(&set), 0);
  EXPECT_EQ(dic.GetHeader().type, 1);
  EXPECT_EQ(dic.GetHeader().access, 3);
  EXPECT_EQ(dic.GetIndex().FindExact("cat"), 176);
  set.type = 1;  // the same type is no change
  EXPECT_EQ(dic.SetDicProperty(&set), 1);
  EXPECT_EQ(dic.GetHeader().access, 1);

  CDic empty;
  ASSERT_EQ(empty.Create(Path("empty.dic").c_str()), 1);
  set.type = 5;
  EXPECT_EQ(empty.SetDicProperty(&set), 1);
  EXPECT_EQ(empty.IsWordList(), 1);
  EXPECT_EQ(empty.GetIndex().IsWordList(), 1);
}

}  // namespace
