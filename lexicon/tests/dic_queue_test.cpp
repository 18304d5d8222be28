// The base-dictionary queues: the base dictionary names of a pair, loading
// lists into the queues, searching and walking a queue in order, the
// positions, the lifecycle of what a set owns, and null arguments.
#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/tests/wordlist_support.h"
#include "lexicon/CDicHeader.h"
#include "lexicon/CDicItem.h"
#include "lexicon/CEntry.h"
#include "lexicon/DicQueues.h"
#include "lexicon/tests/dic_test_support.h"
#include "lexicon/tests/shipped_alphabets.h"

namespace {

constexpr uint16_t kRussian = 1049;
constexpr uint16_t kEnglish = 1033;
constexpr uint16_t kExact = 0x1;

#if defined(_WIN32)
const char kSeparator[] = "\\";
#else
const char kSeparator[] = "/";
#endif

// A type-3 dictionary (each article a reference) of words with distinct
// first letters, given in order: a branch on the first letter whose
// children are leaves of the rest.
std::string DictionaryBytes(const std::vector<std::pair<std::string, std::string>>& articles) {
  std::string records;
  std::vector<uint32_t> offsets;
  for (const auto& article : articles) {
    offsets.push_back(CDicHeader::kRegionSize + records.size());
    records += Bytes({static_cast<int>(article.second.size())}) + article.second;
  }
  std::string branch = Bytes({static_cast<int>(articles.size())});
  std::string leaves;
  const size_t branchSize = 1 + 4 * articles.size();
  for (size_t i = 0; i < articles.size(); ++i) {
    const std::string& word = articles[i].first;
    branch += U32(branchSize + leaves.size()).substr(0, 3) + word.substr(0, 1);
    leaves += Bytes({256 - static_cast<int>(word.size() - 1)}) + U32(offsets[i]).substr(0, 3) +
              word.substr(1);
  }
  CDicHeader header = CDicHeader::ForNewFile(0);
  header.type = 3;
  header.articleCount = static_cast<uint32_t>(articles.size());
  header.indexOffset = static_cast<int32_t>(CDicHeader::kRegionSize + records.size());
  const std::string trie = branch + leaves;
  return HeaderBytes(header) + std::string(7, '\0') + records + U32(trie.size()) + trie;
}

// A run of NUL-terminated paths ending with an empty one.
std::string PathRun(const std::vector<std::string>& paths) {
  std::string run;
  for (const std::string& path : paths) run += path + '\0';
  return run + '\0';
}

std::string Reference(const CDicEntry* entry) {
  return entry != nullptr ? std::string(entry->GetReference()) : "(none)";
}

// Three dictionaries: a holds cat; b dog and eel; c dog and fox. Each
// article names its dictionary and word.
class DicQueueTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(LoadShippedAlphabets());
    dir_.Write("a.dic", DictionaryBytes({{"cat", "a-cat"}}));
    dir_.Write("b.dic", DictionaryBytes({{"dog", "b-dog"}, {"eel", "b-eel"}}));
    dir_.Write("c.dic", DictionaryBytes({{"dog", "c-dog"}, {"fox", "c-fox"}}));
    set_ = DicSysOpen(0, kRussian, kEnglish, dir_.DirWithSeparator().c_str());
    ASSERT_NE(set_, nullptr);
  }
  void TearDown() override { DicSysClose(set_); }

  std::string Path(const std::string& name) const { return dir_.Path(name); }

  // Loads the files as the forward list; DicArrayLoad's result.
  int LoadForward(const std::vector<std::string>& names) {
    std::vector<std::string> paths;
    for (const std::string& name : names) paths.push_back(Path(name));
    DicArraySet(set_, PathRun(paths).c_str(), nullptr);
    return DicArrayLoad(set_, DicArraySelect(set_, 0, 0));
  }

  ScratchDir dir_;
  CDicSys* set_ = nullptr;
};

