// The engine's initialisation through Init, in a program of its own: the
// engine loads its language data once per process, so a failed MDInit can
// only be seen before any other succeeded.
#include <windows.h>

#include <string>

#include "hub_test_support.h"

namespace com = morvex::com;

namespace {

using EngineInitTest = HubTest;

TEST_F(EngineInitTest, FailedMDInitLeavesTheEngineBoundAndInitCanBeRetried) {
  MakeListKey("1");
  com::Ptr<ILexiconHub> hub = CreateByProgId<ILexiconHub>(L"Morvex.LexiconHub");
  ASSERT_TRUE(hub);
  // The server's own directory holds no Lang.dat.
  EXPECT_EQ(Hr{hub->Init()}, Hr{ErrorResult(517)});
  TakeErrorInfo();
  long active = 0;
  hub->get_Active(&active);
  EXPECT_EQ(active, 1);
  com::Ptr<IVelDictCollection> dictionaries;
  EXPECT_EQ(Hr{hub->get_MorDictColl(dictionaries.Put())}, Hr{ErrorResult(516)});
  TakeErrorInfo();

  std::wstring data = MORVEX_BUILD_DATA_DIR_W;
  for (wchar_t& c : data)
    if (c == L'/') c = L'\\';
  hub->put_PathToData(com::Bstr((data + L"\\").c_str()).Get());
  EXPECT_EQ(Hr{hub->Init()}, Hr{S_OK});
  com::Bstr enginePath;
  hub->get_PathToDicDll(enginePath.Put());
  EXPECT_EQ(std::wstring(enginePath.Text()), ProgramDirectory() + L"MorvexLexicon.dll");
  EXPECT_EQ(Hr{hub->get_MorDictColl(dictionaries.Put())}, Hr{S_OK});
  EXPECT_EQ(Hr{hub->Exit()}, Hr{ErrorResult(518)});
  TakeErrorInfo();
}

}  // namespace
