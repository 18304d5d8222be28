// The engine's entry points as the dictionary system calls them: every
// search kind and form on small dictionaries, the cursor of Next and Prev
// with the vulgar filter, word lists, null handles, handles' lifecycle, and
// the exported names.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <iterator>
#include <string>
#include <vector>

#ifdef _WIN32
#include <windows.h>
#else
#include <dlfcn.h>
#endif

#include "base/tests/wordlist_support.h"
#include "lexicon/CDic.h"
#include "lexicon/CEntry.h"
#include "lexicon/MorvexLexicon.h"
#include "lexicon/tests/dictionary_file_support.h"

namespace {

// Stands in an out value that the call must leave as it was.
const char kUntouched[] = "untouched";

// Words in index order; three of them carry the vulgar label, two of them
// in a run, one at the end.
const std::vector<ArticleRow> kWords = {
    {"cat", "N 1. cat; puss"}, {"catalog", "N list"},        {"divulge", "V reveal; vulgarise"},
    {"dog", "N coll) hound"},  {"dogs", "N vulg) curs"},     {"dogsbody", "N vulg) drudge"},
    {"door", "N entrance"},    {"zebra", "N vulg) stripes"},
};
// Reversed head words (type 3) for the flexion search: "dog" and "dogs".
const std::vector<ArticleRow> kEndings = {{"god", "\\hound"}, {"sgod", "\\curs"}};
const std::vector<ArticleRow> kWordList = {{"cat", ""}, {"dog", ""}};

const char kCatShown[] = "{Noun} cat\r\n\t\xB7{Noun} cat; puss;";
const char kCatalogShown[] = "{Noun} catalog\r\n\t\xB7{Noun} list;";
const char kDogShown[] = "{Noun} dog\r\n\t\xB7{Noun} coll) hound;";
const char kDoorShown[] = "{Noun} door\r\n\t\xB7{Noun} entrance;";
const char kDivulgeShown[] = "{Verb} divulge\r\n\t\xB7{Verb} reveal; vulgarise;";

class EntryPointsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    Write("words.dic", 1, kWords);
    Write("endings.dic", 3, kEndings);
    Write("list.dic", 5, kWordList);
  }
  void TearDown() override {
    for (MD_HANDLE* handle : {&words_, &endings_, &list_}) {
      if (*handle) MDClose(handle);
    }
  }

  void Write(const std::string& name, uint8_t type, const std::vector<ArticleRow>& rows) {
    const std::string bytes = DictionaryFileBytes(type, rows);
    ASSERT_FALSE(bytes.empty()) << name;
    dir_.Write(name, bytes);
  }
  std::string Path(const std::string& name) const { return dir_.Path(name); }
  MD_HANDLE Open(const std::string& name, MD_HANDLE& handle) {
    if (!handle) handle = MDOpen(Path(name).c_str(), 0);
    EXPECT_NE(handle, nullptr) << name;
    return handle;
  }
  MD_HANDLE Words() { return Open("words.dic", words_); }
  MD_HANDLE Endings() { return Open("endings.dic", endings_); }
  MD_HANDLE List() { return Open("list.dic", list_); }

  ScratchDir dir_;
  MD_HANDLE words_ = nullptr;
  MD_HANDLE endings_ = nullptr;
  MD_HANDLE list_ = nullptr;
};

// An out value: null, kUntouched, or the text it must hold.
void ExpectOut(const char* actual, const char* expected, const char* what) {
  if (expected == nullptr || expected == kUntouched) {
    EXPECT_EQ(actual, expected) << what;
  } else {
    EXPECT_STREQ(actual, expected) << what;
  }
}

// --- MDFind: each flag word the dictionary system uses.

struct FindCase {
  const char* name;
  bool endings;  // the reversed dictionary, else the words
  int32_t flags;
  std::string word;
  int status;
  const char* outWord;
  const char* article;
};

