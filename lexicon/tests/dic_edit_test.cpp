// Editing a dictionary by rewriting its file: the cases of each request, the
// files from elsewhere that it must not damage, a large bulk add, the entry
// points' statuses, and failures of every call of the file layer.
#include <gtest/gtest.h>

#include <cstring>
#include <functional>
#include <string>
#include <vector>

#include "base/platform/FileFaults.h"
#include "base/tests/wordlist_support.h"
#include "lexicon/ArticleSyntax.h"
#include "lexicon/CDic.h"
#include "lexicon/CDicIndex.h"
#include "lexicon/CEntry.h"
#include "lexicon/EntryRecord.h"
#include "lexicon/MorvexLexicon.h"
#include "lexicon/tests/dic_edit_support.h"
#include "lexicon/tests/dic_test_support.h"
#include "lexicon/tests/shipped_alphabets.h"

namespace {

constexpr const char* kDicName = "edit.dic";

struct Row {
  std::string word;
  std::string article;
};

using Request = std::function<int(CDic&)>;

class DicEditTest : public ::testing::Test {
 protected:
  ~DicEditTest() override { MClearFileFaults(); }

  std::string DicPath() const { return dir_.Path(kDicName); }

  // A dictionary of the rows, added in one request, left open for editing.
  void MakeDic(CDic& dic, const std::vector<Row>& rows, uint8_t type = 1,
               uint16_t lang = kEnglishLang) {
    ASSERT_TRUE(CreateForEditing(dic, DicPath(), type, lang));
    if (rows.empty()) return;
    std::vector<std::string> words, articles;
    for (const Row& row : rows) {
      words.push_back(row.word);
      articles.push_back(row.article);
    }
    ASSERT_EQ(dic.AddWords(ZList(words).data(), ZList(articles).data()), 1);
  }

  static Contents Expected(const std::vector<Row>& rows, uint8_t type = 1) {
    Contents contents;
    for (const Row& row : rows) contents[row.word] = StoredText(type, row.article);
    return contents;
  }

