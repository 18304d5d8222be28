// The control base and our control host, as containers use them: the test
// control is created by ProgID in an "AtlAxWin" host of this program and
// in a small site of our own (which records what the control asks of it),
// and every test ends with nothing left alive.
#include <gtest/gtest.h>
#include <ole2.h>
#include <olectl.h>
#include <windows.h>

#include <string>
#include <utility>
#include <vector>

#include "TestControl.h"
#include "com/Ambient.h"
#include "com/AxHost.h"
#include "com/ComObject.h"
#include "com/EventSink.h"
#include "com/Fonts.h"
#include "com/testing/ServerClient.h"
#include "com/testing/TypeLibCheck.h"
#include "com/tests/control/ControlTestSupport.h"
#include "com/tests/control/TestSite.h"

namespace morvex::com::testing {

namespace {

// Registered by the test control's script with an InprocServer32 but no ProgID.
const CLSID kClassWithoutProgId = {
    0x8C237EC8, 0xF86C, 0x4D12, {0xAF, 0xDE, 0xA6, 0xFC, 0x2B, 0xB6, 0xCE, 0x4E}};
const CLSID kUnregisteredClass = {
    0x0D7C1F7A, 0x1B0E, 0x4C52, {0x9E, 0x61, 0x3A, 0x55, 0x0B, 0x7E, 0x1D, 0x02}};

std::wstring ControlDllPath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(ControlModule(), path, MAX_PATH);
  return path;
}

// The control's window of a host (its only child).
HWND ControlWindowOf(HWND host) { return GetWindow(host, GW_CHILD); }

bool IsModuleClass(HMODULE module, const char* name) {
  WNDCLASSEXA info = {};
  info.cbSize = sizeof info;
  return GetClassInfoExA(module, name, &info) != FALSE;
}

// Tests of the control in a host of this program.
class ControlTest : public FramedControlTest {
 protected:
  void SetUp() override {
    ASSERT_TRUE(AtlAxWinInit());
    FramedControlTest::SetUp();
  }

