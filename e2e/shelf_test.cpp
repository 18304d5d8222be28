// Choosing the dictionary as a user does, in the installed program with
// both shipped dictionaries: the shelf's next row makes English-French
// current (the viewer's article turns French), Enter on it opens the
// dictionary page, and the choice outlives the program; with the shelf's
// root selected the popup translation goes on with the dictionary it had.
#include <gtest/gtest.h>
#include <windows.h>
// commctrl.h needs windows.h before it.
#include <commctrl.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "e2e/InstalledProgram.h"
#include "e2e/PopupDriving.h"
#include "harness/MouseInput.h"

namespace morvex::e2e {

namespace {

constexpr int kPageStripHostId = 1000;
constexpr int kViewerHostId = 1002;
constexpr int kShelfHostId = 1003;
constexpr int kShelfTreeId = 1000;
constexpr int kEntryId = 617;
constexpr int kArticleId = 618;
constexpr int kDirectionButtonId = 620;

HWND Child(HWND parent, int id, const wchar_t* className) {
  return DescendantWithId(parent, id, className);
}

bool Click(POINT at) {
  harness::MouseClick click;
  click.at = at;
  return harness::SendClick(click);
}

class ShelfTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(FindMainWindow(), nullptr) << "a program of an earlier test still runs";
    ForgetOptions();
    StartProgram();
  }
  void TearDown() override { StopProgram(); }

  void StartProgram() {
    program_ = std::make_unique<InstalledProgram>();
    ASSERT_TRUE(program_->Start());
    mainWindow_ = program_->WaitForMainWindow(kStartTimeoutMs);
    ASSERT_NE(mainWindow_, nullptr);
    // The splash stands over the window's middle.
    ASSERT_TRUE(program_->SkipSplash());
  }
  void StopProgram() {
    if (!program_) return;
    program_->CloseFromOutside();
    DWORD exitCode = 1;
    EXPECT_TRUE(program_->WaitForExit(kExitTimeoutMs, &exitCode));
    program_.reset();
  }

  // The dictionary page with "house" looked up, through the dictionary key.
  std::wstring ArticleOfHouse() {
    PutClipboardText(L"house");
    Press(L"ctrl+alt+x");
    HWND article = nullptr;
    WaitUntil(
        [&] {
          HWND entry = Child(mainWindow_, kEntryId, nullptr);
          article = Child(mainWindow_, kArticleId, nullptr);
          return entry && article && IsWindowVisible(article) && TextOf(entry) == L"house" &&
                 !TextOf(article).empty();
        },
        kReactionTimeoutMs);
    return TextOf(article);
  }

  // A click on the last header at the bottom of the page strip, the
  // collection's while another page is open; then the shelf's tree, focused
  // by a click below its rows.
  HWND OpenShelfTree() {
    RECT strip = {};
    GetWindowRect(Child(mainWindow_, kPageStripHostId, nullptr), &strip);
    HWND shelf = Child(mainWindow_, kShelfHostId, nullptr);
    HWND tree = shelf ? Child(shelf, kShelfTreeId, nullptr) : nullptr;
    if (!tree) return nullptr;
    bool shown = ClickUntil([&] { return POINT{(strip.left + strip.right) / 2, strip.bottom - 8}; },
                            [&] { return IsWindowVisible(tree) != FALSE; }, kReactionTimeoutMs);
    if (!shown) return nullptr;
    RECT area = {};
    GetWindowRect(tree, &area);
    Click({(area.left + area.right) / 2, area.bottom - 4});
    WaitUntil([&] { return GetForegroundWindow() == mainWindow_; }, kReactionTimeoutMs);
    return tree;
  }

  std::unique_ptr<InstalledProgram> program_;
  HWND mainWindow_ = nullptr;
};

bool Holds(const std::wstring& text, const wchar_t* part) {
  return text.find(part) != std::wstring::npos;
}

TEST_F(ShelfTest, TheNextDictionaryOnTheShelfBecomesCurrentAndStays) {
  ASSERT_TRUE(Holds(ArticleOfHouse(), L"дом")) << "English-Russian first";
  HWND tree = OpenShelfTree();
  ASSERT_NE(tree, nullptr) << "no shelf";
  ASSERT_TRUE(Press(L"down"));
  HWND article = Child(mainWindow_, kArticleId, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return Holds(TextOf(article), L"maison"); }, kReactionTimeoutMs))
      << "the viewer's article turns French";
  ASSERT_TRUE(Press(L"enter"));
  HWND viewer = Child(mainWindow_, kViewerHostId, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return IsWindowVisible(viewer) != FALSE; }, kReactionTimeoutMs))
      << "Enter opens the dictionary page";

  StopProgram();
  StartProgram();
  EXPECT_TRUE(Holds(ArticleOfHouse(), L"maison")) << "the choice outlives the program";
}

// The viewer's direction button opens the menu of the other dictionaries;
// the one chosen becomes current, and the article turns French in place.
TEST_F(ShelfTest, TheViewersDirectionButtonChoosesAnotherDictionary) {
  ASSERT_TRUE(Holds(ArticleOfHouse(), L"дом"));
  HWND direction = Child(mainWindow_, kDirectionButtonId, nullptr);
  ASSERT_NE(direction, nullptr);
  ASSERT_TRUE(ClickUntil([&] { return MiddleOf(direction); },
                         [&] { return ProgramMenu(mainWindow_) != nullptr; }, kReactionTimeoutMs))
      << "no dictionary menu";
  ASSERT_TRUE(Press(L"down"));
  ASSERT_TRUE(Press(L"enter"));
  HWND article = Child(mainWindow_, kArticleId, nullptr);
  EXPECT_TRUE(WaitUntil([&] { return Holds(TextOf(article), L"maison"); }, kReactionTimeoutMs));
}

