// The control base and the container helpers, as containers use them: the
// test control is created by ProgID in the system's "AtlAxWin" host (which
// offers no ambient properties) and in a small site of our own (which
// does), and every test ends with nothing left alive.
#include <gtest/gtest.h>
#include <ole2.h>
#include <olectl.h>
#include <windows.h>

#include <ostream>
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
#include "com/tests/control/TestSite.h"

namespace morvex::com::testing {

namespace {

constexpr wchar_t kProgId[] = L"MorvexTest.TestControl.1";
constexpr wchar_t kUnregisteredProgId[] = L"MorvexTest.NoSuchControl.1";
constexpr wchar_t kControlWindowClass[] = L"MorvexTestControlWindow";
// Registered by the test control's script with an InprocServer32 but no ProgID.
const CLSID kClassWithoutProgId = {
    0x8C237EC8, 0xF86C, 0x4D12, {0xAF, 0xDE, 0xA6, 0xFC, 0x2B, 0xB6, 0xCE, 0x4E}};
const CLSID kUnregisteredClass = {
    0x0D7C1F7A, 0x1B0E, 0x4C52, {0x9E, 0x61, 0x3A, 0x55, 0x0B, 0x7E, 0x1D, 0x02}};
constexpr RECT kHostRect = {10, 10, 310, 210};

std::wstring ControlDllPath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring dll(path);
  dll.resize(dll.find_last_of(L"\\/") + 1);
  return dll + L"MorvexTestControl.dll";
}

// The test control's DLL (registered by the test fixture), held loaded for
// the whole run so that its object count can be asked after every test.
class ControlEnvironment : public ::testing::Environment {
 public:
  void SetUp() override {
    ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
    module_ = LoadLibraryW(ControlDllPath().c_str());
    ASSERT_NE(module_, nullptr);
  }
  void TearDown() override { OleUninitialize(); }
  static HMODULE module() { return module_; }

 private:
  static HMODULE module_;
};

HMODULE ControlEnvironment::module_ = nullptr;
const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(new ControlEnvironment);

void Pump(DWORD milliseconds) {
  DWORD start = GetTickCount();
  do {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&message);
      DispatchMessageW(&message);
    }
    Sleep(5);
  } while (GetTickCount() - start < milliseconds);
}

RECT ClientRect(HWND window) {
  RECT rect = {};
  GetClientRect(window, &rect);
  return rect;
}

std::wstring ClassName(HWND window) {
  wchar_t name[128] = {};
  GetClassNameW(window, name, 128);
  return name;
}

// How a test tells fonts apart: the face name is no help, since Wine
// reports the face it actually chose (Tahoma and Arial both become "DejaVu
// Sans" here), and the size is the one of the pixel height it chose, so it
// is compared in whole points.
struct FontTraits {
  int points;
  bool italic;
  bool bold;
  bool operator==(const FontTraits& other) const {
    return points == other.points && italic == other.italic && bold == other.bold;
  }
};

std::ostream& operator<<(std::ostream& out, const FontTraits& traits) {
  return out << traits.points << "pt" << (traits.italic ? " italic" : "")
             << (traits.bold ? " bold" : "");
}

FontTraits TraitsOf(IFontDisp* font) {
  Ptr<IFont> details;
  if (!font || FAILED(font->QueryInterface(IID_IFont, details.PutVoid()))) return {0, false, false};
  CY size = {};
  BOOL italic = FALSE, bold = FALSE;
  details->get_Size(&size);
  details->get_Italic(&italic);
  details->get_Bold(&bold);
  return {static_cast<int>((size.int64 + 5000) / 10000), italic != FALSE, bold != FALSE};
}

// The test control's font when its container offers none.
constexpr FontTraits kDefaultFontTraits = {8, true, false};

