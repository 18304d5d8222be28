#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "base/CListFile.h"
#include "base/tests/wordlist_support.h"

namespace {

using Pairs = std::vector<std::pair<std::string, std::string>>;

Pairs AllPairs(CListFile& list) {
  Pairs pairs;
  for (CListItem* item = list.First(); item; item = list.Next()) {
    pairs.emplace_back(static_cast<const char*>(item->GetWordFor()),
                       static_cast<const char*>(item->GetWordTo()));
  }
  return pairs;
}

std::string OrNull(const char* text) { return text ? text : "(null)"; }

class ListFileTest : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string head =
        "* a comment line\r\n"
        "table  stol\r\n"
        "\r\n"
        "   \t \r\n"
        "\ttab\r\n"
        "\rcr line\n"  // begins with CR
        "tablet tabletka extra words\n"
        "* another comment\n";
    dir_.Write("words.lst", head + Cp1251("дом house\n") + "last\tone");
  }

  ScratchDir dir_;
  CListFile list_;
};

TEST_F(ListFileTest, ReadsOnePairPerLineAndSkipsTheRest) {
  ASSERT_EQ(list_.Load(dir_.Path("words.lst").c_str(), nullptr), CListFile::kLoaded);
  EXPECT_EQ(AllPairs(list_), (Pairs{{"table", "stol"},
                                    {"tab", "tab"},
                                    {"tablet", "tabletka"},
                                    {Cp1251("дом"), "house"},
                                    {"last", "one"}}));
}

TEST_F(ListFileTest, FindMatchesAPrefixAndFindExectTheWholeWord) {
  ASSERT_EQ(list_.Load(dir_.Path("words.lst").c_str(), nullptr), CListFile::kLoaded);
  const struct {
    const char* word;
    const char* find;       // "to" word, or null
    const char* findExect;  // "to" word, or null
  } cases[] = {
      {"tab", "stol", "tab"},     {"table", "stol", "stol"},    {"tablet", "tabletka", "tabletka"},
      {"tabl", "stol", nullptr},  {"tables", nullptr, nullptr}, {"", "stol", nullptr},
      {"LAST", nullptr, nullptr}, {nullptr, nullptr, nullptr},
  };
  for (const auto& c : cases) {
    const std::string label = OrNull(c.word);
    EXPECT_EQ(OrNull(list_.Find(c.word)), OrNull(c.find)) << label;
    EXPECT_EQ(OrNull(list_.GetWordTo()), OrNull(c.find)) << label << ": position after Find";
    CListItem* item = list_.FindObj(c.word);
    EXPECT_EQ(item ? OrNull(item->GetWordTo()) : "(null)", OrNull(c.find)) << label;
    EXPECT_EQ(OrNull(list_.FindExect(c.word)), OrNull(c.findExect)) << label;
    EXPECT_EQ(OrNull(list_.GetWordTo()), OrNull(c.findExect)) << label << ": after FindExect";
  }
  // Not found leaves the position past the end: Next stays there.
  EXPECT_EQ(list_.Find("zzz"), nullptr);
  EXPECT_EQ(list_.GetCurrentItem(), nullptr);
  EXPECT_EQ(list_.Next(), nullptr);
  EXPECT_EQ(list_.GetWordFor(), nullptr);
  // A find in the middle lets Next continue from there.
  EXPECT_NE(list_.FindExect("tablet"), nullptr);
  ASSERT_NE(list_.Next(), nullptr);
  EXPECT_EQ(OrNull(list_.GetWordTo()), "house");
}

TEST_F(ListFileTest, TriesTheNameAloneThenTheDirectoryJoinedWithoutASeparator) {
  const std::string dir = dir_.DirWithSeparator();
  // Not found as given (relative to the current directory), found in dir.
  EXPECT_EQ(list_.Load("words.lst", dir.c_str()), CListFile::kLoaded);
  EXPECT_EQ(list_.GetList().GetSize(), 5);
  // A dir without its separator is not given one.
  EXPECT_EQ(list_.Load("words.lst", dir.substr(0, dir.size() - 1).c_str()), CListFile::kCannotOpen);
  EXPECT_EQ(list_.Load("words.lst", nullptr), CListFile::kCannotOpen);
  // The name alone wins over dir.
  dir_.Write("other/words.lst", "other\n");
  EXPECT_EQ(list_.Load(dir_.Path("words.lst").c_str(), dir_.Path("other/").c_str()),
            CListFile::kLoaded);
  EXPECT_EQ(list_.GetList().GetSize(), 10);  // a second load appends
  EXPECT_EQ(list_.FindExect("other"), nullptr);
}

TEST_F(ListFileTest, RefusesEmptyNamesAndUnreadableFiles) {
  EXPECT_EQ(list_.Load(nullptr, dir_.DirWithSeparator().c_str()), CListFile::kEmptyName);
  EXPECT_EQ(list_.Load("", dir_.DirWithSeparator().c_str()), CListFile::kEmptyName);
  EXPECT_EQ(list_.Load(dir_.Path("missing.lst").c_str(), dir_.DirWithSeparator().c_str()),
            CListFile::kCannotOpen);
  EXPECT_EQ(list_.GetList().GetSize(), 0);
  EXPECT_EQ(list_.First(), nullptr);
}

TEST_F(ListFileTest, FreeListEmptiesTheList) {
  ASSERT_EQ(list_.Load(dir_.Path("words.lst").c_str(), nullptr), CListFile::kLoaded);
  ASSERT_NE(list_.Find("last"), nullptr);
  list_.FreeList();
  EXPECT_EQ(list_.GetList().GetSize(), 0);
  EXPECT_EQ(list_.GetCurrentItem(), nullptr);
  EXPECT_EQ(list_.Find("last"), nullptr);
  ASSERT_EQ(list_.Load(dir_.Path("words.lst").c_str(), nullptr), CListFile::kLoaded);
  EXPECT_EQ(OrNull(list_.First()->GetWordFor()), "table");
}

}  // namespace
