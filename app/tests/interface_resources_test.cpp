// Where the program's texts come from: the interface language's resource
// library named in the registry, string by string, with the program's own
// text wherever the library has none or cannot be loaded, and the
// program's own for registry names and library names always.
#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>

#include <cstring>
#include <string>

#include "PrefStore.h"
#include "app/InterfaceResources.h"
#include "app/Resources.h"
#include "com/ComPtr.h"
#include "com/RegistryKey.h"

namespace morvex::solo {

namespace {

// A language no other test of this prefix lists.
constexpr long kLanguage = 0x0C0C;

std::string Beside(const char* file) {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string directory(path);
  return directory.substr(0, directory.find_last_of("\\/") + 1) + file;
}

class InterfaceResourcesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    ASSERT_EQ(CoCreateInstance(CLSID_VelMorvexOpt, nullptr, CLSCTX_INPROC_SERVER, IID_IVelMorvexOpt,
                               options_.PutVoid()),
              S_OK);
    options_->put_LangID(kLanguage);
  }
  // Back to the program's own texts for the next test: an empty value
  // lets go of the library.
  void TearDown() override {
    SetResources("");
    LoadResourceLibrary(options_.Get());
    RegDeleteKeyA(HKEY_CURRENT_USER, LanguagesKey(kLanguage).c_str());
    options_.Reset();
    OleUninitialize();
  }

  // The language's "Resources" and, when given, "Help" values.
  void SetResources(const char* library, const char* help = nullptr) {
    com::RegistryKey key;
    ASSERT_TRUE(key.OpenOrCreate(HKEY_CURRENT_USER, LanguagesKey(kLanguage)));
    RegSetValueExA(key.Get(), "Resources", 0, REG_SZ, reinterpret_cast<const BYTE*>(library),
                   static_cast<DWORD>(strlen(library) + 1));
    if (help) {
      RegSetValueExA(key.Get(), "Help", 0, REG_SZ, reinterpret_cast<const BYTE*>(help),
                     static_cast<DWORD>(strlen(help) + 1));
    }
  }

  com::Ptr<IVelMorvexOpt> options_;
};

TEST_F(InterfaceResourcesTest, TheLanguagesLibraryGivesItsTextsAndTheProgramTheRest) {
  const std::string own = ProgramString(IDS_WINDOW_TITLE);
  SetResources(Beside("MorvexSoloRU.dll").c_str(), "C:\\help\\ru.chm");
  LoadResourceLibrary(options_.Get());
  ASSERT_NE(ResourceLibrary(), nullptr);
  const std::string title = InterfaceString(IDS_WINDOW_TITLE);
  EXPECT_FALSE(title.empty());
  EXPECT_NE(title, own) << "the library's title";
  EXPECT_EQ(InterfaceString(IDS_HOOK_LIBRARY_FILE), "VelMouseHook.dll")
      << "a string the library lacks comes from the program";
  EXPECT_EQ(InterfaceString(IDS_WINDOW_TITLE, 6).size(), 5u) << "cut to the buffer";
  HMENU menu = InterfaceMenu(IDR_TRAY_MENU);
  ASSERT_NE(menu, nullptr);
  DestroyMenu(menu);
  EXPECT_TRUE(LoadHelpPath(options_.Get()));
  EXPECT_EQ(HelpPath(), "C:\\help\\ru.chm");
}

TEST_F(InterfaceResourcesTest, AnEmptyOrUnloadableLibraryLeavesTheProgramsTexts) {
  const std::string own = ProgramString(IDS_WINDOW_TITLE);
  struct Case {
    const char* name;
    std::string library;
  };
  const Case cases[] = {{"empty", ""}, {"missing file", Beside("NoSuchLibrary.dll")}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    SetResources(Beside("MorvexSoloRU.dll").c_str());
    LoadResourceLibrary(options_.Get());
    ASSERT_NE(ResourceLibrary(), nullptr);
    SetResources(c.library.c_str());
    LoadResourceLibrary(options_.Get());
    EXPECT_EQ(ResourceLibrary(), nullptr);
    EXPECT_EQ(InterfaceString(IDS_WINDOW_TITLE), own);
  }
}

TEST_F(InterfaceResourcesTest, WithoutTheLanguagesKeyNothingChanges) {
  SetResources(Beside("MorvexSoloRU.dll").c_str());
  LoadResourceLibrary(options_.Get());
  HINSTANCE loaded = ResourceLibrary();
  ASSERT_NE(loaded, nullptr);
  RegDeleteKeyA(HKEY_CURRENT_USER, LanguagesKey(kLanguage).c_str());
  LoadResourceLibrary(options_.Get());
  EXPECT_EQ(ResourceLibrary(), loaded) << "no key: the library in use stays";
  EXPECT_FALSE(LoadHelpPath(options_.Get()));
  LoadResourceLibrary(nullptr);
  EXPECT_EQ(ResourceLibrary(), loaded) << "no options: nothing is read";
}

TEST(LanguagesKeyTest, TheLanguageIdEndsTheKeyInUpperCaseHexadecimal) {
  const std::string base = ProgramString(IDS_LANGUAGES_KEY);
  EXPECT_EQ(base, "Software\\Kelbrin\\Morvex\\4.0\\Solo\\Languages\\");
  EXPECT_EQ(LanguagesKey(1049), base + "419");
  EXPECT_EQ(LanguagesKey(0x40C), base + "40C");
  EXPECT_EQ(LanguagesKey(9), base + "009");
}

}  // namespace

}  // namespace morvex::solo
