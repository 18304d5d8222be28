// The fake font: IFont getters over fixed facts, everything else refused.
#include "fake_font.h"

#include "com/ComObject.h"

namespace com = morvex::com;

namespace {

class FakeFont : public com::Object<IFont, IFontDisp> {
 public:
  static const com::InterfaceEntry* Interfaces() {
    static const com::InterfaceEntry table[] = {
        com::Entry<FakeFont, IUnknown, IFont>(), com::Entry<FakeFont, IFont>(),
        com::Entry<FakeFont, IFontDisp>(), com::Entry<FakeFont, IDispatch, IFontDisp>(),
        com::kEndOfInterfaces};
    return table;
  }

  // IFont
  STDMETHODIMP get_Name(BSTR* name) override {
    *name = SysAllocStringLen(facts_.face.data(), static_cast<UINT>(facts_.face.size()));
    return *name ? S_OK : E_OUTOFMEMORY;
  }
  STDMETHODIMP put_Name(BSTR) override { return E_NOTIMPL; }
  STDMETHODIMP get_Size(CY* size) override {
    size->int64 = facts_.size;
    return S_OK;
  }
  STDMETHODIMP put_Size(CY) override { return E_NOTIMPL; }
  STDMETHODIMP get_Bold(BOOL* bold) override {
    *bold = facts_.weight >= FW_BOLD;
    return S_OK;
  }
  STDMETHODIMP put_Bold(BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP get_Italic(BOOL* italic) override { return Flag(facts_.italic, italic); }
  STDMETHODIMP put_Italic(BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP get_Underline(BOOL* underline) override { return Flag(facts_.underline, underline); }
  STDMETHODIMP put_Underline(BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP get_Strikethrough(BOOL* strikethrough) override {
    return Flag(facts_.strikethrough, strikethrough);
  }
  STDMETHODIMP put_Strikethrough(BOOL) override { return E_NOTIMPL; }
  STDMETHODIMP get_Weight(SHORT* weight) override {
    *weight = facts_.weight;
    return S_OK;
  }
  STDMETHODIMP put_Weight(SHORT) override { return E_NOTIMPL; }
  STDMETHODIMP get_Charset(SHORT* charset) override {
    *charset = facts_.charset;
    return S_OK;
  }
  STDMETHODIMP put_Charset(SHORT) override { return E_NOTIMPL; }
  STDMETHODIMP get_hFont(HFONT*) override { return E_NOTIMPL; }
  STDMETHODIMP Clone(IFont**) override { return E_NOTIMPL; }
  STDMETHODIMP IsEqual(IFont*) override { return E_NOTIMPL; }
  STDMETHODIMP SetRatio(LONG, LONG) override { return E_NOTIMPL; }
  STDMETHODIMP QueryTextMetrics(TEXTMETRICOLE*) override { return E_NOTIMPL; }
  STDMETHODIMP AddRefHfont(HFONT) override { return E_NOTIMPL; }
  STDMETHODIMP ReleaseHfont(HFONT) override { return E_NOTIMPL; }
  STDMETHODIMP SetHdc(HDC) override { return E_NOTIMPL; }

  // IDispatch (of IFontDisp): not needed by the options store.
  STDMETHODIMP GetTypeInfoCount(UINT*) override { return E_NOTIMPL; }
  STDMETHODIMP GetTypeInfo(UINT, LCID, ITypeInfo**) override { return E_NOTIMPL; }
  STDMETHODIMP GetIDsOfNames(REFIID, LPOLESTR*, UINT, LCID, DISPID*) override { return E_NOTIMPL; }
  STDMETHODIMP Invoke(DISPID, REFIID, LCID, WORD, DISPPARAMS*, VARIANT*, EXCEPINFO*,
                      UINT*) override {
    return E_NOTIMPL;
  }

 protected:
  explicit FakeFont(const FontFacts& facts) : facts_(facts) {}

 private:
  static HRESULT Flag(BOOL value, BOOL* out) {
    *out = value;
    return S_OK;
  }

  FontFacts facts_;
};

}  // namespace

com::Ptr<IFontDisp> MakeFakeFont(const FontFacts& facts) {
  com::Ptr<FakeFont> font;
  if (FAILED(com::MakeObject(&font, facts))) return {};
  com::Ptr<IFontDisp> disp;
  font.As(&disp);
  return disp;
}