TEST_F(EntryPointsTest, FindGivesWhatTheFlagsAskFor) {
  const FindCase cases[] = {
      {"exact: the entry text without the head word", false, 1, "cat", MD_OK, nullptr,
       "N 1. cat; puss"},
      {"exact takes whole words only", false, 1, "ca", MD_FAILED, kUntouched, kUntouched},
      {"near completes the word", false, 2, "ca", MD_OK, "cat", "N 1. cat; puss"},
      {"near has no fallback", false, 2, "cz", MD_FAILED, kUntouched, kUntouched},
      {"flexion finds the longest ending", true, 4, "hotdogs", MD_OK, "dogs", "\\curs"},
      {"flexion, a shorter ending", true, 4, "hotdog", MD_OK, "dog", "\\hound"},
      {"prefix finds the longest beginning", false, 8, "cats", MD_OK, "cat", "N 1. cat; puss"},
      {"prefix goes back to a shorter word", false, 8, "dogsx", MD_OK, "dogs", "N vulg) curs"},
      {"word only", false, 16, "dog", MD_OK, nullptr, kUntouched},
      {"word only, absent", false, 16, "do", MD_FAILED, kUntouched, kUntouched},
      {"dictionary form with the head word", false, 513, "cat", MD_OK, nullptr, kCatShown},
      {"near in dictionary form", false, 514, "cata", MD_OK, "catalog", kCatalogShown},
      {"a marked word is not found exactly", false, 1537, "dogs", MD_FAILED, kUntouched,
       kUntouched},
      {"marked in the plain form too", false, 1025, "dogs", MD_FAILED, kUntouched, kUntouched},
      {"an unmarked word is", false, 1537, "dog", MD_OK, nullptr, kDogShown},
      {"vulg inside a word is no label", false, 1537, "divulge", MD_OK, nullptr, kDivulgeShown},
      {"near moves past a run of marked words", false, 1538, "dogs", MD_OK, "door", kDoorShown},
      {"near fails when only marked words follow", false, 1538, "zebra", MD_FAILED, kUntouched,
       kUntouched},
      {"no search kind", false, 0x200, "cat", MD_FAILED, kUntouched, kUntouched},
      {"exact word over 255 bytes", false, 1, std::string(256, 'c'), MD_FAILED, kUntouched,
       kUntouched},
      {"near word over 255 bytes", false, 2, "cat" + std::string(253, 'a'), MD_FAILED, kUntouched,
       kUntouched},
      {"flexion word over 255 bytes", true, 4, std::string(300, 'x') + "dogs", MD_FAILED,
       kUntouched, kUntouched},
  };
  for (const FindCase& row : cases) {
    SCOPED_TRACE(row.name);
    const char* outWord = kUntouched;
    const char* article = kUntouched;
    EXPECT_EQ(
        MDFind(row.endings ? Endings() : Words(), row.flags, row.word.c_str(), &outWord, &article),
        row.status);
    ExpectOut(outWord, row.outWord, "word");
    ExpectOut(article, row.article, "article");
  }
}

// --- The cursor: Next and Prev under the stored mode of the last search.

struct StepCase {
  char op;  // 'F' MDFind, 'N' MDNext, 'P' MDPrev
  int32_t flags;
  const char* word;
  int status;
  const char* outWord;
  const char* article;
};

void RunSteps(MD_HANDLE handle, const std::vector<StepCase>& steps) {
  for (size_t i = 0; i < steps.size(); ++i) {
    const StepCase& step = steps[i];
    SCOPED_TRACE("step " + std::to_string(i) + " " + step.op);
    const char* outWord = kUntouched;
    const char* article = kUntouched;
    int status = -1;
    if (step.op == 'F') status = MDFind(handle, step.flags, step.word, &outWord, &article);
    if (step.op == 'N') status = MDNext(handle, &outWord, &article);
    if (step.op == 'P') status = MDPrev(handle, &outWord, &article);
    EXPECT_EQ(status, step.status);
    ExpectOut(outWord, step.outWord, "word");
    ExpectOut(article, step.article, "article");
  }
}