TEST_F(DicQueueTest, BaseDictionaryNamesFollowThePairInTheBaseDirectory) {
  const std::string dir = dir_.DirWithSeparator();
  const std::string bare = dir.substr(0, dir.size() - 1);
  struct Case {
    std::string baseDir;
    std::string expectedDir;
  } const cases[] = {
      {dir, dir},
      {bare, bare + kSeparator},  // a separator is put in between
      {"", ""},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.baseDir);
    CDicSys* set = DicSysOpen(7, kRussian, kEnglish, c.baseDir.c_str());
    DicArraySetCommon(set);
    const CDicItemList* forward = DicArraySelect(set, 0, 0);
    ASSERT_EQ(forward->GetSize(), 1);
    EXPECT_EQ(std::string(forward->GetAt(0)->GetPath()), c.expectedDir + "baseruen.dic");
    EXPECT_EQ(forward->GetAt(0)->GetValue(), 1);
    EXPECT_EQ(forward->GetAt(0)->GetMode(), 0);
    EXPECT_EQ(forward->GetAt(0)->GetFlags(), 0);

    const CDicItemList* reverse = DicArraySelect(set, kEnglish, kRussian);
    EXPECT_NE(reverse, forward);
    ASSERT_EQ(reverse->GetSize(), 1);
    EXPECT_EQ(std::string(reverse->GetAt(0)->GetPath()), c.expectedDir + "baseenru.dic");
    DicSysClose(set);
  }
}

TEST_F(DicQueueTest, TheCurrentListFollowsTheFirstInputLanguage) {
  CDicItemList* forward = DicArraySelect(set_, 0, 0);
  CDicItemList* reverse = DicArraySelect(set_, kEnglish, kRussian);
  EXPECT_NE(forward, reverse);
  EXPECT_EQ(DicArraySelect(set_, 0, 0), reverse);  // input 0 changes nothing
  // A language that is not loaded leaves the pair and the list as they are.
  DicSysSetLangId(set_, 0x0411, kRussian);
  EXPECT_EQ(DicArraySelect(set_, 0, 0), reverse);
  DicSysSetLangId(set_, kRussian, kEnglish);
  EXPECT_EQ(DicArraySelect(set_, 0, 0), forward);
  EXPECT_EQ(DicArrayInit(set_), 1);
  EXPECT_EQ(DicArraySelect(set_, 0, 0), forward);

  // Without loaded languages the first input language is still the given one.
  CDicSys* unpaired = DicSysOpen(0, 0x0411, kEnglish, "");
  CDicItemList* unpairedForward = DicArraySelect(unpaired, 0, 0);
  EXPECT_EQ(DicArrayInit(unpaired), 1);
  EXPECT_NE(DicArraySelect(unpaired, 0, 0), unpairedForward);
  DicSysClose(unpaired);
}

TEST_F(DicQueueTest, LoadingLeavesOutMissingFilesAndNeverDuplicates) {
  EXPECT_EQ(LoadForward({"missing.dic", "a.dic"}), 1);
  EXPECT_EQ(DicQueGetSize(set_, 0), 1);
  EXPECT_EQ(DicQueGetSize(set_, 1), 1);
  EXPECT_EQ(DicQueGetSize(set_, 2), 0);
  EXPECT_EQ(DicQueGetSize(set_, 3), 0);

  // Loading again adds only what queue 0 does not hold yet.
  EXPECT_EQ(LoadForward({"a.dic", "b.dic"}), 0);
  EXPECT_EQ(DicQueGetSize(set_, 0), 2);
  EXPECT_EQ(DicQueGetSize(set_, 1), 2);
  EXPECT_EQ(DicQueFirst(set_, 0, 0), DicQueFirst(set_, 1, 0));
  EXPECT_EQ(DicQueFirst(set_, 0, 1), DicQueFirst(set_, 1, 1));
  EXPECT_NE(DicQueFirst(set_, 0, 0), DicQueFirst(set_, 0, 1));

  // A file that is not a dictionary is a failure too.
  dir_.Write("junk.dic", "not a dictionary");
  EXPECT_EQ(LoadForward({"junk.dic"}), 1);
  EXPECT_EQ(DicQueGetSize(set_, 0), 2);

  // The base dictionaries of the pair, when they are there.
  dir_.Write("baseruen.dic", DictionaryBytes({{"cat", "base-cat"}}));
  DicArraySetCommon(set_);
  DicQueClear(set_);
  EXPECT_EQ(DicArrayLoad(set_, DicArraySelect(set_, 0, 0)), 0);
  EXPECT_EQ(Reference(DicQueFind(set_, 0, "cat", kExact)), "base-cat");
  EXPECT_EQ(DicArrayLoad(set_, DicArraySelect(set_, kEnglish, kRussian)), 1);  // no baseenru
}