  ScratchDir dir_;
};

const std::vector<Row> kAnimals = {
    {"cat", "n 1. cat; puss"}, {"catalog", "n catalogue"}, {"dog", "n 1. dog 2. hound"},
    {"mouse", "n mouse"},      {"zebra", "n zebra"},
};

// --- The cases of each request

struct EditCase {
  const char* name;
  std::vector<Row> before;
  Request request;
  int result;
  std::vector<Row> after;  // what the dictionary then holds
  bool rewrites;           // false: the file keeps every byte
};

TEST_F(DicEditTest, EachRequestAgainstItsExpectedContents) {
  const std::vector<Row> withoutDog = {kAnimals[0], kAnimals[1], kAnimals[3], kAnimals[4]};
  const std::string longWord(CDicIndex::kMaxWordLength + 1, 'w');
  const std::string longText(256, 't');
  const EditCase cases[] = {
      {"add to a fresh dictionary",
       {},
       [](CDic& d) { return d.AddWord("cat", "n cat"); },
       1,
       {{"cat", "n cat"}},
       true},
      {"add a present word: skipped, no rewrite", kAnimals,
       [](CDic& d) { return d.AddWord("dog", "n other"); }, 1, kAnimals, false},
      {"add list out of order, with a repeat and a present word",
       {{"dog", "n dog"}},
       [](CDic& d) {
         return d.AddWords(ZList({"zebra", "ant", "zebra", "dog"}).data(),
                           ZList({"n zebra", "n ant", "n second", "n other"}).data());
       },
       1,
       {{"ant", "n ant"}, {"dog", "n dog"}, {"zebra", "n zebra"}},
       true},
      {"add list whose articles are fewer than its words",
       {},
       [](CDic& d) {
         return d.AddWords(ZList({"a", "b"}).data(), ZList({"n a"}).data());
       },
       0,
       {},
       false},
      {"add an empty word", kAnimals, [](CDic& d) { return d.AddWord("", "n x"); }, 0, kAnimals,
       false},
      {"add a word longer than an index word", kAnimals,
       [longWord](CDic& d) { return d.AddWord(longWord.c_str(), "n x"); }, 0, kAnimals, false},
      {"add an article with a text too long for its record", kAnimals,
       [longText](CDic& d) { return d.AddWord("ant", longText.c_str()); }, 0, kAnimals, false},
      {"add with null texts", kAnimals,
       [](CDic& d) { return d.AddWord(nullptr, "n x") + d.AddWords(nullptr, nullptr); }, 0,
       kAnimals, false},
      {"edit in place",
       kAnimals,
       [](CDic& d) { return d.EditWord("dog", "dog", "v to dog"); },
       1,
       {kAnimals[0], kAnimals[1], {"dog", "v to dog"}, kAnimals[3], kAnimals[4]},
       true},
      {"edit moves the article to a word that sorts elsewhere",
       kAnimals,
       [](CDic& d) { return d.EditWord("dog", "aardvark", "n aardvark"); },
       1,
       {{"aardvark", "n aardvark"}, kAnimals[0], kAnimals[1], kAnimals[3], kAnimals[4]},
       true},
      {"edit of an absent word", kAnimals,
       [](CDic& d) { return d.EditWord("dogs", "hound", "n hound"); }, 0, kAnimals, false},
      {"edit onto another present word", kAnimals,
       [](CDic& d) { return d.EditWord("dog", "cat", "n cat"); }, 0, kAnimals, false},
      {"edit of a word that only begins a present one", kAnimals,
       [](CDic& d) { return d.EditWord("cata", "x", "n x"); }, 0, kAnimals, false},
      {"delete", kAnimals, [](CDic& d) { return d.DeleteWord("dog"); }, 1, withoutDog, true},
      {"delete the last word of the index",
       kAnimals,
       [](CDic& d) { return d.DeleteWord("zebra"); },
       1,
       {kAnimals[0], kAnimals[1], kAnimals[2], kAnimals[3]},
       true},
      {"delete an absent word: no rewrite", kAnimals, [](CDic& d) { return d.DeleteWord("cats"); },
       1, kAnimals, false},
      {"delete a list with absent words and repeats",
       kAnimals,
       [](CDic& d) {
         return d.DeleteWords(ZList({"zebra", "yak", "cat", "zebra"}).data());
       },
       1,
       {kAnimals[1], kAnimals[2], kAnimals[3]},
       true},
      {"delete every word",
       kAnimals,
       [](CDic& d) {
         return d.DeleteWords(ZList({"cat", "catalog", "dog", "mouse", "zebra"}).data());
       },
       1,
       {},
       true},
      {"a case differs: another word",
       kAnimals,
       [](CDic& d) { return d.AddWord("Dog", "n Dog") + d.DeleteWord("DOG"); },
       2,
       {kAnimals[0], kAnimals[1], {"Dog", "n Dog"}, kAnimals[2], kAnimals[3], kAnimals[4]},
       true},
  };
  for (const EditCase& c : cases) {
    SCOPED_TRACE(c.name);
    CDic dic;
    MakeDic(dic, c.before);
    if (HasFatalFailure()) return;
    const std::string bytes = FileBytesOf(dic, DicPath());
    EXPECT_EQ(c.request(dic), c.result);
    const Contents expected = Expected(c.after);
    EXPECT_EQ(ReadThrough(dic), expected);
    EXPECT_EQ(dic.GetHeader().articleCount, expected.size());
    const std::string after = FileBytesOf(dic, DicPath());  // and opened again
    if (c.rewrites) {
      EXPECT_TRUE(HasEditedLayout(after));
    } else {
      EXPECT_EQ(after, bytes);
    }
    EXPECT_EQ(ReadThrough(dic), expected);
    EXPECT_EQ(FilesIn(dir_.DirWithSeparator()), std::vector<std::string>{kDicName});
  }
}

TEST_F(DicEditTest, TheFirstWordOfAFreshDictionaryLiesAt176WithTheIndexAfterIt) {
  CDic dic;
  MakeDic(dic, {});
  ASSERT_EQ(dic.AddWord("cat", "n cat"), 1);
  CEntry entry(1);
  SplitString(entry, "n cat");
  MCByteArray record;
  ASSERT_EQ(EncodeEntryRecord(entry, record), 1);
  EXPECT_EQ(dic.GetHeader().indexOffset, CDicHeader::kRegionSize + record.GetSize());
  EXPECT_EQ(dic.GetHeader().articleCount, 1u);
  EXPECT_EQ(dic.GetIndex().FindExact("cat"), CDicHeader::kRegionSize);
  // The header in the file says the same as the one in memory.
  const CDicHeader header = dic.GetHeader();
  EXPECT_EQ(FileBytesOf(dic, DicPath()).substr(0, CDicHeader::kEncodedSize), HeaderBytes(header));
}

TEST_F(DicEditTest, DeletingTheLastWordPutsTheIndexWhereItsRecordStarted) {
  CDic dic;
  MakeDic(dic, kAnimals);
  const int32_t zebraAt = dic.GetIndex().FindExact("zebra");
  ASSERT_EQ(dic.DeleteWord("zebra"), 1);
  EXPECT_EQ(dic.GetHeader().indexOffset, zebraAt);
}

TEST_F(DicEditTest, RequestsNeedAWholeWritableDictionaryOfAStorableType) {
  {
    CDic dic;
    MakeDic(dic, kAnimals);
  }
  const std::string bytes = ReadWholeFile(DicPath());
  for (unsigned flags : {0u, unsigned{CDic::kLoadWritable | CDic::kLoadHeaderOnly}}) {
    CDic dic;
    ASSERT_EQ(dic.Load(DicPath().c_str(), flags), 1);
    EXPECT_EQ(dic.AddWord("ant", "n ant"), 0) << flags;
    EXPECT_EQ(dic.DeleteWord("cat"), 0) << flags;
  }
  EXPECT_EQ(ReadWholeFile(DicPath()), bytes);
  CDic closed;
  EXPECT_EQ(closed.AddWord("ant", "n ant"), 0);
  // Created but never given a type: no record layout to store articles in.
  CDic untyped;
  ASSERT_EQ(untyped.Create(dir_.Path("untyped.dic").c_str()), 1);
  EXPECT_EQ(untyped.AddWord("ant", "n ant"), 0);
  untyped.Close();
  EXPECT_EQ(ReadWholeFile(dir_.Path("untyped.dic")).size(), 169u);
}

int32_t MLEX_STDCALL CancelEveryBuild(int32_t) { return 0; }

TEST_F(DicEditTest, ACancellingProgressCallbackCancelsTheEdit) {
  CDic dic;
  MakeDic(dic, kAnimals);
  MD_PROP prop = {};
  prop.flags = MD_PROP_PROGRESS;
  prop.progress = CancelEveryBuild;
  ASSERT_EQ(dic.SetDicProperty(&prop), 1);
  const std::string bytes = FileBytesOf(dic, DicPath());
  EXPECT_EQ(dic.AddWord("ant", "n ant"), 0);
  EXPECT_EQ(ReadThrough(dic), Expected(kAnimals));
  EXPECT_EQ(FileBytesOf(dic, DicPath()), bytes);
}

TEST_F(DicEditTest, WordListsKeepWordsOnly) {
  CDic dic;
  ASSERT_TRUE(CreateForEditing(dic, DicPath(), 5));
  ASSERT_EQ(dic.AddWords(ZList({"dog", "cat", "ant"}).data(), nullptr), 1);
  ASSERT_EQ(dic.EditWord("cat", "cow", nullptr), 1);
  ASSERT_EQ(dic.DeleteWord("ant"), 1);
  EXPECT_EQ(ReadThrough(dic), (Contents{{"cow", ""}, {"dog", ""}}));
  EXPECT_EQ(dic.GetHeader().indexOffset, CDicHeader::kRegionSize);
  EXPECT_TRUE(HasEditedLayout(FileBytesOf(dic, DicPath())));
}

TEST_F(DicEditTest, TheSearchModeStaysAndTheCursorStartsAfresh) {
  CDic dic;
  MakeDic(dic, kAnimals);
  ASSERT_EQ(dic.Find(kMDFindNear | kMDFindDictForm, "do", nullptr), 1);
  ASSERT_EQ(dic.AddWord("ant", "n ant"), 1);
  EXPECT_EQ(dic.GetIndex().GetSearchMode(), kMDFindNear | kMDFindDictForm);
  EXPECT_EQ(dic.GetEntry(), nullptr);  // its record offset named the old file
  const char* word = nullptr;
  ASSERT_EQ(dic.Find(kMDFindNear, "ca", &word), 1);
  ASSERT_EQ(dic.Next(&word), 1);
  EXPECT_STREQ(word, "catalog");
}

// Latin head words under the Russian alphabet compare alike in the
// alphabet's rules; each is still a word of its own.
TEST_F(DicEditTest, LatinWordsInARussianDictionaryStayApart) {
  ASSERT_TRUE(LoadShippedAlphabets()) << "the build's data/Lang.txt has no Russian alphabet";
  CDic dic;
  MakeDic(dic, {{"AB", "n ab"}}, 1, kRussianLang);
  ASSERT_EQ(dic.AddWord("CD", "n cd"), 1);
  ASSERT_EQ(dic.AddWord(Cp1251("дом").c_str(), "n house"), 1);
  ASSERT_EQ(dic.EditWord("CD", "CD", "n compact disc"), 1);
  EXPECT_EQ(dic.EditWord("XY", "XZ", "n x"), 0);
  EXPECT_EQ(ReadThrough(dic),
            Expected({{"AB", "n ab"}, {"CD", "n compact disc"}, {Cp1251("дом"), "n house"}}));
  ASSERT_EQ(dic.DeleteWord("CD"), 1);
  EXPECT_EQ(ReadThrough(dic), Expected({{"AB", "n ab"}, {Cp1251("дом"), "n house"}}));
  EXPECT_TRUE(HasEditedLayout(FileBytesOf(dic, DicPath())));
}

// --- Files from elsewhere

// A file of the rows whose records lie in the order given by `placement`
// (indexes into rows), each followed by `gap` junk bytes, and whose header
// claims `count` words.
std::string ForeignFile(const std::vector<Row>& rows, const std::vector<size_t>& placement,
                        size_t gap, uint32_t count) {
  CDicIndex index;
  MCStringArray words;
  for (const Row& row : rows) words.Add(row.word.c_str());
  MCDWordArray slots;
  if (!index.Build(words, &slots)) return "";
  std::string records;
  for (size_t at : placement) {
    CEntry entry(1);
    SplitString(entry, MCString(rows[at].article.c_str()));
    MCByteArray record;
    EncodeEntryRecord(entry, record);
    index.SetOffset(slots[static_cast<int>(at)],
                    CDicHeader::kRegionSize + static_cast<uint32_t>(records.size()));
    records.append(reinterpret_cast<const char*>(record.GetData()), record.GetSize());
    records.append(gap, '\x7F');
  }
  CDicHeader header = CDicHeader::ForNewFile(1700000000);
  header.type = 1;
  header.langIn = kEnglishLang;
  header.articleCount = count;
  header.indexOffset = CDicHeader::kRegionSize + static_cast<int32_t>(records.size());
  return HeaderBytes(header) + std::string(7, '\0') + records + U32(index.GetLength()) +
         std::string(reinterpret_cast<const char*>(index.GetBytes()), index.GetLength());
}

TEST_F(DicEditTest, AForeignLayoutLosesNoWordAndNoArticle) {
  struct ForeignCase {
    const char* name;
    std::vector<size_t> placement;
    size_t gap;
    uint32_t count;
  };
  const ForeignCase cases[] = {
      {"a header count below the words", {0, 1, 2, 3, 4}, 0, 2},
      {"a header count far above the words", {0, 1, 2, 3, 4}, 0, 0xFFFFFFF0u},
      {"records in reverse order with gaps", {4, 3, 2, 1, 0}, 3, 5},
      {"records shuffled", {2, 0, 4, 1, 3}, 0, 5},
      // The first record where this editor puts it, the others not: the
      // edit in place must not take the file for one of its own.
      {"the first record in place, the others out of order", {0, 2, 1, 4, 3}, 0, 5},
      {"the first record in place, the others out of order, with gaps", {0, 2, 1, 4, 3}, 3, 5},
  };
  // Adding rebuilds the index; editing an article in place keeps it and must
  // still take every other record whole, wherever it lies.
  struct ForeignRequest {
    const char* name;
    Request request;
    std::vector<Row> after;
  };
  std::vector<Row> added = kAnimals;
  added.push_back({"ant", "n ant"});
  std::vector<Row> edited = kAnimals;
  edited[2].article = "n hound";
  const ForeignRequest requests[] = {
      {"add", [](CDic& dic) { return dic.AddWord("ant", "n ant"); }, added},
      {"edit in place", [](CDic& dic) { return dic.EditWord("dog", "dog", "n hound"); }, edited},
  };
  for (const ForeignCase& c : cases) {
    for (const ForeignRequest& r : requests) {
      SCOPED_TRACE(std::string(c.name) + ", " + r.name);
      dir_.Write(kDicName, ForeignFile(kAnimals, c.placement, c.gap, c.count));
      CDic dic;
      ASSERT_EQ(dic.Load(DicPath().c_str(), CDic::kLoadWritable), 1);
      ASSERT_EQ(r.request(dic), 1);
      EXPECT_EQ(ReadThrough(dic), Expected(r.after));
      EXPECT_EQ(dic.GetHeader().articleCount, r.after.size());
      // A copied record keeps the junk after it.
      if (c.gap == 0) {
        EXPECT_TRUE(HasEditedLayout(FileBytesOf(dic, DicPath())));
      }
      // Windows shares no file held open for writing.
      dic.Close();
      CDic reopened;
      ASSERT_EQ(reopened.Load(DicPath().c_str(), 0), 1);
      EXPECT_EQ(ReadThrough(reopened), Expected(r.after));
    }
  }
}

// The file with its index changed to put the record of `word` at `offset`.
std::string WithRecordOf(const std::string& bytes, const std::string& word, uint32_t offset) {
  CDicHeader header;
  header.Decode(reinterpret_cast<const unsigned char*>(bytes.data()), CDicHeader::kEncodedSize);
  const size_t trieAt = static_cast<size_t>(header.indexOffset) + 4;
  CDicIndex index;
  index.LoadBytes(bytes.data() + trieAt, static_cast<int>(bytes.size() - trieAt));
  MCStringArray words;
  MCDWordArray offsets, slots;
  index.ListWords(words, offsets);
  CDicIndex changed;
  if (!changed.Build(words, &slots)) return "";
  for (int i = 0; i < words.GetSize(); ++i) {
    const bool moved = word == static_cast<const char*>(words.GetAt(i));
    changed.SetOffset(slots.GetAt(i), moved ? offset : offsets.GetAt(i));
  }
  return bytes.substr(0, trieAt) +
         std::string(reinterpret_cast<const char*>(changed.GetBytes()), changed.GetLength());
}

TEST_F(DicEditTest, ARecordOffsetOutsideTheRecordsRefusesTheEdit) {
  const std::string foreign = ForeignFile(kAnimals, {0, 1, 2, 3, 4}, 0, 5);
  CDicHeader header;
  ASSERT_EQ(header.Decode(reinterpret_cast<const unsigned char*>(foreign.data()), 169), 1);
  const struct {
    const char* name;
    uint32_t offset;
  } cases[] = {
      {"a record at the index", static_cast<uint32_t>(header.indexOffset)},
      {"a record inside the header region", 100},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    const std::string bytes = WithRecordOf(foreign, "dog", c.offset);
    dir_.Write(kDicName, bytes);
    CDic dic;
    ASSERT_EQ(dic.Load(DicPath().c_str(), CDic::kLoadWritable), 1);
    ASSERT_EQ(dic.GetIndex().FindExact("dog"), static_cast<int32_t>(c.offset));
    EXPECT_EQ(dic.AddWord("ant", "n ant"), 0);
    EXPECT_EQ(FileBytesOf(dic, DicPath()), bytes);
  }
}

// --- Bulk

TEST_F(DicEditTest, FiftyThousandWordsInOneRequest) {
  std::vector<std::string> words, articles;
  for (int i = 0; i < 50000; ++i) {
    // A scattered order, so the request really needs sorting.
    const unsigned n = static_cast<unsigned>(i) * 7919u % 50000u;  // 7919 is prime to 50000
    words.push_back("w" + std::to_string(n));
    articles.push_back("n word " + std::to_string(n));
  }
  const std::string wordList = ZList(words), articleList = ZList(articles);
  CDic dic;
  ASSERT_TRUE(CreateForEditing(dic, DicPath(), 1));
  // (How long it takes is measured by the benchmarks, not here.)
  ASSERT_EQ(dic.AddWords(wordList.data(), articleList.data()), 1);
  EXPECT_EQ(dic.GetHeader().articleCount, 50000u);
  ASSERT_EQ(dic.Find(kMDFindExact, "w49999", nullptr), 1);
  EXPECT_STREQ(MergeString(static_cast<const CEntry&>(*dic.GetEntry()), 0), "n word 49999");
  EXPECT_TRUE(HasEditedLayout(FileBytesOf(dic, DicPath())));
}

// --- Entry points

TEST_F(DicEditTest, EntryPointStatuses) {
  CDic dic;
  MakeDic(dic, kAnimals);
  MD_HANDLE handle = reinterpret_cast<MD_HANDLE>(&dic);  // what MDOpen hands out
  const std::string list = ZList({"ant"});
  const std::string articles = ZList({"n ant"});
  struct StatusCase {
    const char* name;
    std::function<int(MD_HANDLE)> call;
    int status;
  };
  const StatusCase cases[] = {
      {"add", [&](MD_HANDLE h) { return MDAddWord(h, "yak", "n yak"); }, MD_OK},
      {"add list", [&](MD_HANDLE h) { return MDAddWords(h, list.data(), articles.data()); }, MD_OK},
      {"edit", [&](MD_HANDLE h) { return MDEditWord(h, "yak", "gnu", "n gnu"); }, MD_OK},
      {"edit absent", [&](MD_HANDLE h) { return MDEditWord(h, "yak", "gnu", "n gnu"); }, MD_FAILED},
      {"delete", [&](MD_HANDLE h) { return MDDeleteWord(h, "gnu"); }, MD_OK},
      {"delete list", [&](MD_HANDLE h) { return MDDeleteWords(h, list.data()); }, MD_OK},
      {"delete null", [&](MD_HANDLE h) { return MDDeleteWords(h, nullptr); }, MD_FAILED},
  };
  for (const StatusCase& c : cases) {
    EXPECT_EQ(c.call(handle), c.status) << c.name;
    EXPECT_EQ(c.call(nullptr), MD_NO_HANDLE) << c.name;
  }
  EXPECT_EQ(ReadThrough(dic), Expected(kAnimals));
}

// --- Failures of the file layer

struct FaultRequest {
  const char* name;
  Request request;
};

const FaultRequest kFaultRequests[] = {
    {"add", [](CDic& d) { return d.AddWord("ant", "n ant"); }},
    {"add list",
     [](CDic& d) {
       return d.AddWords(ZList({"yak", "bee"}).data(), ZList({"n y", "n b"}).data());
     }},
    {"edit moved", [](CDic& d) { return d.EditWord("cat", "tomcat", "n tom"); }},
    {"edit in place", [](CDic& d) { return d.EditWord("mouse", "mouse", "v to mouse"); }},
    {"delete",
     [](CDic& d) {
       return d.DeleteWords(ZList({"dog", "zebra"}).data());
     }},
};

// Makes the nth call of the operation fail (from the nth on, with persist)
// during each request, for every n until the request no longer reaches it:
// each failed request must leave the dictionary as it was, through the open
// object (its header first: the count it reports) and on disk, and no other
// file behind.
void FailEachCallInTurn(const std::string& dicPath, const std::string& dir,
                        const std::function<void(CDic&)>& make, MFileOperation operation,
                        bool persist) {
  for (const FaultRequest& r : kFaultRequests) {
    SCOPED_TRACE(r.name);
    CDic dic;
    make(dic);
    const std::string bytes = FileBytesOf(dic, dicPath);
    const std::string header = HeaderBytes(dic.GetHeader());
    const Contents contents = ReadThrough(dic);
    int failures = 0;
    for (int nth = 1; nth < 1000; ++nth) {
      MSetFileFault(operation, nth, persist);
      const int result = r.request(dic);
      MClearFileFaults();
      if (result == 1) break;  // the request makes fewer than nth such calls
      ++failures;
      EXPECT_EQ(Hex(HeaderBytes(dic.GetHeader())), Hex(header)) << "call " << nth;
      EXPECT_EQ(ReadThrough(dic), contents) << "call " << nth;
      EXPECT_EQ(FilesIn(dir), std::vector<std::string>{kDicName}) << "call " << nth;
      EXPECT_EQ(FileBytesOf(dic, dicPath), bytes) << "call " << nth;
      if (::testing::Test::HasFailure()) return;
    }
    EXPECT_GT(failures, 0);
    const std::string after = FileBytesOf(dic, dicPath);
    EXPECT_NE(after, bytes);  // the last attempt went through
    EXPECT_TRUE(HasEditedLayout(after));
  }
}

TEST_F(DicEditTest, EachFailingCallOfTheFileLayerLeavesTheDictionaryAsItWas) {
  const auto make = [this](CDic& dic) { MakeDic(dic, kAnimals); };
  // A close or a temporary name may fail unharmed where nothing the request
  // needs comes after it: those fail from the nth call on.
  const struct {
    MFileOperation operation;
    bool persist;
  } faults[] = {{MFileOperation::kWrite, false},
                {MFileOperation::kWrite, true},  // a full disk
                {MFileOperation::kShortWrite, false},
                {MFileOperation::kMakeTemp, true},  // MakeTemp tries its next name
                {MFileOperation::kFlush, false},
                {MFileOperation::kClose, true},  // the closes before the new file's
                {MFileOperation::kRename, false}};
  for (const auto& fault : faults) {
    SCOPED_TRACE(static_cast<int>(fault.operation));
    FailEachCallInTurn(DicPath(), dir_.DirWithSeparator(), make, fault.operation, fault.persist);
    if (HasFailure()) return;
  }
}

// A successful request removes nothing; a failed one removes its temporary
// file, and when even that fails the dictionary is still untouched.
TEST_F(DicEditTest, AFailingRemoveOfTheTemporaryFileLeavesTheDictionaryAsItWas) {
  CDic dic;
  MakeDic(dic, kAnimals);
  MSetFileFault(MFileOperation::kRemove, 1, true);
  ASSERT_EQ(dic.AddWord("ant", "n ant"), 1);
  EXPECT_EQ(FilesIn(dir_.DirWithSeparator()), std::vector<std::string>{kDicName});

  const std::string bytes = FileBytesOf(dic, DicPath());
  const Contents contents = ReadThrough(dic);
  MSetFileFault(MFileOperation::kRename, 1);
  EXPECT_EQ(dic.DeleteWord("ant"), 0);
  MClearFileFaults();
  EXPECT_EQ(ReadThrough(dic), contents);
  EXPECT_EQ(FileBytesOf(dic, DicPath()), bytes);
  EXPECT_EQ(FilesIn(dir_.DirWithSeparator()).size(), 2u);  // the one that could not go
  // The next edit takes another name.
  EXPECT_EQ(dic.DeleteWord("ant"), 1);
  EXPECT_EQ(FilesIn(dir_.DirWithSeparator()).size(), 2u);
  EXPECT_EQ(dic.GetIndex().FindExact("ant"), CDicIndex::kNotFound);
}

// The edit opens its new file (the first open), then, once that has replaced
// the dictionary, the dictionary again: when that reopen is refused, the
// request reports failure and leaves the object closed.
TEST_F(DicEditTest, AFailedReopenAfterTheReplaceClosesTheDictionaryAndReportsIt) {
  CDic dic;
  MakeDic(dic, kAnimals);
  ASSERT_EQ(dic.Find(kMDFindExact, "dog", nullptr), 1);
  MSetFileFault(MFileOperation::kOpen, 2);
  EXPECT_EQ(dic.AddWord("ant", "n ant"), 0);
  MClearFileFaults();
  EXPECT_EQ(dic.IsOpen(), 0);
  EXPECT_EQ(dic.GetIndex().GetLength(), 0);
  EXPECT_EQ(dic.GetEntry(), nullptr);
  EXPECT_EQ(FilesIn(dir_.DirWithSeparator()), std::vector<std::string>{kDicName});
  std::vector<Row> added = kAnimals;
  added.push_back({"ant", "n ant"});
  CDic reopened;
  ASSERT_EQ(reopened.Load(DicPath().c_str(), 0), 1);
  EXPECT_EQ(ReadThrough(reopened), Expected(added));  // the replace itself went through
}

}  // namespace