  // A host made from the ProgID, with the control's dual interface.
  HWND HostByProgId(Ptr<ITestControl>* control, const char* progId = kProgIdAnsi) {
    HWND host = AxCreateHostWindow(frame_, progId, kHostRect, 1000);
    Ptr<IUnknown> unknown;
    EXPECT_EQ(AtlAxGetControl(host, unknown.Put()), S_OK);
    if (unknown) {
      EXPECT_EQ(unknown.As(control), S_OK);
    }
    return host;
  }
};

// --- In our host

TEST_F(ControlTest, HostedByProgIdLivesInAChildWindowThatFollowsTheHost) {
  Ptr<ITestControl> control;
  HWND host = HostByProgId(&control);
  ASSERT_NE(host, nullptr);
  ASSERT_TRUE(control);
  HWND child = ControlWindowOf(host);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(ClassName(child), kControlWindowClass);
  EXPECT_EQ(GetParent(child), host);
  EXPECT_TRUE(IsWindowVisible(child));
  EXPECT_EQ(ClientRect(child).right, 300);
  EXPECT_EQ(ClientRect(child).bottom, 200);
  // What every test's end checks is gone is there while the control lives.
  EXPECT_EQ(ServerEntryOf(ControlModule(), "DllCanUnloadNow")(), S_FALSE);
  WNDCLASSEXW info = {};
  info.cbSize = sizeof info;
  EXPECT_TRUE(GetClassInfoExW(ControlModule(), kControlWindowClass, &info));

  Ptr<IOleWindow> window;
  ASSERT_EQ(control.As(&window), S_OK);
  HWND reported = nullptr;
  EXPECT_EQ(window->GetWindow(&reported), S_OK);
  EXPECT_EQ(reported, child);

  MoveWindow(host, 20, 20, 400, 300, TRUE);
  EXPECT_EQ(ClientRect(child).right, 400);
  EXPECT_EQ(ClientRect(child).bottom, 300);
  SIZEL extent = {};
  Ptr<IOleObject> object;
  ASSERT_EQ(control.As(&object), S_OK);
  ASSERT_EQ(object->GetExtent(DVASPECT_CONTENT, &extent), S_OK);
  SIZEL expected = {};
  HDC screen = GetDC(nullptr);
  expected.cx = MulDiv(400, 2540, GetDeviceCaps(screen, LOGPIXELSX));
  ReleaseDC(nullptr, screen);
  EXPECT_EQ(extent.cx, expected.cx) << "the host's size reaches the extent too";

  object.Reset();
  control.Reset();
  window.Reset();
  DestroyWindow(host);
  EXPECT_FALSE(IsWindow(child)) << "the control's window goes with its host";
  EXPECT_EQ(ControlJournal(), "SetClientSite InitNew WindowDestroyed Destroyed ")
      << "the site before InitNew, as the control's misc status asks";
}

TEST_F(ControlTest, AHostWithoutItsClassInThisModuleIsNoHost) {
  HWND notAHost = CreateWindowExA(0, "STATIC", kProgIdAnsi, WS_CHILD, 0, 0, 10, 10, frame_, nullptr,
                                  GetModuleHandleW(nullptr), nullptr);
  Ptr<IUnknown> control;
  EXPECT_EQ(AtlAxGetControl(notAHost, control.Put()), E_FAIL);
  EXPECT_EQ(AtlAxGetControl(frame_, nullptr), E_POINTER);
  EXPECT_EQ(
      AtlAxCreateControlEx(kProgId, notAHost, nullptr, nullptr, control.Put(), IID_NULL, nullptr),
      E_INVALIDARG);
  EXPECT_FALSE(control);
  EXPECT_TRUE(AtlAxWinInit()) << "a second registration in the same module is no failure";
  DestroyWindow(notAHost);
}

TEST_F(ControlTest, PaintsItsBackColourOnScreenAndThroughItsView) {
  Ptr<ITestControl> control;
  HWND host = HostByProgId(&control);
  ASSERT_TRUE(control);
  HWND child = ControlWindowOf(host);
  const COLORREF red = RGB(255, 0, 0);
  ASSERT_EQ(control->put_BackColor(red), S_OK);
  long before = 0, after = 0;
  control->get_PaintCount(&before);
  UpdateWindow(child);
  control->get_PaintCount(&after);
  EXPECT_GT(after, before) << "a stock put repaints";
  HDC screen = GetDC(child);
  EXPECT_EQ(GetPixel(screen, 5, 5), red);
  ReleaseDC(child, screen);

  Ptr<IViewObject2> view;
  ASSERT_EQ(control.As(&view), S_OK);
  HDC memory = CreateCompatibleDC(nullptr);
  HBITMAP bitmap = CreateBitmap(20, 20, 1, 32, nullptr);
  HGDIOBJ old = SelectObject(memory, bitmap);
  RECTL bounds = {5, 5, 15, 15};
  EXPECT_EQ(view->Draw(DVASPECT_CONTENT, -1, nullptr, nullptr, nullptr, memory, &bounds, nullptr,
                       nullptr, 0),
            S_OK);
  EXPECT_EQ(GetPixel(memory, 10, 10), red);
  EXPECT_NE(GetPixel(memory, 2, 2), red) << "drawing stays inside the bounds";
  EXPECT_EQ(view->Draw(DVASPECT_ICON, -1, nullptr, nullptr, nullptr, memory, &bounds, nullptr,
                       nullptr, 0),
            DV_E_DVASPECT);
  SelectObject(memory, old);
  DeleteObject(bitmap);
  DeleteDC(memory);

  view.Reset();
  control.Reset();
  DestroyWindow(host);
}

TEST_F(ControlTest, ClickFiresTheEventWithItsArgumentsInOrderUntilUnadvised) {
  Ptr<ITestControl> control;
  HWND host = HostByProgId(&control);
  ASSERT_TRUE(control);
  HWND child = ControlWindowOf(host);
  std::vector<std::pair<long, long>> clicks;
  Ptr<EventSink> sink;
  ASSERT_EQ(EventSink::Create(DIID__ITestControlEvents, &sink), S_OK);
  sink->On(1, [&](EventArguments& arguments) {
    clicks.emplace_back(arguments.Long(0), arguments.Long(1));
  });
  ASSERT_EQ(sink->Connect(control.Get()), S_OK);

  SendMessageA(child, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 25));
  SendMessageA(child, WM_LBUTTONUP, 0, MAKELPARAM(15, 25));
  PostMessageA(child, WM_LBUTTONUP, 0, MAKELPARAM(40, 50));
  EXPECT_TRUE(PumpUntil([&] { return clicks.size() == 2; }, 2000));
  ASSERT_EQ(clicks.size(), 2u);
  EXPECT_EQ(clicks[0], std::make_pair(15L, 25L));
  EXPECT_EQ(clicks[1], std::make_pair(40L, 50L));