TEST_F(DicQueueTest, SearchStartsAtTheCurrentDictionaryAndMovesToTheOneThatFinds) {
  ASSERT_EQ(LoadForward({"a.dic", "b.dic", "c.dic"}), 0);
  struct Step {
    const char* word;
    std::string article;
    int positionAfter;
  } const steps[] = {
      {"dog", "b-dog", 1},    // not in a: b finds it and becomes current
      {"dog", "b-dog", 1},    // the repeat starts at b
      {"fox", "c-fox", 2},    // b lacks it, c has it
      {"cat", "a-cat", 0},    // back to the first one
      {"eel", "b-eel", 1},    // from position 0 every dictionary is asked
      {"cow", "(none)", -1},  // nobody has it: no position, no dictionary
      {"dog", "b-dog", 1},    // after a miss every dictionary is asked again
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(step.word);
    EXPECT_EQ(Reference(DicQueFind(set_, 0, step.word, kExact)), step.article);
    EXPECT_EQ(DicGetCurrent(set_, 0), step.positionAfter);
    EXPECT_EQ(DicGetCurrentHandler(set_, 0),
              step.positionAfter < 0 ? nullptr : DicQueFirst(set_, 1, step.positionAfter));
  }
  // Each queue keeps its own place.
  EXPECT_EQ(Reference(DicQueFind(set_, 1, "fox", kExact)), "c-fox");
  EXPECT_EQ(DicGetCurrent(set_, 0), 1);
  EXPECT_EQ(DicQueFind(set_, 2, "dog", kExact), nullptr);  // empty
  EXPECT_EQ(DicQueFind(set_, 4, "dog", kExact), nullptr);
  EXPECT_EQ(DicQueFind(set_, 0, nullptr, kExact), nullptr);
}

TEST_F(DicQueueTest, WalkingAQueueEndsForGoodPastItsEnd) {
  ASSERT_EQ(LoadForward({"a.dic", "b.dic"}), 0);
  CDic* a = DicQueFirst(set_, 0, 0);
  ASSERT_NE(a, nullptr);
  CDic* b = DicQueNext(set_, -1);  // the queue walked last
  ASSERT_NE(b, nullptr);
  EXPECT_NE(a, b);
  EXPECT_EQ(DicGetCurrentHandler(set_, 0), b);
  for (int i = 0; i < 3; ++i) EXPECT_EQ(DicQueNext(set_, 0), nullptr);
  EXPECT_EQ(DicGetCurrent(set_, 0), -1);
  EXPECT_EQ(DicGetCurrentHandler(set_, 0), nullptr);

  EXPECT_EQ(DicQueFirst(set_, 1, 1), b);
  EXPECT_EQ(DicQueNext(set_, -1), nullptr);  // queue 1 is remembered now
  EXPECT_EQ(DicQueFirst(set_, 1, 2), nullptr);
  EXPECT_EQ(DicGetCurrent(set_, 1), -1);
  EXPECT_EQ(DicQueFirst(set_, 1, -5), nullptr);
  EXPECT_EQ(DicQueFirst(set_, 4, 0), nullptr);
  EXPECT_EQ(DicQueNext(set_, 4), nullptr);

  DicSetCurrent(set_, 0, 0);
  EXPECT_EQ(CheckDicInList(set_, 0), nullptr);
  EXPECT_EQ(DicGetCurrent(set_, 0), -1);
  EXPECT_EQ(DicQueGetSize(set_, 0), 2);
}

