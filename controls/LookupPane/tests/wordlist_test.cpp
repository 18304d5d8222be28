// The word list over the dictionary's cursor, as one table: for each way a
// word is asked for (SetSeekWord of a middle word, a prefix, a capitalised
// word stored in lower case, a word with a wrong end, words near and at the
// end; Home, End, the arrows at the edges, PgDn with less than a page
// left), in dictionaries of 60 and 200 listed words with vulgar ones among
// them, each time after another dictionary was shown: the rows are the
// slice of the sorted non-vulgar words around the word, the selected row
// is that word, and the article shows it.
#include "LookupTestSupport.h"
#include "com/Automation.h"
#include "com/WideText.h"

namespace morvex::lookuppane::testing {

namespace {

com::Bstr Wide(const std::string& text) { return com::Bstr(com::WideFromAnsi(text).c_str()); }

struct ListCase {
  const char* name;
  // Brings the list where the case wants it; returns the window expected.
  ExpectedWindow (*act)(ViewerTest* test, IVelDictViewCtrl* viewer, HWND list,
                        const std::vector<std::string>& listed);
};

void Seek(IVelDictViewCtrl* viewer, const std::string& word) {
  ASSERT_EQ(Hr{viewer->SetSeekWord(Wide(word).Get())}, Hr{S_OK}) << word;
}

void Key(HWND list, UINT key) {
  SendMessageA(list, WM_KEYDOWN, key, 0);
  SendMessageA(list, WM_KEYUP, key, 0);
}

void SelectRow(HWND list, int row) {
  SendMessageA(list, LB_SETCURSEL, static_cast<WPARAM>(row), 0);
}

// Fifty rows from listed[first], row `selected` selected.
ExpectedWindow Slice(const std::vector<std::string>& listed, size_t first, int selected) {
  return {std::vector<std::string>(listed.begin() + static_cast<std::ptrdiff_t>(first),
                                   listed.begin() + static_cast<std::ptrdiff_t>(first + 50)),
          selected};
}

int PageOf(HWND list) {
  SCROLLINFO info = {};
  info.cbSize = sizeof info;
  info.fMask = SIF_PAGE;
  GetScrollInfo(list, SB_VERT, &info);
  return static_cast<int>(info.nPage);
}

const ListCase kCases[] = {
    {"a middle word",
     [](ViewerTest*, IVelDictViewCtrl* viewer, HWND, const std::vector<std::string>& listed) {
       Seek(viewer, listed[listed.size() / 2]);
       return WindowAround(listed, listed.size() / 2);
     }},
    {"a prefix",
     [](ViewerTest*, IVelDictViewCtrl* viewer, HWND, const std::vector<std::string>& listed) {
       Seek(viewer, "ka");
       return WindowAround(listed, IndexOfLookup(listed, "ka"));
     }},
    {"a capital first letter for a word stored in lower case",
     [](ViewerTest*, IVelDictViewCtrl* viewer, HWND, const std::vector<std::string>& listed) {
       Seek(viewer, "Zebra");
       return WindowAround(listed, IndexOfLookup(listed, "zebra"));
     }},
    {"a capitalised entry",
     [](ViewerTest*, IVelDictViewCtrl* viewer, HWND, const std::vector<std::string>& listed) {
       Seek(viewer, "London");
       return WindowAround(listed, IndexOfLookup(listed, "London"));
     }},
    {"a word with a wrong end",
     [](ViewerTest*, IVelDictViewCtrl* viewer, HWND, const std::vector<std::string>& listed) {
       const std::string typed = listed[listed.size() / 3] + "qq";
       Seek(viewer, typed);
       return WindowAround(listed, IndexOfLookup(listed, typed));
     }},
    {"a word ten from the end",
     [](ViewerTest*, IVelDictViewCtrl* viewer, HWND, const std::vector<std::string>& listed) {
       Seek(viewer, listed[listed.size() - 10]);
       return WindowAround(listed, listed.size() - 10);
     }},
    {"the last word",
     [](ViewerTest*, IVelDictViewCtrl* viewer, HWND, const std::vector<std::string>& listed) {
       Seek(viewer, listed.back());
       return WindowAround(listed, listed.size() - 1);
     }},
    {"Home",
     [](ViewerTest*, IVelDictViewCtrl* viewer, HWND list, const std::vector<std::string>& listed) {
       Seek(viewer, listed[listed.size() / 2]);
       Key(list, VK_HOME);
       return WindowAround(listed, 0);
     }},
    {"End",
     [](ViewerTest*, IVelDictViewCtrl* viewer, HWND list, const std::vector<std::string>& listed) {
       Seek(viewer, listed[3]);
       Key(list, VK_END);
       return WindowAround(listed, listed.size() - 1);
     }},
    {"Down at row 49",
     [](ViewerTest*, IVelDictViewCtrl* viewer, HWND list, const std::vector<std::string>& listed) {
       Seek(viewer, listed[5]);
       SelectRow(list, 49);
       Key(list, VK_DOWN);
       // One word on: the window from listed[6], its last row selected.
       return Slice(listed, 6, 49);
     }},
    {"Up at row 0",
     [](ViewerTest*, IVelDictViewCtrl* viewer, HWND list, const std::vector<std::string>& listed) {
       Seek(viewer, listed[7]);
       Key(list, VK_UP);
       return Slice(listed, 6, 0);
     }},
    {"PgDn at row 49 with less than a page left",
     [](ViewerTest*, IVelDictViewCtrl* viewer, HWND list, const std::vector<std::string>& listed) {
       Seek(viewer, listed[listed.size() - 53]);
       SelectRow(list, 49);
       EXPECT_GT(PageOf(list), 3);
       Key(list, VK_NEXT);
       // Three words were left: the walk stops at the last one.
       return WindowAround(listed, listed.size() - 1);
     }},
};

TEST_F(ViewerTest, TheListIsTheWindowOfSortedWordsAroundTheWordAskedFor) {
  for (int size : {60, 200}) {
    const BuiltDictionary& dictionary = EnglishRussian(size);
    const BuiltDictionary& other = EnglishRussian(size == 60 ? 200 : 60);
    ASSERT_EQ(dictionary.listed.size(), static_cast<size_t>(size));
    for (const ListCase& c : kCases) {
      // Another dictionary shown first: none of its rows may stay.
      Use(other);
      Seek(viewer_.Get(), other.listed[other.listed.size() - 2]);
      Use(dictionary);
      const ExpectedWindow expected = c.act(this, viewer_.Get(), List(), dictionary.listed);
      EXPECT_EQ(Rows(), expected.rows) << c.name << ", " << size << " words";
      EXPECT_EQ(SelectedRow(), expected.selected) << c.name << ", " << size << " words";
      const std::string word = expected.rows[static_cast<size_t>(expected.selected)];
      EXPECT_NE(ArticleText().find(com::WideFromAnsi(" " + word + "\r")), std::wstring::npos)
          << c.name << ", " << size << " words: the article of " << word;
    }
  }
}

TEST_F(ViewerTest, ASmallDictionaryFillsWhatItHas) {
  const BuiltDictionary& small = EnglishRussian(10);
  Use(small);
  EXPECT_EQ(Rows(), small.listed) << "the start, vulgar words left out";
  Seek(viewer_.Get(), "zebra");
  EXPECT_EQ(Rows(), small.listed);
  EXPECT_EQ(SelectedWord(), "zebra");
  Key(List(), VK_DOWN);
  EXPECT_EQ(Rows(), small.listed) << "no word after the last";
}

TEST_F(ViewerTest, ADictionaryWithoutListedWordsEmptiesTheList) {
  Use(EnglishRussian(60));
  ASSERT_FALSE(Rows().empty());
  Use(AllVulgar());
  EXPECT_TRUE(Rows().empty());
  Seek(viewer_.Get(), "damn");
  EXPECT_TRUE(Rows().empty());
  Key(List(), VK_END);
  EXPECT_TRUE(Rows().empty());
}

TEST_F(ViewerTest, AChosenRowShowsItsArticleAndGoesIntoTheEntry) {
  const BuiltDictionary& dictionary = EnglishRussian(60);
  Use(dictionary);
  SelectRow(List(), 12);
  SendMessageA(ControlWindow(), WM_COMMAND, MAKEWPARAM(kListId, LBN_SELCHANGE),
               reinterpret_cast<LPARAM>(List()));
  EXPECT_EQ(EntryText(), dictionary.listed[12]);
  EXPECT_NE(ArticleText().find(com::WideFromAnsi(" " + dictionary.listed[12] + "\r")),
            std::wstring::npos);
}

}  // namespace

}  // namespace morvex::lookuppane::testing