  // A container that freezes events hears nothing until it thaws them.
  Ptr<IOleControl> oleControl;
  ASSERT_EQ(control.As(&oleControl), S_OK);
  oleControl->FreezeEvents(TRUE);
  SendMessageA(child, WM_LBUTTONUP, 0, MAKELPARAM(1, 2));
  oleControl->FreezeEvents(FALSE);
  SendMessageA(child, WM_LBUTTONUP, 0, MAKELPARAM(3, 4));
  ASSERT_EQ(clicks.size(), 3u);
  EXPECT_EQ(clicks[2], std::make_pair(3L, 4L));

  EXPECT_EQ(sink->Disconnect(), S_OK);
  SendMessageA(child, WM_LBUTTONUP, 0, MAKELPARAM(5, 6));
  EXPECT_EQ(clicks.size(), 3u);

  oleControl.Reset();
  sink.Reset();
  control.Reset();
  DestroyWindow(host);
}

// The receiver of an event lets go of the control and destroys its host
// while the control's window is still handling the click.
TEST_F(ControlTest, AReceiverThatDestroysTheHostDuringAnEventReturnsIntoALiveControl) {
  Ptr<ITestControl> control;
  HWND host = HostByProgId(&control);
  ASSERT_TRUE(control);
  HWND child = ControlWindowOf(host);
  Ptr<EventSink> sink;
  ASSERT_EQ(EventSink::Create(DIID__ITestControlEvents, &sink), S_OK);
  int events = 0;
  sink->On(1, [&](EventArguments&) {
    ++events;
    sink->Disconnect();
    control.Reset();
    DestroyWindow(host);
    EXPECT_EQ(ControlJournal(), "WindowDestroyed ")
        << "the control outlives the handler that is running";
  });
  ASSERT_EQ(sink->Connect(control.Get()), S_OK);
  ClearControlJournal();

  SendMessageA(child, WM_LBUTTONUP, 0, MAKELPARAM(1, 1));
  EXPECT_EQ(events, 1);
  EXPECT_FALSE(IsWindow(host));
  EXPECT_FALSE(IsWindow(child));
  EXPECT_EQ(ControlJournal(), "WindowDestroyed ClickHandled1 Destroyed ");
  sink.Reset();
}

TEST_F(ControlTest, FocusToTheHostUiActivatesTheControlAndItsAcceleratorsAreReached) {
  Ptr<ITestControl> control;
  HWND host = HostByProgId(&control);
  ASSERT_TRUE(control);
  HWND child = ControlWindowOf(host);
  MSG f5 = {child, WM_KEYDOWN, VK_F5, 0, 0, {0, 0}};
  MSG other = {child, WM_KEYDOWN, VK_F6, 0, 0, {0, 0}};
  EXPECT_FALSE(AxTranslateAccelerator(&f5)) << "only in place active: no accelerators yet";

  SetFocus(host);
  EXPECT_EQ(GetFocus(), child);
  EXPECT_TRUE(AxTranslateAccelerator(&f5));
  EXPECT_FALSE(AxTranslateAccelerator(&other)) << "a key the control does not take";
  MSG mouse = {child, WM_LBUTTONDOWN, 0, 0, 0, {0, 0}};
  EXPECT_FALSE(AxTranslateAccelerator(&mouse)) << "only keyboard messages are offered";
  long accelerators = 0;
  control->get_Accelerators(&accelerators);
  EXPECT_EQ(accelerators, 1);

  control.Reset();
  DestroyWindow(host);
}