const char* const U = kUntouched;

TEST_F(EntryPointsTest, NextAndPrevFollowTheStoredMode) {
  RunSteps(Words(), {
                        {'F', 514, "ca", MD_OK, "cat", kCatShown},
                        {'N', 0, "", MD_OK, "catalog", kCatalogShown},
                        {'N', 0, "", MD_OK, "divulge", kDivulgeShown},
                        {'P', 0, "", MD_OK, "catalog", kCatalogShown},
                        {'P', 0, "", MD_OK, "cat", kCatShown},
                        {'P', 0, "", MD_FAILED, U, U},  // the first word
                        {'N', 0, "", MD_OK, "catalog", kCatalogShown},
                        // Flexion and prefix keep the stored mode; their own
                        // article follows their own flags.
                        {'F', 8, "cats", MD_OK, "cat", "N 1. cat; puss"},
                        {'N', 0, "", MD_OK, "divulge", kDivulgeShown},
                        // The word only, stored.
                        {'F', 16, "cat", MD_OK, nullptr, U},
                        {'N', 0, "", MD_OK, "catalog", U},
                        {'F', 1, "dogs", MD_OK, nullptr, "N vulg) curs"},
                        {'N', 0, "", MD_OK, "dogsbody", "N vulg) drudge"},
                    });
}

TEST_F(EntryPointsTest, TheVulgarFilterWalksPastMarkedWordsAndKeepsTheCursor) {
  RunSteps(Words(), {
                        {'F', 1538, "dogs", MD_OK, "door", kDoorShown},
                        {'P', 0, "", MD_OK, "dog", kDogShown},  // past dogsbody and dogs
                        {'N', 0, "", MD_OK, "door", kDoorShown},
                        {'N', 0, "", MD_FAILED, U, U},  // only zebra is left
                        {'P', 0, "", MD_OK, "dog", kDogShown},
                        // A near search that found only marked words leaves
                        // the cursor on the word it found.
                        {'F', 1538, "zebra", MD_FAILED, U, U},
                        {'P', 0, "", MD_OK, "door", kDoorShown},
                    });
}

// The steps of a filtered walk are a loop: a long run of marked articles is
// passed over without growing the stack.
TEST_F(EntryPointsTest, ALongRunOfMarkedArticlesIsWalkedOver) {
  std::vector<ArticleRow> rows = {{"a", "N first"}};
  for (int i = 0; i < 20000; ++i) {
    char word[16];
    std::snprintf(word, sizeof word, "b%05d", i);
    rows.push_back({word, "N vulg) x"});
  }
  rows.push_back({"c", "N last"});
  Write("run.dic", 1, rows);
  MD_HANDLE run = nullptr;
  RunSteps(Open("run.dic", run),
           {
               {'F', 1538, "a", MD_OK, "a", "{Noun} a\r\n\t\xB7{Noun} first;"},
               {'N', 0, "", MD_OK, "c", "{Noun} c\r\n\t\xB7{Noun} last;"},
               {'P', 0, "", MD_OK, "a", "{Noun} a\r\n\t\xB7{Noun} first;"},
           });
  EXPECT_EQ(MDClose(&run), MD_OK);
}

TEST_F(EntryPointsTest, WordListsFindWordsWithoutArticles) {
  RunSteps(List(), {
                       {'F', 1, "cat", MD_OK, nullptr, nullptr},
                       {'F', 513, "dog", MD_OK, nullptr, nullptr},
                       {'F', 1538, "d", MD_OK, "dog", nullptr},
                       {'P', 0, "", MD_OK, "cat", nullptr},
                       {'F', 16, "dog", MD_OK, nullptr, U},
                   });
}

