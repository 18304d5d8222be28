// The control base as a container of its own speaks to it: a small site
// (com/tests/control/TestSite.h) that records what the control asks of
// it, offers ambient properties or none, and calls SetClientSite before or
// after InitNew, as different hosts do.
#include <gtest/gtest.h>
#include <ole2.h>
#include <olectl.h>
#include <windows.h>

#include <string>
#include <vector>

#include "TestControl.h"
#include "com/Ambient.h"
#include "com/ComObject.h"
#include "com/Fonts.h"
#include "com/tests/control/ControlTestSupport.h"
#include "com/tests/control/TestSite.h"

namespace morvex::com::testing {

namespace {

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

class ControlInOwnSiteTest : public FramedControlTest,
                             public ::testing::WithParamInterface<SiteCase> {
 protected:
  void SetUp() override {
    FramedControlTest::SetUp();
    siteWindow_ = CreateWindowExA(0, "STATIC", "", WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN, 5, 5,
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
    FramedControlTest::TearDown();
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
  // The site is the frame and the document window: each hears of the
  // active object, and each has it taken back.
  const std::vector<std::string> activation = {"OnInPlaceActivate", "OnUIActivate",
                                               "SetActiveObject", "SetActiveObject", "OnFocus(1)"};
  EXPECT_EQ(site_->calls(), activation);
  EXPECT_TRUE(site_->activeObject());

  Ptr<IOleInPlaceObject> inPlace;
  ASSERT_EQ(object_.As(&inPlace), S_OK);
  ASSERT_EQ(inPlace->UIDeactivate(), S_OK);
  EXPECT_FALSE(site_->activeObject());
  std::vector<std::string> deactivation(site_->calls().begin() + activation.size(),
                                        site_->calls().end());
  const std::vector<std::string> expected = {"SetActiveObject(null)", "SetActiveObject(null)",
                                             "OnUIDeactivate"};
  EXPECT_EQ(deactivation, expected);
}

// A control activated only in place becomes UI active when the user
// reaches its window.
TEST_P(ControlInOwnSiteTest, FocusOrAClickOnItsWindowUiActivatesIt) {
  struct Way {
    const char* name;
    void (*reach)(HWND window);
  };
  const Way ways[] = {
      {"focus", [](HWND window) { SetFocus(window); }},
      {"click",
       [](HWND window) {
         SendMessageA(window, WM_MOUSEACTIVATE, reinterpret_cast<WPARAM>(GetParent(window)),
                      MAKELPARAM(HTCLIENT, WM_LBUTTONDOWN));
       }},
  };
  for (const Way& way : ways) {
    SetFocus(frame_);
    ASSERT_EQ(Activate(OLEIVERB_INPLACEACTIVATE), S_OK) << way.name;
    HWND child = GetWindow(siteWindow_, GW_CHILD);
    ASSERT_NE(child, nullptr);
    EXPECT_FALSE(site_->activeObject()) << way.name;
    way.reach(child);
    EXPECT_TRUE(site_->activeObject()) << way.name;
    EXPECT_EQ(GetFocus(), child) << way.name;
    EXPECT_EQ(site_->calls().back(), "OnFocus(1)") << way.name;
    Ptr<IOleInPlaceObject> inPlace;
    ASSERT_EQ(object_.As(&inPlace), S_OK);
    ASSERT_EQ(inPlace->InPlaceDeactivate(), S_OK);
    EXPECT_FALSE(site_->activeObject()) << way.name;
  }
}

TEST_P(ControlInOwnSiteTest, TheSameSiteAgainKeepsTheActivation) {
  ASSERT_EQ(Activate(OLEIVERB_INPLACEACTIVATE), S_OK);
  HWND child = GetWindow(siteWindow_, GW_CHILD);
  size_t calls = site_->calls().size();
  ASSERT_EQ(object_->SetClientSite(site_.Get()), S_OK);
  EXPECT_TRUE(IsWindow(child));
  EXPECT_EQ(site_->calls().size(), calls) << "the site heard of no deactivation";
  Ptr<IOleInPlaceObject> inPlace;
  ASSERT_EQ(object_.As(&inPlace), S_OK);
  ASSERT_EQ(inPlace->InPlaceDeactivate(), S_OK);
  EXPECT_EQ(site_->calls().back(), "OnInPlaceDeactivate") << "the in-place site was kept";
}

// An advise sink that records nothing; it only has to be held or not.
class ViewSink : public Object<IAdviseSink> {
 public:
  static const InterfaceEntry* Interfaces() {
    static const InterfaceEntry table[] = {Entry<ViewSink, IAdviseSink>(), kEndOfInterfaces};
    return table;
  }
  STDMETHODIMP_(void) OnDataChange(FORMATETC*, STGMEDIUM*) override {}
  STDMETHODIMP_(void) OnViewChange(DWORD, LONG) override {}
  STDMETHODIMP_(void) OnRename(IMoniker*) override {}
  STDMETHODIMP_(void) OnSave() override {}
  STDMETHODIMP_(void) OnClose() override {}

 protected:
  ViewSink() = default;
};

TEST_P(ControlInOwnSiteTest, CloseLetsGoOfTheViewsSink) {
  Ptr<ViewSink> sink;
  ASSERT_EQ(MakeObject(&sink), S_OK);
  Ptr<IViewObject2> view;
  ASSERT_EQ(object_.As(&view), S_OK);
  ASSERT_EQ(view->SetAdvise(DVASPECT_CONTENT, 0, sink.Get()), S_OK);
  Ptr<IAdviseSink> held;
  view->GetAdvise(nullptr, nullptr, held.Put());
  EXPECT_TRUE(SameObject(held.Get(), sink.Get()));
  ASSERT_EQ(object_->Close(OLECLOSE_NOSAVE), S_OK);
  view->GetAdvise(nullptr, nullptr, held.Put());
  EXPECT_FALSE(held);
  view.Reset();
  sink.Reset();
}

// The last reference goes while the window lives: the window goes first,
// its handlers still there, and what they do with the object's count does
// not end it twice.
TEST_P(ControlInOwnSiteTest, ReleasedWhileActiveItsWindowGoesFirstAndOnce) {
  ASSERT_EQ(Activate(OLEIVERB_INPLACEACTIVATE), S_OK);
  HWND child = GetWindow(siteWindow_, GW_CHILD);
  ASSERT_NE(child, nullptr);
  ClearControlJournal();
  control_.Reset();
  persist_.Reset();
  object_.Reset();
  EXPECT_FALSE(IsWindow(child));
  EXPECT_EQ(ControlJournal(), "WindowDestroyed Destroyed ");
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

TEST_F(FramedControlTest, ProtocolAnswersWithoutAContainer) {
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

  // Callers learn the description of a control's error as of a server's.
  Ptr<ISupportErrorInfo> errors;
  ASSERT_EQ(object.As(&errors), S_OK);
  EXPECT_EQ(errors->InterfaceSupportsErrorInfo(IID_ITestControl), S_OK);
  EXPECT_EQ(errors->InterfaceSupportsErrorInfo(IID_IOleObject), S_FALSE);
}

}  // namespace

}  // namespace morvex::com::testing