Variant GetProperty(IDispatch* object, DISPID dispid) {
  Variant result;
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  EXPECT_EQ(object->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                           result.Put(), nullptr, nullptr),
            S_OK);
  return result;
}

HRESULT PutProperty(IDispatch* object, DISPID dispid, WORD kind, Variant value) {
  DISPID named = DISPID_PROPERTYPUT;
  DISPPARAMS params = {value.Address(), &named, 1, 1};
  return object->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, kind, &params, nullptr, nullptr,
                        nullptr);
}

TEST_F(ControlTest, StockColoursAnswerThroughTheVtableAndLateBound) {
  Ptr<ITestControl> control;
  HWND host = HostByProgId(&control);
  ASSERT_TRUE(control);
  ASSERT_EQ(control->put_BackColor(RGB(1, 2, 3)), S_OK);
  EXPECT_EQ(static_cast<OLE_COLOR>(GetProperty(control.Get(), DISPID_BACKCOLOR).Get().lVal),
            RGB(1, 2, 3));
  ASSERT_EQ(PutProperty(control.Get(), DISPID_FORECOLOR, DISPATCH_PROPERTYPUT,
                        Variant(static_cast<long>(RGB(4, 5, 6)))),
            S_OK);
  OLE_COLOR fore = 0;
  EXPECT_EQ(control->get_ForeColor(&fore), S_OK);
  EXPECT_EQ(fore, RGB(4, 5, 6));
  EXPECT_EQ(control->get_ForeColor(nullptr), E_POINTER);
  control.Reset();
  DestroyWindow(host);
}

TEST_F(ControlTest, FontPutStoresACloneAndPutRefTheFontItself) {
  Ptr<ITestControl> control;
  HWND host = HostByProgId(&control);
  ASSERT_TRUE(control);
  Ptr<IFontDisp> given;
  ASSERT_EQ(CreateFontDisp({L"Tahoma", 10, FW_BOLD, RUSSIAN_CHARSET, false}, &given), S_OK);

  ASSERT_EQ(control->put_Font(given.Get()), S_OK);
  Ptr<IFontDisp> stored, again;
  ASSERT_EQ(control->get_Font(stored.Put()), S_OK);
  EXPECT_FALSE(SameObject(stored.Get(), given.Get())) << "put keeps a clone";
  EXPECT_EQ(TraitsOf(stored.Get()), (FontTraits{10, false, true}));
  ASSERT_EQ(control->get_Font(again.Put()), S_OK);
  EXPECT_TRUE(SameObject(stored.Get(), again.Get())) << "get hands out the stored font";

  ASSERT_EQ(PutProperty(control.Get(), DISPID_FONT, DISPATCH_PROPERTYPUTREF,
                        Variant(static_cast<IDispatch*>(given.Get()))),
            S_OK);
  ASSERT_EQ(control->get_Font(stored.Put()), S_OK);
  EXPECT_TRUE(SameObject(stored.Get(), given.Get())) << "putref keeps the font itself";

  ASSERT_EQ(control->put_Font(nullptr), S_OK);
  ASSERT_EQ(control->get_Font(stored.Put()), S_OK);
  EXPECT_FALSE(stored);

  again.Reset();
  given.Reset();
  control.Reset();
  DestroyWindow(host);
}

struct StockPut {
  const char* name;
  DISPID dispid;
  HRESULT (*put)(ITestControl* control, IFontDisp* font);
};

const StockPut kStockPuts[] = {
    {"BackColor", DISPID_BACKCOLOR,
     [](ITestControl* control, IFontDisp*) { return control->put_BackColor(RGB(9, 9, 9)); }},
    {"ForeColor", DISPID_FORECOLOR,
     [](ITestControl* control, IFontDisp*) { return control->put_ForeColor(RGB(9, 9, 9)); }},
    {"Font", DISPID_FONT,
     [](ITestControl* control, IFontDisp* font) { return control->put_Font(font); }},
    {"FontRef", DISPID_FONT,
     [](ITestControl* control, IFontDisp* font) { return control->putref_Font(font); }},
};

