// How long the dictionary shelf takes to build its tree, and the program to
// fill its dictionary menu (the names, the two icons and one item per
// dictionary), with 10, 100 and 300 listed dictionaries: the real dictionary
// system over the shelf tests' small dictionaries, listed again and again;
// the shelf and the popup menu hosted as the program hosts them. Prints the
// median and the best of a few runs of each; fails only when it cannot
// measure.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <string>
#include <vector>

#include "PickList.h"
#include "ShelfView.h"
#include "app/DictionaryMenu.h"
#include "com/AxHost.h"
#include "com/WideText.h"
#include "com/testing/ControlHosting.h"
#include "dictsystem/tests/hub_test_support.h"

namespace morvex::solo {
namespace {

constexpr wchar_t kFrameClass[] = L"ShelfMenuBenchFrame";
constexpr int kRuns = 5;
constexpr long kEnglish = 1033;
const char* const kDictionaries[] = {"english_russian.dic", "russian_english.dic",
                                     "english_french.dic"};

class Timer {
 public:
  Timer() { QueryPerformanceCounter(&start_); }
  double Milliseconds() const {
    LARGE_INTEGER now, frequency;
    QueryPerformanceCounter(&now);
    QueryPerformanceFrequency(&frequency);
    return 1000.0 * static_cast<double>(now.QuadPart - start_.QuadPart) /
           static_cast<double>(frequency.QuadPart);
  }

 private:
  LARGE_INTEGER start_;
};

struct Figures {
  double median, best;
};

Figures Of(std::vector<double> times) {
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], times.front()};
}

std::string WindowsPath(std::string path) {
  for (char& c : path)
    if (c == '/') c = '\\';
  return path;
}

// One theme, named, listing `count` dictionaries.
void ListDictionaries(int count) {
  ClearDictionaryLists();
  MakeListKey("0");
  SetListString("Name\\400", "0", "General");
  SetListString("Name\\409", "0", "General");
  for (int i = 0; i < count; ++i) {
    SetListString("0", "bench" + std::to_string(i),
                  WindowsPath(std::string(SHELF_BENCH_DICTIONARY_DIR "/") + kDictionaries[i % 3]));
  }
}

class ShelfMenuBench : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    com::testing::RegisterTestWindowClass(kFrameClass, GetSysColorBrush(COLOR_BTNFACE));
  }
  void SetUp() override {
    frame_ = CreateWindowExW(0, kFrameClass, L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, 0, 400,
                             600, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(frame_, nullptr);
  }
  void TearDown() override {
    if (frame_) DestroyWindow(frame_);
  }
  HWND frame_ = nullptr;
};

TEST_F(ShelfMenuBench, BuildAndMenuFillFor10And100And300Dictionaries) {
  std::printf("dictionaries | shelf build: median, best | menu fill: median, best\n");
  for (int count : {10, 100, 300}) {
    ListDictionaries(count);
    std::vector<double> builds, fills;
    for (int run = 0; run < kRuns; ++run) {
      com::Ptr<ILexiconHub> system = CreateByProgId<ILexiconHub>(L"Morvex.LexiconHub");
      ASSERT_TRUE(system);
      com::Bstr data(com::WideFromAnsi(WindowsPath(SHELF_BENCH_DATA_DIR "/")).c_str());
      ASSERT_EQ(system->put_PathToData(data.Get()), S_OK);
      ASSERT_EQ(system->Init(), S_OK);
      HWND shelfHost = nullptr, menuHost = nullptr;
      com::Ptr<IShelfViewCtrl> shelf;
      com::Ptr<IPickListCtrl> menu;
      ASSERT_TRUE(com::testing::HostByProgId(frame_, "ShelfView.ShelfViewCtrl.1", {0, 0, 380, 560},
                                             1003, &shelfHost, &shelf));
      ASSERT_TRUE(com::testing::HostByProgId(frame_, "PickList.PickListCtrl.1", {0, 0, 0, 0}, 1004,
                                             &menuHost, &menu));
      {
        Timer timer;
        ASSERT_EQ(shelf->put_DictSystem(system.Get()), S_OK);
        builds.push_back(timer.Milliseconds());
      }
      com::Ptr<IVelDictCollection> dictionaries;
      com::Ptr<IVelDictionary> current;
      ASSERT_EQ(system->get_MorDictColl(dictionaries.Put()), S_OK);
      ASSERT_EQ(dictionaries->get_Item(1, current.Put()), S_OK);
      menu->put_UsedItemID(1);
      {
        Timer timer;
        menu->DeleteAllItems(1);
        FillDictionaryMenu(menu.Get(), system.Get(), current.Get(), kEnglish);
        fills.push_back(timer.Milliseconds());
      }
      shelf.Reset();
      menu.Reset();
      DestroyWindow(shelfHost);
      DestroyWindow(menuHost);
    }
    const Figures build = Of(builds), fill = Of(fills);
    std::printf("%12d | %8.1f ms, %8.1f ms | %8.1f ms, %8.1f ms\n", count, build.median,
                build.best, fill.median, fill.best);
  }
  ClearDictionaryLists();
}

}  // namespace
}  // namespace morvex::solo

int main(int argc, char** argv) {
  ::testing::InitGoogleTest(&argc, argv);
  ::testing::AddGlobalTestEnvironment(
      new morvex::com::testing::ControlTestEnvironment(nullptr,
                                                       morvex::com::testing::HostClass::kRegistered));
  ::testing::AddGlobalTestEnvironment(new DictionaryListsEnvironment);
  return RUN_ALL_TESTS();
}
