#include "com/Ambient.h"

namespace morvex::com {

HRESULT GetAmbientProperty(IUnknown* site, DISPID dispid, VARTYPE type, Variant* value) {
  value->Put();
  if (!site) return E_UNEXPECTED;
  Ptr<IDispatch> ambient;
  HRESULT result = site->QueryInterface(IID_IDispatch, ambient.PutVoid());
  if (FAILED(result)) return result;
  if (!ambient) return E_NOINTERFACE;
  DISPPARAMS none = {nullptr, nullptr, 0, 0};
  result = ambient->Invoke(dispid, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_PROPERTYGET, &none,
                           value->Put(), nullptr, nullptr);
  if (FAILED(result)) {
    value->Put();
    return result;
  }
  // A site that "answers" with nothing has not given the property.
  if (value->Type() == VT_EMPTY) return DISP_E_MEMBERNOTFOUND;
  if (value->Type() != type) {
    result = VariantChangeType(value->Address(), value->Address(), 0, type);
    if (FAILED(result)) value->Put();
  }
  return result;
}

bool AmbientBackColor(IUnknown* site, OLE_COLOR* color) {
  Variant value;
  if (SUCCEEDED(GetAmbientProperty(site, DISPID_AMBIENT_BACKCOLOR, VT_I4, &value))) {
    *color = static_cast<OLE_COLOR>(value.Get().lVal);
    return true;
  }
  *color = kSystemColorFlag | COLOR_WINDOW;
  return false;
}

bool AmbientForeColor(IUnknown* site, OLE_COLOR* color) {
  Variant value;
  if (SUCCEEDED(GetAmbientProperty(site, DISPID_AMBIENT_FORECOLOR, VT_I4, &value))) {
    *color = static_cast<OLE_COLOR>(value.Get().lVal);
    return true;
  }
  *color = kSystemColorFlag | COLOR_WINDOWTEXT;
  return false;
}

bool AmbientFont(IUnknown* site, Ptr<IFontDisp>* font) {
  font->Reset();
  Variant value;
  if (FAILED(GetAmbientProperty(site, DISPID_AMBIENT_FONT, VT_DISPATCH, &value))) return false;
  IDispatch* object = value.Get().pdispVal;
  return object && SUCCEEDED(object->QueryInterface(IID_IFontDisp, font->PutVoid()));
}

bool AmbientUserMode(IUnknown* site, bool* userMode) {
  Variant value;
  if (SUCCEEDED(GetAmbientProperty(site, DISPID_AMBIENT_USERMODE, VT_BOOL, &value))) {
    *userMode = value.Get().boolVal != VARIANT_FALSE;
    return true;
  }
  *userMode = true;
  return false;
}

bool AmbientLocaleId(IUnknown* site, LCID* locale) {
  Variant value;
  if (SUCCEEDED(GetAmbientProperty(site, DISPID_AMBIENT_LOCALEID, VT_I4, &value))) {
    *locale = static_cast<LCID>(value.Get().lVal);
    return true;
  }
  *locale = GetUserDefaultLCID();
  return false;
}

}  // namespace morvex::com
