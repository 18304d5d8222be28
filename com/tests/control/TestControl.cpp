// The test controls: Control<>s as every control of the system is one.
// TestControl paints its back colour, fires Click(x, y) on a left-button
// release, takes the container's ambient back colour and font when it gets
// a site, and translates F5 as its accelerator. TestNestingControl hosts a
// TestControl in a host window of this module.
//
// What the controls live through goes into a journal the tests read through
// two exports, so that the order of creation steps and of a control's end
// can be checked from outside.
#include "TestControl.h"

#include <windows.h>

#include <string>

#include "com/AxHost.h"
#include "com/Control.h"
#include "com/Fonts.h"
#include "com/ServerExports.h"

namespace morvex::com::testing {

namespace {

constexpr DISPID kClickEvent = 1;
constexpr DISPID kClosingEvent = 2;
const UINT kScripts[] = {201, 0};

std::string& Journal() {
  static std::string journal;
  return journal;
}

void Note(const std::string& entry) { Journal() += entry + " "; }

// What the control uses when the container offers no font.
const FontSpec kDefaultFont = {L"Arial", 8, FW_NORMAL, RUSSIAN_CHARSET, true};

class TestControl : public Control<ITestControl, _ITestControlEvents> {
 public:
  static const InterfaceEntry* Interfaces() { return ControlInterfaces<TestControl>(); }

  STDMETHODIMP put_BackColor(OLE_COLOR color) override { return PutStockBackColor(color); }
  STDMETHODIMP get_BackColor(OLE_COLOR* color) override { return GetStockBackColor(color); }
  STDMETHODIMP putref_Font(IFontDisp* font) override { return PutRefStockFont(font); }
  STDMETHODIMP put_Font(IFontDisp* font) override { return PutStockFont(font); }
  STDMETHODIMP get_Font(IFontDisp** font) override { return GetStockFont(font); }
  STDMETHODIMP put_ForeColor(OLE_COLOR color) override { return PutStockForeColor(color); }
  STDMETHODIMP get_ForeColor(OLE_COLOR* color) override { return GetStockForeColor(color); }

  STDMETHODIMP get_PaintCount(long* count) override {
    if (!count) return E_POINTER;
    *count = paints_;
    return S_OK;
  }
  STDMETHODIMP get_AmbientChanges(long* count) override {
    if (!count) return E_POINTER;
    *count = ambientChanges_;
    return S_OK;
  }
  STDMETHODIMP get_UserMode(VARIANT_BOOL* userMode) override {
    if (!userMode) return E_POINTER;
    bool mode = true;
    AmbientUserMode(&mode);
    *userMode = mode ? VARIANT_TRUE : VARIANT_FALSE;
    return S_OK;
  }
  STDMETHODIMP get_Accelerators(long* count) override {
    if (!count) return E_POINTER;
    *count = accelerators_;
    return S_OK;
  }

  STDMETHODIMP TranslateAccelerator(LPMSG message) override {
    if (!message || message->message != WM_KEYDOWN || message->wParam != VK_F5) return S_FALSE;
    ++accelerators_;
    return S_OK;
  }

 protected:
  TestControl() : Control(CLSID_TestControl, {"MorvexTestControlWindow"}) {}
  ~TestControl() override { Note("Destroyed"); }

  HRESULT OnInitNew() override {
    Note("InitNew");
    return S_OK;
  }

  void OnDraw(HDC dc, const RECT& bounds) override {
    COLORREF colour = 0;
    OleTranslateColor(backColor(), nullptr, &colour);
    HBRUSH brush = CreateSolidBrush(colour);
    FillRect(dc, &bounds, brush);
    DeleteObject(brush);
    ++paints_;
  }

  bool OnWindowMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override {
    switch (message) {
      case WM_LBUTTONUP:
        *result = OnLButtonUp(wParam, lParam);
        return true;
      case WM_DESTROY:
        *result = OnDestroy();
        return true;
    }
    return false;
  }