// Records what a control tells its property sinks; may refuse every edit.
class PropertySink : public Object<IPropertyNotifySink> {
 public:
  static const InterfaceEntry* Interfaces() {
    static const InterfaceEntry table[] = {Entry<PropertySink, IPropertyNotifySink>(),
                                           kEndOfInterfaces};
    return table;
  }
  STDMETHODIMP OnChanged(DISPID dispid) override {
    changed.push_back(dispid);
    return S_OK;
  }
  STDMETHODIMP OnRequestEdit(DISPID dispid) override {
    requested.push_back(dispid);
    return refuse ? S_FALSE : S_OK;
  }

  bool refuse = false;
  std::vector<DISPID> requested;
  std::vector<DISPID> changed;

 protected:
  PropertySink() = default;
};

// Every test runs in a frame window of its own and must leave nothing
// behind: no object of the control's module and no window class of it.
class ControlTest : public ::testing::Test {
 protected:
  void SetUp() override {
    frame_ = CreateWindowExW(0, L"STATIC", L"Control test frame",
                             WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 640, 480,
                             nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_NE(frame_, nullptr);
  }

  void TearDown() override {
    DestroyWindow(frame_);
    Pump(20);
    CoFreeUnusedLibraries();
    HMODULE module = ControlEnvironment::module();
    EXPECT_EQ(ServerEntryOf(module, "DllCanUnloadNow")(), S_OK) << "an object lives on";
    WNDCLASSEXW info = {};
    info.cbSize = sizeof info;
    EXPECT_FALSE(GetClassInfoExW(module, kControlWindowClass, &info)) << "the class stays";
  }

  // A host made from the ProgID, with the control's dual interface.
  HWND HostByProgId(Ptr<ITestControl>* control) {
    HWND host = AxCreateHostWindow(frame_, kProgId, kHostRect, 1000);
    Ptr<IUnknown> unknown;
    EXPECT_EQ(AxGetControl(host, &unknown), S_OK);
    if (unknown) {
      EXPECT_EQ(unknown.As(control), S_OK);
    }
    return host;
  }

  HWND frame_ = nullptr;
};

TEST_F(ControlTest, HostedByProgIdLivesInAChildWindowThatFollowsTheHost) {
  Ptr<ITestControl> control;
  HWND host = HostByProgId(&control);
  ASSERT_NE(host, nullptr);
  ASSERT_TRUE(control);
  HWND child = GetWindow(host, GW_CHILD);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(ClassName(child), kControlWindowClass);
  EXPECT_EQ(GetParent(child), host);
  EXPECT_TRUE(IsWindowVisible(child));
  EXPECT_EQ(ClientRect(child).right, 300);
  EXPECT_EQ(ClientRect(child).bottom, 200);
  // What every test's end checks is gone is there while the control lives.
  HMODULE module = ControlEnvironment::module();
  EXPECT_EQ(ServerEntryOf(module, "DllCanUnloadNow")(), S_FALSE);
  WNDCLASSEXW info = {};
  info.cbSize = sizeof info;
  EXPECT_TRUE(GetClassInfoExW(module, kControlWindowClass, &info));

  Ptr<IOleWindow> window;
  ASSERT_EQ(control.As(&window), S_OK);
  HWND reported = nullptr;
  EXPECT_EQ(window->GetWindow(&reported), S_OK);
  EXPECT_EQ(reported, child);

  MoveWindow(host, 20, 20, 400, 300, TRUE);
  EXPECT_EQ(ClientRect(child).right, 400);
  EXPECT_EQ(ClientRect(child).bottom, 300);

  control.Reset();
  window.Reset();
  DestroyWindow(host);
  EXPECT_FALSE(IsWindow(child)) << "the control's window goes with its host";
}

TEST_F(ControlTest, PaintsItsBackColourOnScreenAndThroughItsView) {
  Ptr<ITestControl> control;
  HWND host = HostByProgId(&control);
  ASSERT_TRUE(control);
  HWND child = GetWindow(host, GW_CHILD);
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
  HWND child = GetWindow(host, GW_CHILD);
  std::vector<std::pair<long, long>> clicks;
  Ptr<EventSink> sink;
  ASSERT_EQ(EventSink::Create(DIID__ITestControlEvents, &sink), S_OK);
  sink->On(1, [&](EventArguments& arguments) {
    clicks.emplace_back(arguments.Long(0), arguments.Long(1));
  });
  ASSERT_EQ(sink->Connect(control.Get()), S_OK);

  SendMessageW(child, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(15, 25));
  SendMessageW(child, WM_LBUTTONUP, 0, MAKELPARAM(15, 25));
  PostMessageW(child, WM_LBUTTONUP, 0, MAKELPARAM(40, 50));
  Pump(50);
  ASSERT_EQ(clicks.size(), 2u);
  EXPECT_EQ(clicks[0], std::make_pair(15L, 25L));
  EXPECT_EQ(clicks[1], std::make_pair(40L, 50L));

  // A container that freezes events hears nothing until it thaws them.
  Ptr<IOleControl> oleControl;
  ASSERT_EQ(control.As(&oleControl), S_OK);
  oleControl->FreezeEvents(TRUE);
  SendMessageW(child, WM_LBUTTONUP, 0, MAKELPARAM(1, 2));
  oleControl->FreezeEvents(FALSE);
  SendMessageW(child, WM_LBUTTONUP, 0, MAKELPARAM(3, 4));
  ASSERT_EQ(clicks.size(), 3u);
  EXPECT_EQ(clicks[2], std::make_pair(3L, 4L));

  EXPECT_EQ(sink->Disconnect(), S_OK);
  SendMessageW(child, WM_LBUTTONUP, 0, MAKELPARAM(5, 6));
  EXPECT_EQ(clicks.size(), 3u);

  oleControl.Reset();
  sink.Reset();
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

// The container advises its own property sink: the host drops the sink it
// is given at creation.
TEST_F(ControlTest, StockPutsAskAndTellTheContainersPropertySink) {
  Ptr<ITestControl> control;
  HWND host = HostByProgId(&control);
  ASSERT_TRUE(control);
  Ptr<IFontDisp> font;
  ASSERT_EQ(CreateFontDisp({L"Tahoma", 10, FW_NORMAL, RUSSIAN_CHARSET, false}, &font), S_OK);
  Ptr<PropertySink> sink;
  ASSERT_EQ(MakeObject(&sink), S_OK);
  AxConnection connection;
  ASSERT_EQ(connection.Connect(control.Get(), static_cast<IPropertyNotifySink*>(sink.Get()),
                               IID_IPropertyNotifySink),
            S_OK);

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

  connection.Disconnect();
  EXPECT_EQ(control->put_BackColor(RGB(7, 7, 7)), S_OK) << "no sink, no question";
  kept.Reset();
  sink.Reset();
  font.Reset();
  control.Reset();
  DestroyWindow(host);
}

TEST_F(ControlTest, WithoutAmbientPropertiesTheDefaultsHold) {
  Ptr<ITestControl> control;
  HWND host = HostByProgId(&control);
  ASSERT_TRUE(control);
  OLE_COLOR back = 0;
  control->get_BackColor(&back);
  EXPECT_EQ(back, kSystemColorFlag | COLOR_WINDOW);
  Ptr<IFontDisp> font;
  control->get_Font(font.Put());
  EXPECT_EQ(TraitsOf(font.Get()), kDefaultFontTraits) << "the control's own default";
  VARIANT_BOOL userMode = VARIANT_FALSE;
  control->get_UserMode(&userMode);
  EXPECT_EQ(userMode, VARIANT_TRUE);
  font.Reset();
  control.Reset();
  DestroyWindow(host);
}

TEST_F(ControlTest, ControlIsCreatedInAnEmptyHostByProgId) {
  HWND host = AxCreateHostWindow(frame_, L"", kHostRect, 1001);
  ASSERT_NE(host, nullptr);
  EXPECT_FALSE(HostHasControl(host));
  Ptr<IUnknown> created, found;
  ASSERT_EQ(AxCreateControl(host, kProgId, &created), S_OK);
  EXPECT_TRUE(HostHasControl(host));
  ASSERT_EQ(AxGetControl(host, &found), S_OK);
  EXPECT_TRUE(SameObject(created.Get(), found.Get()));
  HWND child = GetWindow(host, GW_CHILD);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(ClientRect(child).right, 300);
  created.Reset();
  found.Reset();
  DestroyWindow(host);
}

TEST_F(ControlTest, AHostForAnUnregisteredProgIdIsAWindowWithoutControl) {
  HWND host = AxCreateHostWindow(frame_, kUnregisteredProgId, kHostRect, 1002);
  ASSERT_NE(host, nullptr) << "the host window comes all the same";
  EXPECT_FALSE(HostHasControl(host));
  EXPECT_EQ(GetWindow(host, GW_CHILD), nullptr);
  DestroyWindow(host);

  HWND empty = AxCreateHostWindow(frame_, L"", kHostRect, 1003);
  Ptr<IUnknown> control;
  EXPECT_TRUE(FAILED(AxCreateControl(empty, kUnregisteredProgId, &control)));
  EXPECT_FALSE(control);
  EXPECT_FALSE(HostHasControl(empty));
  EXPECT_EQ(AxCreateControl(empty, L"", &control), E_INVALIDARG);
  DestroyWindow(empty);
  EXPECT_FALSE(HostHasControl(frame_)) << "a window that is no host";
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

// --- In a site of our own

struct SiteCase {
  const char* name;
  bool siteFirst;      // SetClientSite before InitNew, or after it
  bool offersAmbient;  // the site answers back colour, font and user mode
};

const SiteCase kSiteCases[] = {
    {"SiteFirstWithAmbients", true, true},
    {"InitNewFirstWithAmbients", false, true},
    {"SiteFirstWithoutAmbients", true, false},
    {"InitNewFirstWithoutAmbients", false, false},
};

class ControlInOwnSiteTest : public ControlTest, public ::testing::WithParamInterface<SiteCase> {
 protected:
  void SetUp() override {
    ControlTest::SetUp();
    siteWindow_ = CreateWindowExW(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 5, 5,
                                  320, 240, frame_, nullptr, GetModuleHandleW(nullptr), nullptr);
    ASSERT_EQ(MakeObject(&site_), S_OK);
    site_->Attach(siteWindow_);
    ASSERT_EQ(CreateFontDisp({L"Tahoma", 9, FW_NORMAL, RUSSIAN_CHARSET, false}, &ambientFont_),
              S_OK);
    if (GetParam().offersAmbient) {
      site_->SetAmbient(DISPID_AMBIENT_BACKCOLOR, Variant(static_cast<long>(kAmbientBack)));
      site_->SetAmbient(DISPID_AMBIENT_FONT, Variant(static_cast<IDispatch*>(ambientFont_.Get())));
      site_->SetAmbient(DISPID_AMBIENT_USERMODE, Variant::Bool(false));
    }
    ASSERT_EQ(CoCreateInstance(CLSID_TestControl, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                               object_.PutVoid()),
              S_OK);
    ASSERT_EQ(object_.As(&persist_), S_OK);
    IOleClientSite* site = site_.Get();
    if (GetParam().siteFirst) {
      ASSERT_EQ(object_->SetClientSite(site), S_OK);
      ASSERT_EQ(persist_->InitNew(), S_OK);
    } else {
      ASSERT_EQ(persist_->InitNew(), S_OK);
      ASSERT_EQ(object_->SetClientSite(site), S_OK);
    }
    ASSERT_EQ(object_.As(&control_), S_OK);
  }

  void TearDown() override {
    if (object_) {
      object_->Close(OLECLOSE_NOSAVE);
      object_->SetClientSite(nullptr);
    }
    control_.Reset();
    persist_.Reset();
    object_.Reset();
    site_.Reset();
    ambientFont_.Reset();
    ControlTest::TearDown();
  }

  HRESULT Activate(LONG verb) {
    RECT rect = ClientRect(siteWindow_);
    return object_->DoVerb(verb, nullptr, site_.Get(), 0, siteWindow_, &rect);
  }

  static constexpr COLORREF kAmbientBack = RGB(10, 20, 30);
  HWND siteWindow_ = nullptr;
  Ptr<TestSite> site_;
  Ptr<IFontDisp> ambientFont_;
  Ptr<IOleObject> object_;
  Ptr<IPersistStreamInit> persist_;
  Ptr<ITestControl> control_;
};

TEST_P(ControlInOwnSiteTest, TakesTheSitesAmbientsOrTheDefaultsInEitherOrder) {
  OLE_COLOR back = 0;
  control_->get_BackColor(&back);
  Ptr<IFontDisp> font;
  control_->get_Font(font.Put());
  VARIANT_BOOL userMode = VARIANT_TRUE;
  control_->get_UserMode(&userMode);
  if (GetParam().offersAmbient) {
    EXPECT_EQ(back, kAmbientBack);
    EXPECT_EQ(TraitsOf(font.Get()), (FontTraits{9, false, false}));
    EXPECT_FALSE(SameObject(font.Get(), ambientFont_.Get())) << "the control keeps a clone";
    EXPECT_EQ(userMode, VARIANT_FALSE);
  } else {
    EXPECT_EQ(back, kSystemColorFlag | COLOR_WINDOW);
    EXPECT_EQ(TraitsOf(font.Get()), kDefaultFontTraits);
    EXPECT_EQ(userMode, VARIANT_TRUE);
  }
  EXPECT_EQ(persist_->InitNew(), CO_E_ALREADYINITIALIZED);
}

TEST_P(ControlInOwnSiteTest, ActivationMakesItsWindowInTheSiteAndDeactivationRemovesIt) {
  ASSERT_EQ(Activate(OLEIVERB_INPLACEACTIVATE), S_OK);
  HWND child = GetWindow(siteWindow_, GW_CHILD);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(ClassName(child), kControlWindowClass);
  EXPECT_EQ(ClientRect(child).right, 320);
  EXPECT_EQ(site_->calls(), std::vector<std::string>{"OnInPlaceActivate"});

  Ptr<IOleInPlaceObject> inPlace;
  ASSERT_EQ(object_.As(&inPlace), S_OK);
  RECT moved = {10, 20, 110, 70};
  ASSERT_EQ(inPlace->SetObjectRects(&moved, &moved), S_OK);
  RECT placed = {};
  GetWindowRect(child, &placed);
  MapWindowPoints(nullptr, siteWindow_, reinterpret_cast<POINT*>(&placed), 2);
  EXPECT_EQ(placed.left, 10);
  EXPECT_EQ(placed.top, 20);
  EXPECT_EQ(placed.right, 110);
  EXPECT_EQ(placed.bottom, 70);

  ASSERT_EQ(inPlace->InPlaceDeactivate(), S_OK);
  EXPECT_FALSE(IsWindow(child));
  EXPECT_EQ(site_->calls().back(), "OnInPlaceDeactivate");
  HWND none = nullptr;
  EXPECT_EQ(inPlace->GetWindow(&none), E_FAIL);

  ASSERT_EQ(Activate(OLEIVERB_INPLACEACTIVATE), S_OK) << "activation again makes a new window";
  child = GetWindow(siteWindow_, GW_CHILD);
  EXPECT_NE(child, nullptr);
  // Taking the site away ends the activation the site was told of.
  ASSERT_EQ(object_->SetClientSite(nullptr), S_OK);
  EXPECT_FALSE(IsWindow(child));
  EXPECT_EQ(site_->calls().back(), "OnInPlaceDeactivate");
}

TEST_P(ControlInOwnSiteTest, UiActivationTellsTheFrameAndTakesTheFocus) {
  ASSERT_EQ(Activate(OLEIVERB_UIACTIVATE), S_OK);
  HWND child = GetWindow(siteWindow_, GW_CHILD);
  ASSERT_NE(child, nullptr);
  EXPECT_EQ(GetFocus(), child);
  const std::vector<std::string> expected = {"OnInPlaceActivate", "OnUIActivate", "SetActiveObject",
                                             "OnFocus(1)"};
  EXPECT_EQ(site_->calls(), expected);
  EXPECT_TRUE(site_->activeObject());

  Ptr<IOleInPlaceObject> inPlace;
  ASSERT_EQ(object_.As(&inPlace), S_OK);
  ASSERT_EQ(inPlace->UIDeactivate(), S_OK);
  EXPECT_FALSE(site_->activeObject());
  EXPECT_EQ(site_->calls().back(), "OnUIDeactivate");
}

TEST_P(ControlInOwnSiteTest, AnAmbientChangeReachesTheControl) {
  ASSERT_EQ(Activate(OLEIVERB_INPLACEACTIVATE), S_OK);
  site_->SetAmbient(DISPID_AMBIENT_BACKCOLOR, Variant(static_cast<long>(RGB(200, 100, 50))));
  Ptr<IOleControl> oleControl;
  ASSERT_EQ(object_.As(&oleControl), S_OK);
  ASSERT_EQ(oleControl->OnAmbientPropertyChange(DISPID_AMBIENT_BACKCOLOR), S_OK);
  OLE_COLOR back = 0;
  control_->get_BackColor(&back);
  EXPECT_EQ(back, RGB(200, 100, 50));
  long changes = 0;
  control_->get_AmbientChanges(&changes);
  EXPECT_EQ(changes, 1);
}

INSTANTIATE_TEST_SUITE_P(Orders, ControlInOwnSiteTest, ::testing::ValuesIn(kSiteCases),
                         [](const ::testing::TestParamInfo<SiteCase>& info) {
                           return std::string(info.param.name);
                         });

TEST_F(ControlTest, ProtocolAnswersWithoutAContainer) {
  Ptr<IOleObject> object;
  ASSERT_EQ(CoCreateInstance(CLSID_TestControl, nullptr, CLSCTX_INPROC_SERVER, IID_IOleObject,
                             object.PutVoid()),
            S_OK);
  DWORD status = 0;
  EXPECT_EQ(object->GetMiscStatus(DVASPECT_CONTENT, &status), S_OK);
  EXPECT_EQ(status, 131473u);
  RECT rect = kHostRect;
  EXPECT_EQ(object->DoVerb(OLEIVERB_INPLACEACTIVATE, nullptr, nullptr, 0, frame_, &rect),
            E_UNEXPECTED)
      << "no site, no activation";

  Ptr<IProvideClassInfo2> classInfo;
  ASSERT_EQ(object.As(&classInfo), S_OK);
  GUID source = {};
  EXPECT_EQ(classInfo->GetGUID(GUIDKIND_DEFAULT_SOURCE_DISP_IID, &source), S_OK);
  EXPECT_TRUE(IsEqualGUID(source, DIID__ITestControlEvents));
  Ptr<ITypeInfo> coclass;
  ASSERT_EQ(classInfo->GetClassInfo(coclass.Put()), S_OK);
  TYPEATTR* attributes = nullptr;
  ASSERT_EQ(coclass->GetTypeAttr(&attributes), S_OK);
  EXPECT_EQ(attributes->typekind, TKIND_COCLASS);
  EXPECT_TRUE(IsEqualGUID(attributes->guid, CLSID_TestControl));
  coclass->ReleaseTypeAttr(attributes);

  Ptr<IConnectionPointContainer> points;
  ASSERT_EQ(object.As(&points), S_OK);
  Ptr<IConnectionPoint> point;
  EXPECT_EQ(points->FindConnectionPoint(DIID__ITestControlEvents, point.Put()), S_OK);
  EXPECT_EQ(points->FindConnectionPoint(IID_IPropertyNotifySink, point.Put()), S_OK);
  EXPECT_EQ(points->FindConnectionPoint(IID_IDispatch, point.Put()), CONNECT_E_NOCONNECTION);
}

}  // namespace

}  // namespace morvex::com::testing