// The dictionary underneath: the filter's candidates are read on the side,
// and the current article is the one finally found.
TEST_F(EntryPointsTest, TheCurrentArticleIsTheUnmarkedOneFound) {
  CDic dic;
  ASSERT_EQ(dic.Load(Path("words.dic").c_str(), 0), 1);
  ASSERT_EQ(dic.Find(kMDFindNear | kMDFindDictForm | kMDFindNoVulgar, "dogs", nullptr), 1);
  ASSERT_NE(dic.GetEntry(), nullptr);
  EXPECT_EQ(std::string(dic.GetEntry()->GetInWord()), "door");
  EXPECT_TRUE(dic.GetEntry()->IsLoaded());
  EXPECT_STREQ(dic.GetEntryText(0), "N entrance");
  EXPECT_STREQ(dic.GetEntryText(kMDFindDictForm), kDoorShown);
  EXPECT_EQ(dic.Next(nullptr), 0);  // zebra is marked
  EXPECT_EQ(dic.GetRecordOffset(), CDic::kNoRecord);
  EXPECT_STREQ(dic.GetIndex().GetCurrentWord(), "door");
}

// --- Handles.

TEST_F(EntryPointsTest, ANullHandleGivesNoHandleEverywhere) {
  MD_PROP prop = {};
  prop.flags = 0x3FF;
  unsigned short ids[MD_MAX_SUPPORT_LANG + 1];
  const char* out = kUntouched;
  MD_HANDLE none = nullptr;
  const std::vector<std::pair<const char*, std::function<int()>>> calls = {
      {"MDFind", [&] { return MDFind(nullptr, 1, "cat", &out, &out); }},
      {"MDNext", [&] { return MDNext(nullptr, &out, &out); }},
      {"MDPrev", [&] { return MDPrev(nullptr, &out, &out); }},
      {"MDSetDicProperty", [&] { return MDSetDicProperty(nullptr, &prop); }},
      {"MDGetDicProperty", [&] { return MDGetDicProperty(nullptr, &prop); }},
      {"MDGetSupportLang", [&] { return MDGetSupportLang(nullptr, ids); }},
      {"MDAddWord", [&] { return MDAddWord(nullptr, "cat", "N cat"); }},
      {"MDAddWords", [&] { return MDAddWords(nullptr, "cat\0\0", "N cat\0\0"); }},
      {"MDEditWord", [&] { return MDEditWord(nullptr, "cat", "cat", "N cat"); }},
      {"MDDeleteWord", [&] { return MDDeleteWord(nullptr, "cat"); }},
      {"MDDeleteWords", [&] { return MDDeleteWords(nullptr, "cat\0\0"); }},
      {"MDClose of a null handle", [&] { return MDClose(&none); }},
      {"MDClose of no variable", [&] { return MDClose(nullptr); }},
  };
  for (const auto& call : calls) EXPECT_EQ(call.second(), MD_NO_HANDLE) << call.first;
  EXPECT_EQ(out, kUntouched);
}

TEST_F(EntryPointsTest, CloseTwice) {
  MD_HANDLE handle = MDOpen(Path("words.dic").c_str(), 0);
  ASSERT_NE(handle, nullptr);
  EXPECT_EQ(MDClose(&handle), MD_OK);
  EXPECT_EQ(handle, nullptr);
  EXPECT_EQ(MDClose(&handle), MD_NO_HANDLE);
}

TEST_F(EntryPointsTest, OpenRefusesWhatItCannotLoad) {
  EXPECT_EQ(MDOpen(Path("missing.dic").c_str(), 0), nullptr);
  EXPECT_EQ(MDOpen("", 0), nullptr);
  EXPECT_EQ(MDOpen(nullptr, 0), nullptr);
  EXPECT_EQ(MDCreate(""), nullptr);
  EXPECT_EQ(MDCreate(Path("no/such/dir/new.dic").c_str()), nullptr);
}

TEST_F(EntryPointsTest, HeaderOnlyAnswersPropertiesButFindsNothing) {
  MD_HANDLE handle = MDOpen(Path("words.dic").c_str(), MD_LOAD_HEADER_ONLY);
  ASSERT_NE(handle, nullptr);
  MD_PROP prop = {};
  prop.flags = MD_PROP_TYPE | MD_PROP_COUNT;
  EXPECT_EQ(MDGetDicProperty(handle, &prop), MD_OK);
  EXPECT_EQ(prop.type, 1);
  EXPECT_EQ(prop.articleCount, kWords.size());
  EXPECT_EQ(MDFind(handle, 1, "cat", nullptr, nullptr), MD_FAILED);
  EXPECT_EQ(MDClose(&handle), MD_OK);
}

