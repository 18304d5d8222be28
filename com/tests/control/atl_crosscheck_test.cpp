// A cross-check of the control base against a host that is not ours: the
// system's atl.dll, loaded in a process of its own (its "AtlAxWin" class
// and ours cannot live in one program). It offers no ambient properties,
// calls InitNew before SetClientSite and never UI-activates on focus; the
// test control still comes up, paints, fires its events and goes away
// whole, with its own defaults.
#include <gtest/gtest.h>
#include <ole2.h>
#include <windows.h>

#include <vector>

#include "TestControl.h"
#include "com/Ambient.h"
#include "com/EventSink.h"
#include "com/ProcAddress.h"
#include "com/tests/control/ControlTestSupport.h"

namespace morvex::com::testing {

namespace {

using AtlAxWinInitFn = BOOL(WINAPI*)();
using AtlAxGetControlFn = HRESULT(WINAPI*)(HWND host, IUnknown** control);

struct SystemHost {
  AtlAxWinInitFn init = nullptr;
  AtlAxGetControlFn getControl = nullptr;
};

const SystemHost& Atl() {
  static const SystemHost host = [] {
    SystemHost loaded;
    HMODULE atl = LoadLibraryW(L"atl.dll");
    if (!atl) return loaded;
    loaded.init = ProcAddress<AtlAxWinInitFn>(atl, "AtlAxWinInit");
    loaded.getControl = ProcAddress<AtlAxGetControlFn>(atl, "AtlAxGetControl");
    return loaded;
  }();
  return host;
}

class SystemHostTest : public FramedControlTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(Atl().init && Atl().getControl) << "atl.dll and its entry points";
    ASSERT_TRUE(Atl().init());
    FramedControlTest::SetUp();
  }

  HWND Host(Ptr<ITestControl>* control) {
    HWND host = CreateWindowExW(0, L"AtlAxWin", kProgId, WS_CHILD | WS_VISIBLE, kHostRect.left,
                                kHostRect.top, kHostRect.right - kHostRect.left,
                                kHostRect.bottom - kHostRect.top, frame_, nullptr,
                                GetModuleHandleW(nullptr), nullptr);
    Ptr<IUnknown> unknown;
    EXPECT_EQ(Atl().getControl(host, unknown.Put()), S_OK);
    if (unknown) {
      EXPECT_EQ(unknown.As(control), S_OK);
    }
    return host;
  }
};

TEST_F(SystemHostTest, TheControlComesUpWithItsOwnDefaultsAndGoesAwayWhole) {
  Ptr<ITestControl> control;
  HWND host = Host(&control);
  ASSERT_TRUE(control);
  HWND child = GetWindow(host, GW_CHILD);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(ClassName(child), kControlWindowClass);
  EXPECT_EQ(ClientRect(child).right, 300);

  OLE_COLOR back = 0;
  control->get_BackColor(&back);
  EXPECT_EQ(back, kSystemColorFlag | COLOR_WINDOW);
  Ptr<IFontDisp> font;
  control->get_Font(font.Put());
  EXPECT_EQ(TraitsOf(font.Get()), kDefaultFontTraits) << "no ambient font: the control's own";

  std::vector<long> xs;
  Ptr<EventSink> sink;
  ASSERT_EQ(EventSink::Create(DIID__ITestControlEvents, &sink), S_OK);
  sink->On(1, [&](EventArguments& arguments) { xs.push_back(arguments.Long(0)); });
  ASSERT_EQ(sink->Connect(control.Get()), S_OK);
  SendMessageA(child, WM_LBUTTONUP, 0, MAKELPARAM(7, 8));
  EXPECT_EQ(xs, std::vector<long>{7});
  sink->Disconnect();

  sink.Reset();
  font.Reset();
  control.Reset();
  DestroyWindow(host);
  EXPECT_FALSE(IsWindow(child));
}

}  // namespace

}  // namespace morvex::com::testing