// The sink given at creation is advised by the host, and unadvised when
// the host lets go of the control.
TEST_F(ControlTest, StockPutsAskAndTellThePropertySinkGivenAtCreation) {
  HWND host = AxCreateHostWindow(frame_, "", kHostRect, 1000);
  Ptr<IFontDisp> font;
  ASSERT_EQ(CreateFontDisp({L"Tahoma", 10, FW_NORMAL, RUSSIAN_CHARSET, false}, &font), S_OK);
  Ptr<PropertySink> sink;
  ASSERT_EQ(MakeObject(&sink), S_OK);
  Ptr<IUnknown> unknown;
  ASSERT_EQ(
      AtlAxCreateControlEx(kProgId, host, nullptr, nullptr, unknown.Put(), IID_IPropertyNotifySink,
                           static_cast<IPropertyNotifySink*>(sink.Get())),
      S_OK);
  Ptr<ITestControl> control;
  ASSERT_EQ(unknown.As(&control), S_OK);

  for (const StockPut& put : kStockPuts) {
    sink->requested.clear();
    sink->changed.clear();
    sink->refuse = false;
    EXPECT_EQ(put.put(control.Get(), font.Get()), S_OK) << put.name;
    EXPECT_EQ(sink->requested, std::vector<DISPID>{put.dispid}) << put.name;
    EXPECT_EQ(sink->changed, std::vector<DISPID>{put.dispid}) << put.name;

    sink->changed.clear();
    sink->refuse = true;
    EXPECT_EQ(put.put(control.Get(), nullptr), S_FALSE) << put.name << ": a refused edit";
    EXPECT_TRUE(sink->changed.empty()) << put.name;
  }
  OLE_COLOR back = 0;
  control->get_BackColor(&back);
  EXPECT_EQ(back, RGB(9, 9, 9)) << "a refused put keeps the old value";
  Ptr<IFontDisp> kept;
  control->get_Font(kept.Put());
  EXPECT_TRUE(SameObject(kept.Get(), font.Get()));

  sink->refuse = false;
  sink->changed.clear();
  EXPECT_EQ(AxDetachControl(host), S_OK);
  EXPECT_FALSE(HostHasControl(host));
  EXPECT_EQ(control->put_BackColor(RGB(7, 7, 7)), S_OK);
  EXPECT_TRUE(sink->changed.empty()) << "the host unadvised the sink when it let go";
  EXPECT_EQ(AxDetachControl(host), S_FALSE) << "nothing more to let go of";

  kept.Reset();
  font.Reset();
  control.Reset();
  unknown.Reset();
  DestroyWindow(host);
  sink.Reset();
}

TEST_F(ControlTest, EventsReachTheSinkGivenAtCreation) {
  HWND host = AxCreateHostWindow(frame_, "", kHostRect, 1000);
  Ptr<EventSink> sink;
  ASSERT_EQ(EventSink::Create(DIID__ITestControlEvents, &sink), S_OK);
  std::vector<long> xs;
  sink->On(1, [&](EventArguments& arguments) { xs.push_back(arguments.Long(0)); });
  Ptr<IUnknown> control;
  ASSERT_EQ(AtlAxCreateControlEx(kProgId, host, nullptr, nullptr, control.Put(),
                                 DIID__ITestControlEvents, static_cast<IDispatch*>(sink.Get())),
            S_OK);
  SendMessageA(ControlWindowOf(host), WM_LBUTTONUP, 0, MAKELPARAM(12, 3));
  EXPECT_EQ(xs, std::vector<long>{12});
  control.Reset();
  DestroyWindow(host);
  sink.Reset();
}

// A sink that cannot be advised fails the creation, and the host lets go
// of the control it made.
TEST_F(ControlTest, ASinkThatCannotBeAdvisedFailsTheCreation) {
  HWND host = AxCreateHostWindow(frame_, "", kHostRect, 1000);
  Ptr<PropertySink> sink;
  ASSERT_EQ(MakeObject(&sink), S_OK);
  Ptr<IUnknown> container, control;
  EXPECT_EQ(AtlAxCreateControlEx(kProgId, host, nullptr, container.Put(), control.Put(),
                                 IID_IDispatch, static_cast<IPropertyNotifySink*>(sink.Get())),
            CONNECT_E_NOCONNECTION);
  EXPECT_FALSE(container);
  EXPECT_FALSE(control);
  EXPECT_FALSE(HostHasControl(host));
  EXPECT_EQ(ControlWindowOf(host), nullptr);
  EXPECT_EQ(ControlJournal(), "SetClientSite InitNew Destroyed ");
  DestroyWindow(host);
  sink.Reset();
}