  // Takes a reference on the control as handler code often does, also when
  // the window goes because the control's last reference went.
  LRESULT OnDestroy() {
    Ptr<ITestControl> keepAlive(this);
    FireEvent(kClosingEvent);
    Note("WindowDestroyed");
    return 0;
  }

  void OnClientSiteChanged() override {
    if (!clientSite()) return;
    Note("SetClientSite");
    OLE_COLOR colour;
    if (AmbientBackColor(&colour)) SetBackColorQuietly(colour);
    TakeInitialFont(kDefaultFont);
  }

  // The receiver of the event may let go of the control; what follows the
  // event still runs in a live object.
  LRESULT OnLButtonUp(WPARAM, LPARAM lParam) {
    FireEvent(kClickEvent, {Variant(static_cast<long>(static_cast<short>(LOWORD(lParam)))),
                            Variant(static_cast<long>(static_cast<short>(HIWORD(lParam))))});
    ++clicks_;
    Note("ClickHandled" + std::to_string(clicks_));
    return 0;
  }

  void OnAmbientChanged(DISPID dispid) override {
    ++ambientChanges_;
    OLE_COLOR colour;
    if ((dispid == DISPID_AMBIENT_BACKCOLOR || dispid == DISPID_UNKNOWN) &&
        AmbientBackColor(&colour)) {
      SetBackColorQuietly(colour);
      FireViewChange();
    }
  }

 private:
  long paints_ = 0;
  long ambientChanges_ = 0;
  long accelerators_ = 0;
  long clicks_ = 0;
};

class TestNestingControl : public Control<ITestNestingControl, _ITestControlEvents> {
 public:
  static const InterfaceEntry* Interfaces() { return ControlInterfaces<TestNestingControl>(); }

  STDMETHODIMP get_InnerControl(IUnknown** control) override {
    return AtlAxGetControl(innerHost_, control);
  }

  // Unlike TestControl, it asks for InitNew before its site.
  STDMETHODIMP GetMiscStatus(DWORD aspect, DWORD* status) override {
    if (!status) return E_POINTER;
    *status = aspect == DVASPECT_CONTENT ? kControlMiscStatus & ~OLEMISC_SETCLIENTSITEFIRST : 0;
    return S_OK;
  }

 protected:
  TestNestingControl() : Control(CLSID_TestNestingControl, {"MorvexTestNestingWindow"}) {}

  void OnClientSiteChanged() override {
    if (clientSite()) Note("Nesting.SetClientSite");
  }
  HRESULT OnInitNew() override {
    Note("Nesting.InitNew");
    return S_OK;
  }

  bool OnWindowMessage(UINT message, WPARAM, LPARAM, LRESULT* result) override {
    switch (message) {
      case WM_CREATE:
        *result = OnCreate();
        return true;
      case WM_SIZE:
        *result = OnSize();
        return true;
    }
    return false;
  }

  LRESULT OnCreate() {
    RECT area = {};
    GetClientRect(window(), &area);
    innerHost_ = AxCreateHostWindow(window(), "MorvexTest.TestControl.1", area, 1);
    return 0;
  }

  LRESULT OnSize() {
    RECT area = {};
    GetClientRect(window(), &area);
    MoveWindow(innerHost_, 0, 0, area.right, area.bottom, TRUE);
    return 0;
  }

 private:
  HWND innerHost_ = nullptr;
};

const ServerClass kClasses[] = {{&CLSID_TestControl, &CreateObject<TestControl>},
                                {&CLSID_TestNestingControl, &CreateObject<TestNestingControl>},
                                kEndOfClasses};
const ServerDefinition kServer = {kClasses, {kScripts, TypeLibScope::kPerMachine}};

}  // namespace

}  // namespace morvex::com::testing

const morvex::com::ServerDefinition& morvex::com::ThisServer() {
  return morvex::com::testing::kServer;
}

extern "C" const char* MorvexTestJournal() { return morvex::com::testing::Journal().c_str(); }
extern "C" void MorvexTestClearJournal() { morvex::com::testing::Journal().clear(); }
