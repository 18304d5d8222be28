// The run-time binding of the engine, with stand-in engines: each a
// "MorvexLexicon.dll" that lacks an entry point the hub looks up. No real
// engine is loaded in this program, so each stand-in can be bound in turn.
#include <windows.h>

#include <string>

#include "hub_test_support.h"

namespace com = morvex::com;

namespace {

const std::wstring kEngineFile = L"MorvexLexicon.dll";

// A stand-in without MDInit, and one with MDInit; both have an MDExit that
// succeeds.
std::wstring BareEngineDirectory() { return ProgramDirectory() + L"fake-engine-bare\\"; }
std::wstring InitEngineDirectory() { return ProgramDirectory() + L"fake-engine-init\\"; }

bool EngineLoaded(const std::wstring& directory) {
  return GetModuleHandleW((directory + kEngineFile).c_str()) != nullptr;
}

com::Ptr<ILexiconHub> MakeHub(const std::wstring& engineDirectory) {
  com::Ptr<ILexiconHub> hub = CreateByProgId<ILexiconHub>(L"Morvex.LexiconHub");
  if (hub) hub->put_PathToDicDll(com::Bstr(engineDirectory.c_str()).Get());
  return hub;
}

long ActiveOf(ILexiconHub* hub) {
  long active = -1;
  hub->get_Active(&active);
  return active;
}

std::wstring EnginePathOf(ILexiconHub* hub) {
  com::Bstr path;
  hub->get_PathToDicDll(path.Put());
  return path.Text();
}

class BindingTest : public HubTest {
 protected:
  void SetUp() override {
    HubTest::SetUp();
    // A theme without dictionaries: Init then succeeds with an empty collection.
    MakeListKey("1");
  }
};

TEST_F(BindingTest, NewHubPointsBothPathsAtTheServerDirectory) {
  com::Ptr<ILexiconHub> hub = CreateByProgId<ILexiconHub>(L"Morvex.LexiconHub");
  ASSERT_TRUE(hub);
  com::Bstr data;
  ASSERT_EQ(Hr{hub->get_PathToData(data.Put())}, Hr{S_OK});
  EXPECT_EQ(EnginePathOf(hub.Get()), ProgramDirectory());
  EXPECT_EQ(std::wstring(data.Text()), ProgramDirectory());
  EXPECT_EQ(ActiveOf(hub.Get()), 0);
}

TEST_F(BindingTest, InitWithoutAnEngineFailsAndCanBeRetriedWithoutDoublingTheFileName) {
  std::wstring missing = ProgramDirectory() + L"no-engine-here\\";
  com::Ptr<ILexiconHub> hub = MakeHub(missing);
  ASSERT_TRUE(hub);
  EXPECT_EQ(Hr{hub->Init()}, Hr{ErrorResult(517)});
  ErrorRecord error = TakeErrorInfo();
  EXPECT_EQ(error.description, L" Error during initializing dictionary system");
  EXPECT_EQ(error.source, L"Morvex.LexiconHub.1");
  EXPECT_TRUE(IsEqualGUID(error.iid, IID_ILexiconHub));
  EXPECT_EQ(ActiveOf(hub.Get()), 0);
  EXPECT_EQ(EnginePathOf(hub.Get()), missing + kEngineFile);

  EXPECT_EQ(Hr{hub->Init()}, Hr{ErrorResult(517)});
  EXPECT_EQ(EnginePathOf(hub.Get()), missing + kEngineFile);

  // The path as the first Init left it names the engine file itself.
  hub->put_PathToDicDll(com::Bstr((InitEngineDirectory() + kEngineFile).c_str()).Get());
  EXPECT_EQ(Hr{hub->Init()}, Hr{S_OK});
  EXPECT_EQ(EnginePathOf(hub.Get()), InitEngineDirectory() + kEngineFile);
  EXPECT_EQ(Hr{hub->Exit()}, Hr{S_OK});
}

TEST_F(BindingTest, EngineWithoutMDInitIsLoadedButInitFails) {
  com::Ptr<ILexiconHub> hub = MakeHub(BareEngineDirectory());
  ASSERT_TRUE(hub);
  EXPECT_EQ(Hr{hub->Init()}, Hr{ErrorResult(517)});
  EXPECT_EQ(ActiveOf(hub.Get()), 1);
  com::Ptr<IVelDictCollection> dictionaries;
  EXPECT_EQ(Hr{hub->get_MorDictColl(dictionaries.Put())}, Hr{ErrorResult(516)});
  EXPECT_FALSE(dictionaries);
  EXPECT_TRUE(EngineLoaded(BareEngineDirectory()));

  // An engine whose MDExit succeeds is unloaded; Active stays.
  EXPECT_EQ(Hr{hub->Exit()}, Hr{S_OK});
  EXPECT_FALSE(EngineLoaded(BareEngineDirectory()));
  EXPECT_EQ(ActiveOf(hub.Get()), 1);
}

TEST_F(BindingTest, ExitWithoutInitSucceeds) {
  com::Ptr<ILexiconHub> hub = MakeHub(InitEngineDirectory());
  ASSERT_TRUE(hub);
  TakeErrorInfo();
  EXPECT_EQ(Hr{hub->Exit()}, Hr{S_OK});
  EXPECT_FALSE(TakeErrorInfo().present);
}

TEST_F(BindingTest, HubsShareTheOneEngineTheProcessHolds) {
  com::Ptr<ILexiconHub> first = MakeHub(InitEngineDirectory());
  com::Ptr<ILexiconHub> second = MakeHub(InitEngineDirectory());
  com::Ptr<ILexiconHub> other = MakeHub(BareEngineDirectory());
  ASSERT_TRUE(first && second && other);
  ASSERT_EQ(Hr{first->Init()}, Hr{S_OK});
  EXPECT_EQ(Hr{first->Init()}, Hr{ErrorResult(517)}) << "a hub initialises once";
  ASSERT_EQ(Hr{second->Init()}, Hr{S_OK});

  // A second engine file is refused while the first is bound.
  EXPECT_EQ(Hr{other->Init()}, Hr{ErrorResult(517)});
  EXPECT_EQ(ActiveOf(other.Get()), 0);
  EXPECT_FALSE(EngineLoaded(BareEngineDirectory()));

  // The engine goes with the last hub that holds it.
  EXPECT_EQ(Hr{first->Exit()}, Hr{S_OK});
  EXPECT_TRUE(EngineLoaded(InitEngineDirectory()));
  EXPECT_EQ(Hr{second->Exit()}, Hr{S_OK});
  EXPECT_FALSE(EngineLoaded(InitEngineDirectory()));
}

TEST_F(BindingTest, InitFailsWhenTheRegistryListsNoTheme) {
  ClearDictionaryLists();
  MakeListKey("Name");  // the theme names are not a theme
  com::Ptr<ILexiconHub> hub = MakeHub(InitEngineDirectory());
  ASSERT_TRUE(hub);
  EXPECT_EQ(Hr{hub->Init()}, Hr{ErrorResult(517)});
  EXPECT_EQ(ActiveOf(hub.Get()), 1);

  // Once the lists are there, the same hub initialises.
  MakeListKey("1");
  EXPECT_EQ(Hr{hub->Init()}, Hr{S_OK});
  com::Ptr<IVelDictCollection> dictionaries;
  ASSERT_EQ(Hr{hub->get_MorDictColl(dictionaries.Put())}, Hr{S_OK});
  long count = -1;
  dictionaries->get_Count(&count);
  EXPECT_EQ(count, 0);
  EXPECT_EQ(Hr{hub->Exit()}, Hr{S_OK});
}

}  // namespace