TEST_F(ControlTest, ControlIsCreatedInAnEmptyHostByProgIdOrClassIdAndReplacedThere) {
  HWND host = AxCreateHostWindow(frame_, "", kHostRect, 1001);
  ASSERT_NE(host, nullptr);
  EXPECT_FALSE(HostHasControl(host));
  Ptr<IUnknown> created, site, found;
  ASSERT_EQ(
      AtlAxCreateControlEx(kProgId, host, nullptr, site.Put(), created.Put(), IID_NULL, nullptr),
      S_OK);
  EXPECT_TRUE(HostHasControl(host));
  ASSERT_EQ(AtlAxGetControl(host, found.Put()), S_OK);
  EXPECT_TRUE(SameObject(created.Get(), found.Get()));
  Ptr<IOleClientSite> clientSite;
  EXPECT_EQ(site.As(&clientSite), S_OK) << "the container out value is the host's site";
  HWND first = ControlWindowOf(host);
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(ClientRect(first).right, 300);

  wchar_t classId[64] = {};
  StringFromGUID2(CLSID_TestControl, classId, 64);
  ASSERT_EQ(AtlAxCreateControlEx(classId, host, nullptr, nullptr, created.Put(), IID_NULL, nullptr),
            S_OK);
  EXPECT_FALSE(IsWindow(first)) << "the control held before is gone";
  EXPECT_FALSE(SameObject(created.Get(), found.Get()));
  created.Reset();
  found.Reset();
  clientSite.Reset();
  site.Reset();
  DestroyWindow(host);
}

TEST_F(ControlTest, AHostForAnUnregisteredProgIdIsAWindowWithoutControl) {
  HWND host = AxCreateHostWindow(frame_, "MorvexTest.NoSuchControl.1", kHostRect, 1002);
  ASSERT_NE(host, nullptr) << "the host window comes all the same";
  EXPECT_FALSE(HostHasControl(host));
  EXPECT_EQ(ControlWindowOf(host), nullptr);
  DestroyWindow(host);

  HWND empty = AxCreateHostWindow(frame_, "", kHostRect, 1003);
  Ptr<IUnknown> control;
  EXPECT_EQ(AtlAxCreateControlEx(kUnregisteredProgId, empty, nullptr, nullptr, control.Put(),
                                 IID_NULL, nullptr),
            CO_E_CLASSSTRING);
  EXPECT_FALSE(control);
  EXPECT_FALSE(HostHasControl(empty));
  EXPECT_EQ(AtlAxCreateControlEx(L"", empty, nullptr, nullptr, control.Put(), IID_NULL, nullptr),
            E_INVALIDARG);
  // A class that makes no OLE object cannot be hosted.
  wchar_t classId[64] = {};
  StringFromGUID2(kUnregisteredClass, classId, 64);
  EXPECT_TRUE(FAILED(
      AtlAxCreateControlEx(classId, empty, nullptr, nullptr, control.Put(), IID_NULL, nullptr)));
  EXPECT_FALSE(HostHasControl(empty));
  DestroyWindow(empty);
  EXPECT_FALSE(HostHasControl(frame_)) << "a window that is no host";
}

// --- Ambient properties of our host

Variant SiteAmbient(IUnknown* control, DISPID dispid, HRESULT* result) {
  Ptr<IOleObject> object;
  Ptr<IOleClientSite> site;
  Ptr<IDispatch> ambient;
  Variant value;
  *result = E_FAIL;
  if (FAILED(control->QueryInterface(IID_IOleObject, object.PutVoid())) ||
      FAILED(object->GetClientSite(site.Put())) || FAILED(site.As(&ambient))) {
    return value;
  }
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  *result = ambient->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                            value.Put(), nullptr, nullptr);
  return value;
}