TEST_F(ShelfTest, WithTheRootSelectedThePopupKeepsItsDictionary) {
  ASSERT_TRUE(Holds(ArticleOfHouse(), L"дом"));
  ASSERT_NE(OpenShelfTree(), nullptr);
  ASSERT_TRUE(Press(L"home"));
  Target target(L"edit", L"house");
  ASSERT_NE(target.window(), nullptr);
  ASSERT_TRUE(Press(L"ctrl+alt+s"));
  Tip tip;
  ASSERT_TRUE(WaitForTip(&tip, kReactionTimeoutMs)) << "no tip";
  EXPECT_TRUE(Holds(tip.body, L"дом"));
}

// The installed dictionary list with entries taken away or added for one
// test, and put back after it.
class ListedDictionaries {
 public:
  ListedDictionaries() {
    RegOpenKeyExA(HKEY_CURRENT_USER, kThemeKey, 0, KEY_READ | KEY_WRITE, &key_);
  }
  ~ListedDictionaries() {
    for (const std::string& name : added_) RegDeleteValueA(key_, name.c_str());
    for (const auto& [name, path] : removed_) Set(name, path);
    if (key_) RegCloseKey(key_);
  }
  ListedDictionaries(const ListedDictionaries&) = delete;
  ListedDictionaries& operator=(const ListedDictionaries&) = delete;

  bool Remove(const char* name) {
    removed_.emplace_back(name, PathOf(name));
    return RegDeleteValueA(key_, name) == ERROR_SUCCESS;
  }
  bool Add(const char* name, const std::string& path) {
    added_.push_back(name);
    return Set(name, path);
  }
  std::string PathOf(const char* name) const {
    char path[MAX_PATH] = {};
    DWORD size = sizeof path - 1;
    RegQueryValueExA(key_, name, nullptr, nullptr, reinterpret_cast<BYTE*>(path), &size);
    return path;
  }
 private:
  static constexpr char kThemeKey[] = "Software\\Kelbrin\\Morvex\\4.0\\Dictionary\\0";
  bool Set(const std::string& name, const std::string& path) {
    return RegSetValueExA(key_, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(path.c_str()),
                          static_cast<DWORD>(path.size() + 1)) == ERROR_SUCCESS;
  }
  HKEY key_ = nullptr;
  std::vector<std::string> added_;
  std::vector<std::pair<std::string, std::string>> removed_;
};

// Of two dictionaries equal to the stored last one (theme and languages),
// the later in the collection becomes current: the shelf selects its row.
TEST(LastDictionaryTest, OfTwoEqualToTheStoredOneTheLaterIsCurrent) {
  ASSERT_EQ(FindMainWindow(), nullptr);
  ListedDictionaries lists;
  ASSERT_TRUE(lists.Remove("freedict-eng-fra"));
  ASSERT_TRUE(lists.Add("mueller7again", lists.PathOf("mueller7")));
  StoreOptions({});
  StoreLastDictionary(0, 1033, 1049);
  InstalledProgram program;
  ASSERT_TRUE(program.Start());
  HWND window = program.WaitForMainWindow(kStartTimeoutMs);
  ASSERT_NE(window, nullptr);
  HWND shelf = DescendantWithId(window, kShelfHostId);
  HWND tree = shelf ? DescendantWithId(shelf, kShelfTreeId) : nullptr;
  ASSERT_NE(tree, nullptr);
  // Tree items are plain numbers: their order is asked from outside.
  auto item = [tree](WPARAM relation, LPARAM from) {
    return SendMessageA(tree, TVM_GETNEXTITEM, relation, from);
  };
  const LRESULT first = item(TVGN_CHILD, item(TVGN_ROOT, 0));
  const LRESULT second = item(TVGN_NEXT, first);
  ASSERT_NE(second, 0) << "two dictionaries listed";
  EXPECT_EQ(item(TVGN_CARET, 0), second);
  program.CloseFromOutside();
  DWORD exitCode = 1;
  EXPECT_TRUE(program.WaitForExit(kExitTimeoutMs, &exitCode));
}

// With one dictionary installed the dictionary menu has nothing to offer:
// no menu comes up (an empty popup menu never shows), and the tip stays as
// it was.
TEST(OneDictionaryTest, TheDictionaryMenuHasNothingToChoose) {
  ASSERT_EQ(FindMainWindow(), nullptr);
  ListedDictionaries lists;
  ASSERT_TRUE(lists.Remove("freedict-eng-fra"));
  ForgetOptions();
  InstalledProgram program;
  ASSERT_TRUE(program.Start());
  ASSERT_NE(program.WaitForMainWindow(kStartTimeoutMs), nullptr);
  {
    Target target(L"edit", L"house");
    ASSERT_NE(target.window(), nullptr);
    ASSERT_TRUE(Press(L"ctrl+alt+s"));
    Tip tip;
    ASSERT_TRUE(WaitForTip(&tip, kReactionTimeoutMs)) << "no tip";
    ASSERT_TRUE(Press(L"ctrl+l"));
    EXPECT_FALSE(WaitUntil([] { return ProgramMenu(FindMainWindow()) != nullptr; }, 1000));
    Tip after;
    ASSERT_TRUE(WaitForTip(&after, kReactionTimeoutMs)) << "the tip stays";
    EXPECT_EQ(after.body, tip.body) << "the article stays";
    EXPECT_EQ(after.place.left, tip.place.left);
  }
  program.CloseFromOutside();
  DWORD exitCode = 1;
  EXPECT_TRUE(program.WaitForExit(kExitTimeoutMs, &exitCode));
}

}  // namespace

}  // namespace morvex::e2e