TEST_F(EntryPointsTest, CreatedPropertiesReachTheFile) {
  MD_HANDLE handle = MDCreate(Path("new.dic").c_str());
  ASSERT_NE(handle, nullptr);
  MD_PROP set = {};
  set.flags = MD_PROP_TYPE | MD_PROP_LANG_IN | MD_PROP_LANG_OUT | MD_PROP_INFO_IN;
  set.type = 4;
  set.langIn = 1049;
  set.langOut = 1033;
  set.infoIn = "Russian";
  EXPECT_EQ(MDSetDicProperty(handle, &set), MD_OK);
  EXPECT_EQ(MDSetDicProperty(handle, nullptr), MD_FAILED);
  EXPECT_EQ(MDGetDicProperty(handle, nullptr), MD_FAILED);
  EXPECT_EQ(MDClose(&handle), MD_OK);

  handle = MDOpen(Path("new.dic").c_str(), 0);
  ASSERT_NE(handle, nullptr);
  MD_PROP got = {};
  got.flags = 0x3FF;
  EXPECT_EQ(MDGetDicProperty(handle, &got), MD_OK);
  EXPECT_EQ(got.type, 4);
  EXPECT_EQ(got.langIn, 1049);
  EXPECT_EQ(got.langOut, 1033);
  EXPECT_STREQ(got.infoIn, "Russian");
  EXPECT_EQ(got.version, 0x0400);
  EXPECT_EQ(got.articleCount, 0u);
  EXPECT_EQ(MDFind(handle, 2, "", nullptr, nullptr), MD_FAILED);  // no index yet
  EXPECT_EQ(MDClose(&handle), MD_OK);
}

// No language data is loaded in this program: the list is the 0 alone.
TEST_F(EntryPointsTest, SupportLangWithoutLanguagesIsEmpty) {
  unsigned short ids[MD_MAX_SUPPORT_LANG + 1];
  std::fill(std::begin(ids), std::end(ids), 0xBEEF);
  EXPECT_EQ(MDGetSupportLang(Words(), ids), MD_OK);
  EXPECT_EQ(ids[0], 0);
  EXPECT_EQ(ids[1], 0xBEEF);
  EXPECT_EQ(MDGetSupportLang(Words(), nullptr), MD_FAILED);
}

// --- The exported names, looked up as the dictionary system does.

TEST(EntryPointExports, EveryEntryPointIsFoundByItsPlainName) {
#ifdef _WIN32
  HMODULE module = GetModuleHandleA("MorvexLexicon.dll");
  ASSERT_NE(module, nullptr);
  auto exported = [module](const char* name) { return GetProcAddress(module, name) != nullptr; };
#else
  void* module = dlopen(MORVEX_LEXICON_FILE, RTLD_NOW | RTLD_NOLOAD);
  ASSERT_NE(module, nullptr) << dlerror();
  auto exported = [module](const char* name) { return dlsym(module, name) != nullptr; };
#endif
  for (const char* name : {"MDInit", "MDOpen", "MDCreate", "MDClose", "MDFind", "MDNext", "MDPrev",
                           "MDAddWord", "MDAddWords", "MDEditWord", "MDDeleteWord", "MDDeleteWords",
                           "MDSetDicProperty", "MDGetDicProperty", "MDGetSupportLang"}) {
    EXPECT_TRUE(exported(name)) << name;
  }
  for (const char* name : {"MDExit", "MDBuild", "MDExtract"}) {
    EXPECT_FALSE(exported(name)) << name;
  }
#ifndef _WIN32
  dlclose(module);
#endif
}

}  // namespace
