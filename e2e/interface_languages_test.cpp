// The interface languages as the installer leaves them: each language's key
// names its resource library and its help file, the program's texts come
// from the library, the help file opens in the HTML Help viewer under its
// own title, and the language menu lists the installed languages. Runs the
// program's own code in the installed prefix.
#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>

#include <string>
#include <vector>

#include "PickList.h"
#include "PrefStore.h"
#include "app/HtmlHelp.h"
#include "app/InterfaceLanguage.h"
#include "app/InterfaceResources.h"
#include "app/Resources.h"
#include "com/ComPtr.h"
#include "com/EventSink.h"
#include "com/RegistryKey.h"
#include "com/testing/ControlHosting.h"
#include "com/testing/MessagePump.h"

namespace morvex::e2e {
namespace {

using solo::HelpPath;
using solo::InterfaceString;
using solo::LanguagesKey;
using solo::LoadHelpPath;
using solo::LoadResourceLibrary;
using solo::ResourceLibrary;

// A language the installer does not list; the tests give it keys of their own.
constexpr long kUnlistedLanguage = 0x40C;

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(
    new com::testing::ControlTestEnvironment(nullptr, com::testing::HostClass::kRegistered));

std::string FileNameOf(const std::string& path) {
  return path.substr(path.find_last_of("\\/") + 1);
}

std::string ModuleFileName(HMODULE module) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(module, path, MAX_PATH);
  return path;
}

std::string WindowText(HWND window) {
  char text[256] = {};
  GetWindowTextA(window, text, sizeof text);
  return text;
}

// The viewer's frames of this process.
std::vector<HWND> HelpViewers() {
  std::vector<HWND> found;
  EnumWindows(
      [](HWND window, LPARAM list) {
        char name[32] = {};
        GetClassNameA(window, name, sizeof name);
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (lstrcmpA(name, "HH Parent") == 0 && process == GetCurrentProcessId()) {
          reinterpret_cast<std::vector<HWND>*>(list)->push_back(window);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&found));
  return found;
}

class InterfaceLanguagesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_EQ(GetACP(), 1251u);
    ASSERT_EQ(CoCreateInstance(CLSID_VelMorvexOpt, nullptr, CLSCTX_INPROC_SERVER, IID_IVelMorvexOpt,
                               options_.PutVoid()),
              S_OK);
  }
  void TearDown() override {
    for (HWND viewer : HelpViewers()) SendMessageA(viewer, WM_CLOSE, 0, 0);
    RegDeleteTreeA(HKEY_CURRENT_USER, LanguagesKey(kUnlistedLanguage).c_str());
    options_->put_LangID(0x409);
    LoadResourceLibrary(options_.Get());
    LoadHelpPath(options_.Get());
    options_.Reset();
  }

  void Use(long language) {
    options_->put_LangID(language);
    LoadResourceLibrary(options_.Get());
    LoadHelpPath(options_.Get());
  }

  com::Ptr<IVelMorvexOpt> options_;
};