TEST_F(DicQueueTest, PositionsAndCurrentDictionaries) {
  ASSERT_EQ(LoadForward({"a.dic", "b.dic", "c.dic"}), 0);
  CDic* b = DicQueFirst(set_, 1, 1);
  struct Step {
    int queue;
    int position;
    int result;
    int savedAfter;  // DicGetCurrent of the queue afterwards
  } const steps[] = {
      {0, 2, 2, 2},   {0, -1, 2, 2},  // -1 restores the saved position
      {0, 3, 0, 0},   {0, -7, 0, 0},  // outside the queue: 0
      {2, 1, -1, -1},                 // an empty queue has none
      {5, 1, 1, -1},                  // refused: the walked queue's position (1)
  };
  for (const Step& step : steps) {
    SCOPED_TRACE(testing::Message() << step.queue << " " << step.position);
    EXPECT_EQ(DicSetCurrent(set_, step.queue, step.position), step.result);
    EXPECT_EQ(DicGetCurrent(set_, step.queue), step.savedAfter);
  }
  EXPECT_EQ(DicGetCurrent(set_, 0), 0);

  // A dictionary from another queue: current where it stands, else none.
  DicSetCurrentHandler(set_, 2, b);
  EXPECT_EQ(DicGetCurrentHandler(set_, 2), b);
  EXPECT_EQ(DicGetCurrent(set_, 2), -1);
  DicSetCurrentHandler(set_, 0, b);
  EXPECT_EQ(DicGetCurrent(set_, 0), 1);
  EXPECT_EQ(DicGetCurrentHandler(set_, 0), b);
  DicSetCurrentHandler(set_, 4, b);
  EXPECT_EQ(DicGetCurrentHandler(set_, 4), nullptr);
  EXPECT_EQ(DicQueGetSize(set_, -1), 0);

  // Clearing when queue 0 is not empty changes nothing.
  EXPECT_EQ(DicQueClearIfChanged(set_), 0);
  EXPECT_EQ(DicQueGetSize(set_, 0), 3);
  DicQueClear(set_);
  EXPECT_EQ(DicQueGetSize(set_, 1), 0);
  EXPECT_EQ(DicGetCurrentHandler(set_, 0), nullptr);
  CDic* outside = DicOpen(Path("a.dic").c_str(), 0);
  DicSetCurrentHandler(set_, 3, outside);
  EXPECT_EQ(DicQueClearIfChanged(set_), 1);
  EXPECT_EQ(DicGetCurrentHandler(set_, 3), nullptr);
  DicClose(outside);
}

// Every sequence ends with the set's deletion; under the sanitizers a
// double free, a dangling list item or a leak fails the case.
TEST_F(DicQueueTest, LifecycleOfListsAndQueues) {
  enum Action { kSetLists, kSetCommon, kLoad, kFree, kUnload, kRemoveAll, kKeepAll, kClear };
  struct Case {
    const char* name;
    std::vector<Action> actions;
    int listSize;
    int queueSize;
  } const cases[] = {
      {"load, free, refill", {kSetLists, kLoad, kFree, kSetCommon}, 1, 2},
      {"free twice", {kSetLists, kLoad, kFree, kFree, kLoad}, 0, 2},
      {"free, then remove all", {kSetLists, kFree, kRemoveAll}, 0, 0},
      {"unload", {kSetLists, kLoad, kUnload, kLoad}, 0, 0},
      {"unload after free", {kSetLists, kLoad, kFree, kUnload}, 0, 0},
      {"load twice", {kSetLists, kLoad, kLoad}, 3, 2},
      {"load, clear, load", {kSetLists, kLoad, kClear, kLoad}, 3, 2},
      {"refill while loaded", {kSetLists, kLoad, kSetLists, kSetCommon}, 1, 2},
      {"remove all without the flag", {kSetLists, kKeepAll}, 3, 0},
      {"nothing but close", {kSetLists, kLoad}, 3, 2},
  };
  const std::string forward = PathRun({Path("a.dic"), Path("missing.dic"), Path("b.dic")});
  const std::string reverse = PathRun({Path("c.dic")});
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    CDicSys* set = DicSysOpen(0, kRussian, kEnglish, dir_.DirWithSeparator().c_str());
    CDicItemList* list = DicArraySelect(set, 0, 0);
    for (Action action : c.actions) {
      switch (action) {
        case kSetLists:
          EXPECT_EQ(DicArraySet(set, forward.c_str(), reverse.c_str()), -1);
          break;
        case kSetCommon:
          DicArraySetCommon(set);
          break;
        case kLoad:
          EXPECT_GE(DicArrayLoad(set, list), 0);
          break;
        case kFree:
          DicArrayFree(set);
          break;
        case kUnload:
          DicArrayUnLoad(set, list);
          break;
        case kRemoveAll:
          DicArrayRemoveAll(1, list);
          break;
        case kKeepAll:
          DicArrayRemoveAll(0, list);
          break;
        case kClear:
          DicQueClear(set);
          break;
      }
    }
    EXPECT_EQ(list->GetSize(), c.listSize);
    EXPECT_EQ(DicQueGetSize(set, 0), c.queueSize);
    EXPECT_EQ(DicQueGetSize(set, 1), c.queueSize);
    DicSysClose(set);
  }
}

