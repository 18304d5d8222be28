// The test control: a Control<> as every control of the system is one. It
// paints its back colour, fires Click(x, y) on a left-button release, and
// takes the container's ambient back colour and font when it gets a site.
#include "TestControl.h"

#include <windows.h>

#include "com/Control.h"
#include "com/Fonts.h"
#include "com/ServerExports.h"

namespace morvex::com::testing {

namespace {

constexpr DISPID kClickEvent = 1;
const UINT kScripts[] = {201, 0};

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

 protected:
  TestControl() : Control(CLSID_TestControl, {L"MorvexTestControlWindow"}) {}

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
    }
    return false;
  }

  void OnClientSiteChanged() override {
    if (!clientSite()) return;
    OLE_COLOR colour;
    if (AmbientBackColor(&colour)) SetBackColorQuietly(colour);
    if (font()) return;
    Ptr<IFontDisp> ambient, own;
    if (AmbientFont(&ambient)) {
      CloneFontDisp(ambient.Get(), &own);
    } else {
      CreateFontDisp(kDefaultFont, &own);
    }
    SetFontQuietly(own.Get());
  }

  LRESULT OnLButtonUp(WPARAM, LPARAM lParam) {
    FireEvent(kClickEvent, {Variant(static_cast<long>(static_cast<short>(LOWORD(lParam)))),
                            Variant(static_cast<long>(static_cast<short>(HIWORD(lParam))))});
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
};

const ServerClass kClasses[] = {{&CLSID_TestControl, &CreateObject<TestControl>}, kEndOfClasses};
const ServerDefinition kServer = {kClasses, {kScripts, TypeLibScope::kPerMachine}};

}  // namespace

}  // namespace morvex::com::testing

const morvex::com::ServerDefinition& morvex::com::ThisServer() {
  return morvex::com::testing::kServer;
}