TEST_F(InterfaceLanguagesTest, EachInstalledLanguageGivesItsLibraryHelpFileAndTexts) {
  struct {
    long language;
    const char* library;
    const char* help;
    const char* title;
  } const languages[] = {
      {0x409, "MorvexSoloEN.dll", "en.chm", "Morvex Dictionary"},
      {0x419, "MorvexSoloRU.dll", "ru.chm", "\xD1\xEB\xEE\xE2\xE0\xF0\xFC Morvex"},
  };
  for (const auto& entry : languages) {
    SCOPED_TRACE(entry.library);
    Use(entry.language);
    ASSERT_NE(ResourceLibrary(), nullptr);
    EXPECT_EQ(FileNameOf(ModuleFileName(ResourceLibrary())), entry.library);
    EXPECT_EQ(FileNameOf(HelpPath()), entry.help);
    EXPECT_NE(GetFileAttributesA(HelpPath().c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(InterfaceString(IDS_WINDOW_TITLE), entry.title);
  }
}

TEST_F(InterfaceLanguagesTest, AnEmptyOrMissingResourcesValueGoesBackToTheProgramsTexts) {
  struct {
    const char* name;
    bool withValue;
  } const cases[] = {{"empty", true}, {"missing", false}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.name);
    Use(0x419);
    ASSERT_NE(ResourceLibrary(), nullptr);
    RegDeleteTreeA(HKEY_CURRENT_USER, LanguagesKey(kUnlistedLanguage).c_str());
    com::RegistryKey key;
    ASSERT_TRUE(key.OpenOrCreate(HKEY_CURRENT_USER, LanguagesKey(kUnlistedLanguage)));
    if (c.withValue)
      RegSetValueExA(key.Get(), "Resources", 0, REG_SZ, reinterpret_cast<const BYTE*>(""), 1);
    Use(kUnlistedLanguage);
    EXPECT_EQ(ResourceLibrary(), nullptr);
    EXPECT_EQ(InterfaceString(IDS_WINDOW_TITLE), "Morvex Dictionary");
  }
}

TEST_F(InterfaceLanguagesTest, TheHelpFileOpensInTheViewerUnderItsLanguagesTitle) {
  HWND frame = CreateWindowExA(0, "STATIC", "help owner", WS_POPUP, 0, 0, 100, 100, nullptr,
                               nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(frame, nullptr);
  struct {
    long language;
    const char* title;
  } const languages[] = {
      {0x409, "Morvex Dictionary Help"},
      {0x419, "\xD1\xEF\xF0\xE0\xE2\xEA\xE0 \xF1\xEB\xEE\xE2\xE0\xF0\xFF Morvex"},
  };
  for (const auto& entry : languages) {
    SCOPED_TRACE(entry.title);
    Use(entry.language);
    HWND viewer = solo::CallHtmlHelp(frame, HelpPath().c_str(), solo::HH_HELP_CONTEXT_COMMAND, 0);
    ASSERT_NE(viewer, nullptr);
    char name[32] = {};
    GetClassNameA(viewer, name, sizeof name);
    EXPECT_STREQ(name, "HH Parent");
    EXPECT_EQ(WindowText(viewer), entry.title);
    // Closed as a user closes it: the viewer forgets its window then.
    SendMessageA(viewer, WM_CLOSE, 0, 0);
    com::testing::PumpPending();
  }

  const std::string missing = FileNameOf(HelpPath()) == "ru.chm"
                                  ? HelpPath().substr(0, HelpPath().size() - 6) + "xx.chm"
                                  : std::string("C:\\nowhere\\xx.chm");
  EXPECT_EQ(solo::CallHtmlHelp(frame, missing.c_str(), solo::HH_HELP_CONTEXT_COMMAND, 0), nullptr);
  com::testing::PumpPending();
  EXPECT_TRUE(HelpViewers().empty());
  DestroyWindow(frame);
}

// The menu is modal: a thread timer finds it open, counts its items and
// chooses one with the keyboard, as a user does.
int g_downs = 0;
int g_menuItemCount = 0;
void CALLBACK ChooseFromOpenMenu(HWND, UINT, UINT_PTR timer, DWORD) {
  HWND popup = FindWindowA("#32768", nullptr);
  if (!popup || !IsWindowVisible(popup)) return;
  KillTimer(nullptr, timer);
  HMENU menu = reinterpret_cast<HMENU>(SendMessageA(popup, MN_GETHMENU, 0, 0));
  g_menuItemCount = menu ? GetMenuItemCount(menu) : 0;
  for (int i = 0; i < g_downs; ++i) PostMessageA(popup, WM_KEYDOWN, VK_DOWN, 0);
  PostMessageA(popup, WM_KEYDOWN, VK_RETURN, 0);
}

TEST_F(InterfaceLanguagesTest, TheLanguageMenuListsEnglishThenRussian) {
  HWND frame = CreateWindowExA(0, "STATIC", "menu owner", WS_POPUP | WS_VISIBLE, 0, 0, 100, 100,
                               nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(frame, nullptr);
  HWND host = nullptr;
  com::Ptr<IUnknown> control;
  ASSERT_TRUE(com::testing::HostControl(frame, "PickList.PickListCtrl.1", {0, 0, 10, 10}, 1004,
                                        &host, &control));
  com::Ptr<IPickListCtrl> menu;
  ASSERT_EQ(control.As(&menu), S_OK);
  // As the program makes its menu: the items keep the ids it gives them.
  menu->put_UsedItemID(1);
  com::Ptr<com::EventSink> events;
  ASSERT_EQ(com::EventSink::Create(DIID__IPickListCtrlEvents, &events), S_OK);
  std::vector<long> chosen;
  events->On(1, [&](com::EventArguments& arguments) { chosen.push_back(arguments.Long(0)); });
  ASSERT_EQ(events->Connect(menu.Get()), S_OK);
  Use(0x409);
  SetForegroundWindow(frame);
  // Item by item, from the top: English (4000 + 0x409), then Russian.
  for (int downs : {1, 2}) {
    g_downs = downs;
    g_menuItemCount = 0;
    SetTimer(nullptr, 0, 50, ChooseFromOpenMenu);
    solo::ShowLanguageMenu(menu.Get(), options_.Get(), 50, 50);
    com::testing::PumpUntil([&] { return chosen.size() == static_cast<size_t>(downs); }, 2000);
    EXPECT_EQ(g_menuItemCount, 2);
  }
  EXPECT_EQ(chosen, (std::vector<long>{5033, 5049}));
  events->Disconnect();
  menu.Reset();
  control.Reset();
  DestroyWindow(frame);
}

}  // namespace
}  // namespace morvex::e2e