TEST_F(DicQueueTest, SingleDictionaries) {
  EXPECT_EQ(DicOpen(Path("missing.dic").c_str(), 0), nullptr);
  EXPECT_EQ(DicOpen(nullptr, 0), nullptr);
  EXPECT_EQ(DicQueOpen(0, Path("b.dic").c_str(), 0), nullptr);
  CDic* b = DicQueOpen(1, Path("b.dic").c_str(), 0);
  ASSERT_NE(b, nullptr);
  EXPECT_EQ(Reference(DicFind(b, "dog", kExact)), "b-dog");
  EXPECT_EQ(Reference(DicFindNext(b)), "b-eel");
  EXPECT_EQ(DicFindNext(b), nullptr);
  EXPECT_EQ(DicFind(b, "cat", kExact), nullptr);
  EXPECT_EQ(DicFind(b, nullptr, kExact), nullptr);
  DicClose(b);

  CDic* c = DicOpen(Path("c.dic").c_str(), 99);
  ASSERT_NE(c, nullptr);
  EXPECT_EQ(Reference(DicFind(c, "f", 0x2)), "c-fox");  // near
  DicClose(c);

  EXPECT_EQ(DicSetMode(1, 42, 0), 42);
  EXPECT_EQ(DicSetMode(0, 42, 0), 0);
}

TEST(DicQueueNullTest, NullSetsAndDictionariesChangeNothing) {
  EXPECT_EQ(DicFind(nullptr, "dog", kExact), nullptr);
  EXPECT_EQ(DicFindNext(nullptr), nullptr);
  EXPECT_EQ(DicGetCurrentHandler(nullptr, 0), nullptr);
  EXPECT_EQ(DicSetCurrent(nullptr, 0, 0), -1);
  EXPECT_EQ(DicGetCurrent(nullptr, 0), -1);
  EXPECT_EQ(DicQueGetSize(nullptr, 0), 0);
  EXPECT_EQ(DicQueFind(nullptr, 0, "dog", kExact), nullptr);
  EXPECT_EQ(DicQueFirst(nullptr, 0, 0), nullptr);
  EXPECT_EQ(DicQueNext(nullptr, -1), nullptr);
  EXPECT_EQ(CheckDicInList(nullptr, 0), nullptr);
  EXPECT_EQ(DicQueClearIfChanged(nullptr), 0);
  EXPECT_EQ(DicArraySet(nullptr, "a\0\0", "b\0\0"), -1);
  EXPECT_EQ(DicArraySelect(nullptr, kRussian, kEnglish), nullptr);
  EXPECT_EQ(DicArrayInit(nullptr), 0);
  EXPECT_EQ(DicArrayLoad(nullptr, nullptr), -1);
  // Those without a result must simply survive.
  DicSysClose(nullptr);
  DicClose(nullptr);
  DicSysSetLangId(nullptr, kRussian, kEnglish);
  DicSetOperationCode(nullptr, 3);
  DicSetCurrentHandler(nullptr, 0, nullptr);
  DicQueClear(nullptr);
  DicArraySetCommon(nullptr);
  DicArrayUnLoad(nullptr, nullptr);
  DicArrayRemoveAll(1, nullptr);
  DicArrayFree(nullptr);

  CDicSys* set = DicSysOpen(0, 0, 0, nullptr);
  ASSERT_NE(set, nullptr);
  EXPECT_EQ(DicArrayLoad(set, nullptr), -1);
  DicArrayUnLoad(set, nullptr);
  DicSysClose(set);
}

}  // namespace