TEST_F(ControlTest, TheHostAnswersAmbientPropertiesAndTellsTheControlOfAChange) {
  Ptr<ITestControl> control;
  HWND host = HostByProgId(&control);
  ASSERT_TRUE(control);
  struct Case {
    DISPID dispid;
    HRESULT result;
    VARTYPE type;
  };
  const Case cases[] = {
      {DISPID_AMBIENT_BACKCOLOR, S_OK, VT_I4},
      {DISPID_AMBIENT_FORECOLOR, S_OK, VT_I4},
      {DISPID_AMBIENT_FONT, S_OK, VT_DISPATCH},
      {DISPID_AMBIENT_LOCALEID, S_OK, VT_I4},
      {DISPID_AMBIENT_USERMODE, S_OK, VT_BOOL},
      {DISPID_AMBIENT_MESSAGEREFLECT, DISP_E_MEMBERNOTFOUND, VT_EMPTY},
      {DISPID_AMBIENT_DISPLAYNAME, DISP_E_MEMBERNOTFOUND, VT_EMPTY},
  };
  for (const Case& c : cases) {
    HRESULT result = S_OK;
    Variant value = SiteAmbient(control.Get(), c.dispid, &result);
    EXPECT_EQ(result, c.result) << c.dispid;
    EXPECT_EQ(value.Type(), c.type) << c.dispid;
  }
  HRESULT result = S_OK;
  EXPECT_EQ(SiteAmbient(control.Get(), DISPID_AMBIENT_USERMODE, &result).Get().boolVal,
            VARIANT_TRUE);
  EXPECT_EQ(
      static_cast<LCID>(SiteAmbient(control.Get(), DISPID_AMBIENT_LOCALEID, &result).Get().lVal),
      GetUserDefaultLCID());

  // What the control took from its site: the colour and a clone of the font.
  OLE_COLOR back = 0;
  control->get_BackColor(&back);
  EXPECT_EQ(back, kSystemColorFlag | COLOR_WINDOW);
  Ptr<IFontDisp> font;
  control->get_Font(font.Put());
  Variant ambientFont = SiteAmbient(control.Get(), DISPID_AMBIENT_FONT, &result);
  EXPECT_FALSE(SameObject(font.Get(), ambientFont.Get().pdispVal)) << "the control keeps a clone";
  EXPECT_EQ(TraitsOf(font.Get()),
            TraitsOf(static_cast<IFontDisp*>(static_cast<IDispatch*>(ambientFont.Get().pdispVal))));
  EXPECT_FALSE(TraitsOf(font.Get()) == kDefaultFontTraits) << "not the control's own default";

  Variant colour(static_cast<long>(RGB(200, 100, 50)));
  ASSERT_EQ(AxSetAmbientProperty(host, DISPID_AMBIENT_BACKCOLOR, colour.Get()), S_OK);
  control->get_BackColor(&back);
  EXPECT_EQ(back, RGB(200, 100, 50));
  long changes = 0;
  control->get_AmbientChanges(&changes);
  EXPECT_EQ(changes, 1);
  EXPECT_EQ(static_cast<OLE_COLOR>(
                SiteAmbient(control.Get(), DISPID_AMBIENT_BACKCOLOR, &result).Get().lVal),
            RGB(200, 100, 50));
  ASSERT_EQ(AxSetAmbientProperty(host, DISPID_AMBIENT_USERMODE, Variant::Bool(false).Get()), S_OK);
  VARIANT_BOOL userMode = VARIANT_TRUE;
  control->get_UserMode(&userMode);
  EXPECT_EQ(userMode, VARIANT_FALSE);
  EXPECT_EQ(AxSetAmbientProperty(host, DISPID_AMBIENT_DISPLAYNAME, colour.Get()), E_INVALIDARG);
  EXPECT_EQ(AxSetAmbientProperty(frame_, DISPID_AMBIENT_BACKCOLOR, colour.Get()), E_INVALIDARG);

  ambientFont = Variant();
  font.Reset();
  control.Reset();
  DestroyWindow(host);
}

// --- A control that hosts another in a host of its own module

