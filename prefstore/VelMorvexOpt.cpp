// VelMorvexOpt: the options object. Its properties are plain fields that
// take any value; the registry is touched only by Read and Write.
#include "PrefStore.h"
#include "PrefStoreClasses.h"
#include "com/ComObject.h"
#include "com/ConnectionPoints.h"
#include "com/Dispatch.h"
#include "com/PropertyAccess.h"
#include "prefstore/Options.h"
#include "prefstore/OptionsPersistence.h"

namespace morvex::prefstore {

namespace {

// Numbers and colours share the 32 bits the registry keeps; the property
// helpers convert between them and the interface's types.
using com::GetProperty;
using com::PutProperty;

class CVelMorvexOpt : public com::Object<com::Dispatch<IVelMorvexOpt>,
                                         com::ConnectionPointContainer<_IVelMorvexOptEvents>> {
 public:
  static const com::InterfaceEntry* Interfaces() {
    static const com::InterfaceEntry table[] = {
        com::Entry<CVelMorvexOpt, IVelMorvexOpt>(),
        com::Entry<CVelMorvexOpt, IDispatch, IVelMorvexOpt>(),
        com::Entry<CVelMorvexOpt, IConnectionPointContainer>(), com::kEndOfInterfaces};
    return table;
  }

  STDMETHODIMP get_Maximized(long* value) override {
    return GetProperty(Values().maximized, value);
  }
  STDMETHODIMP put_Maximized(long value) override {
    return PutProperty(&Values().maximized, value);
  }
  STDMETHODIMP get_ClipAutotrans(long* value) override {
    return GetProperty(Values().clipAutotrans, value);
  }
  STDMETHODIMP put_ClipAutotrans(long value) override {
    return PutProperty(&Values().clipAutotrans, value);
  }
  STDMETHODIMP get_TextAutotrans(long* value) override {
    return GetProperty(Values().textAutotrans, value);
  }
  STDMETHODIMP put_TextAutotrans(long value) override {
    return PutProperty(&Values().textAutotrans, value);
  }
  STDMETHODIMP get_Left(long* value) override { return GetProperty(Values().position.left, value); }
  STDMETHODIMP put_Left(long value) override { return PutProperty(&Values().position.left, value); }
  STDMETHODIMP get_Top(long* value) override { return GetProperty(Values().position.top, value); }
  STDMETHODIMP put_Top(long value) override { return PutProperty(&Values().position.top, value); }
  STDMETHODIMP get_Right(long* value) override {
    return GetProperty(Values().position.right, value);
  }
  STDMETHODIMP put_Right(long value) override {
    return PutProperty(&Values().position.right, value);
  }
  STDMETHODIMP get_Bottom(long* value) override {
    return GetProperty(Values().position.bottom, value);
  }
  STDMETHODIMP put_Bottom(long value) override {
    return PutProperty(&Values().position.bottom, value);
  }
  STDMETHODIMP get_LangID(long* value) override { return GetProperty(Values().langId, value); }
  STDMETHODIMP put_LangID(long value) override { return PutProperty(&Values().langId, value); }

  STDMETHODIMP get_Font(IFontDisp** font) override {
    if (!font) return E_POINTER;
    options_.font.CopyTo(font);
    return S_OK;
  }
  STDMETHODIMP put_Font(IFontDisp* font) override {
    options_.font = font;
    return S_OK;
  }

  STDMETHODIMP get_CommandID(long* value) override {
    return GetProperty(Values().commandId, value);
  }
  STDMETHODIMP put_CommandID(long value) override {
    return PutProperty(&Values().commandId, value);
  }

  STDMETHODIMP Read() override {
    ReadOptions(&options_);
    return S_OK;
  }
  STDMETHODIMP Write() override {
    WriteOptions(options_);
    return S_OK;
  }

  STDMETHODIMP GetHkeyColl(VARIANT* collection) override {
    if (!collection) return E_POINTER;
    VariantInit(collection);
    if (!options_.hotKeys) return S_FALSE;
    collection->vt = VT_DISPATCH;
    collection->pdispVal = options_.hotKeys.Get();
    collection->pdispVal->AddRef();
    return S_OK;
  }

  STDMETHODIMP get_ColorFore(OLE_COLOR* color) override {
    return GetProperty(Values().colorFore, color);
  }
  STDMETHODIMP put_ColorFore(OLE_COLOR color) override {
    return PutProperty(&Values().colorFore, color);
  }
  STDMETHODIMP get_ColorBack(OLE_COLOR* color) override {
    return GetProperty(Values().colorBack, color);
  }
  STDMETHODIMP put_ColorBack(OLE_COLOR color) override {
    return PutProperty(&Values().colorBack, color);
  }
  STDMETHODIMP get_ColorShadow(OLE_COLOR* color) override {
    return GetProperty(Values().colorShadow, color);
  }
  STDMETHODIMP put_ColorShadow(OLE_COLOR color) override {
    return PutProperty(&Values().colorShadow, color);
  }
  STDMETHODIMP get_ColorText(OLE_COLOR* color) override {
    return GetProperty(Values().colorText, color);
  }
  STDMETHODIMP put_ColorText(OLE_COLOR color) override {
    return PutProperty(&Values().colorText, color);
  }
  STDMETHODIMP get_Animation(long* value) override {
    return GetProperty(Values().animation, value);
  }
  STDMETHODIMP put_Animation(long value) override {
    return PutProperty(&Values().animation, value);
  }

  STDMETHODIMP GetLastDictInfo(long* dictId, long* langIn, long* langOut) override {
    if (!dictId || !langIn || !langOut) return E_POINTER;
    *dictId = Values().lastDict.dictId;
    *langIn = Values().lastDict.langIn;
    *langOut = Values().lastDict.langOut;
    return S_OK;
  }
  STDMETHODIMP PutLastDictInfo(long dictId, long langIn, long langOut) override {
    Values().lastDict = {dictId, langIn, langOut};
    return S_OK;
  }

  STDMETHODIMP get_MouseKey(long* value) override { return GetProperty(Values().mouseKey, value); }
  STDMETHODIMP put_MouseKey(long value) override { return PutProperty(&Values().mouseKey, value); }
  STDMETHODIMP get_MouseModifier(long* value) override {
    return GetProperty(Values().mouseModifier, value);
  }
  STDMETHODIMP put_MouseModifier(long value) override {
    return PutProperty(&Values().mouseModifier, value);
  }

 protected:
  CVelMorvexOpt() = default;
  HRESULT Initialize() { return MakeDefaultOptions(&options_); }

 private:
  OptionValues& Values() { return options_.values; }

  Options options_;
};

}  // namespace

HRESULT CreateVelMorvexOpt(REFIID iid, void** out) {
  return com::CreateObject<CVelMorvexOpt>(iid, out);
}

}  // namespace morvex::prefstore