TEST_F(ControlTest, AControlHostsAnotherInAHostOfItsOwnModule) {
  HWND host = AxCreateHostWindow(frame_, "MorvexTest.TestNestingControl.1", kHostRect, 1004);
  Ptr<IUnknown> unknown;
  ASSERT_EQ(AtlAxGetControl(host, unknown.Put()), S_OK);
  EXPECT_EQ(ControlJournal(), "Nesting.InitNew Nesting.SetClientSite SetClientSite InitNew ")
      << "each control created in the order it asks for";
  Ptr<ITestNestingControl> nesting;
  ASSERT_EQ(unknown.As(&nesting), S_OK);
  Ptr<IUnknown> innerUnknown;
  ASSERT_EQ(nesting->get_InnerControl(innerUnknown.Put()), S_OK);
  Ptr<ITestControl> inner;
  ASSERT_EQ(innerUnknown.As(&inner), S_OK);

  HWND outerWindow = ControlWindowOf(host);
  HWND innerHost = GetWindow(outerWindow, GW_CHILD);
  ASSERT_NE(innerHost, nullptr);
  HWND innerWindow = ControlWindowOf(innerHost);
  EXPECT_EQ(ClassName(innerHost), L"AtlAxWin");
  EXPECT_EQ(reinterpret_cast<HMODULE>(GetClassLongPtrA(innerHost, GCLP_HMODULE)), ControlModule());
  EXPECT_EQ(reinterpret_cast<HMODULE>(GetClassLongPtrA(host, GCLP_HMODULE)),
            GetModuleHandleW(nullptr));
  EXPECT_TRUE(IsModuleClass(ControlModule(), "AtlAxWin"));
  EXPECT_TRUE(IsModuleClass(GetModuleHandleW(nullptr), "AtlAxWin"));
  EXPECT_EQ(ClientRect(innerWindow).right, 300) << "the inner control fills the outer one";
  Ptr<IUnknown> none;
  EXPECT_EQ(AtlAxGetControl(innerHost, none.Put()), E_FAIL) << "another module's host is not ours";

  // The keys of the inner control reach it from this program's loop.
  SetFocus(innerHost);
  EXPECT_EQ(GetFocus(), innerWindow);
  MSG f5 = {innerWindow, WM_KEYDOWN, VK_F5, 0, 0, {0, 0}};
  EXPECT_TRUE(AxTranslateAccelerator(&f5));
  long accelerators = 0;
  inner->get_Accelerators(&accelerators);
  EXPECT_EQ(accelerators, 1);

  inner.Reset();
  innerUnknown.Reset();
  nesting.Reset();
  unknown.Reset();
  DestroyWindow(host);
  EXPECT_FALSE(IsWindow(innerHost));
}

TEST_F(ControlTest, OnlyARegisteredClassWithAProgIdHasOne) {
  struct Case {
    const CLSID* clsid;
    bool found;
    const wchar_t* progId;
  };
  const Case cases[] = {
      {&CLSID_TestControl, true, kProgId},
      {&kClassWithoutProgId, false, L""},
      {&kUnregisteredClass, false, L""},
  };
  for (const Case& c : cases) {
    std::wstring progId;
    EXPECT_EQ(ProgIdOfClass(*c.clsid, &progId), c.found);
    EXPECT_EQ(progId, c.progId);
  }
}

TEST_F(ControlTest, RegistrationNamesTheClassAndItsTypeLibrary) {
  CLSID clsid = {};
  ASSERT_EQ(CLSIDFromProgID(L"MorvexTest.TestControl", &clsid), S_OK);
  EXPECT_TRUE(IsEqualCLSID(clsid, CLSID_TestControl));
  DWORD status = 0;
  ASSERT_EQ(OleRegGetMiscStatus(CLSID_TestControl, DVASPECT_CONTENT, &status), S_OK);
  EXPECT_EQ(status, 131473u);
  EXPECT_TRUE(EmbeddedLibidIs(ControlDllPath().c_str(), LIBID_MorvexTestControlLib));
  EXPECT_TRUE(RegisteredLibidIs(LIBID_MorvexTestControlLib, 1, 0));
}

}  // namespace

}  // namespace morvex::com::testing
