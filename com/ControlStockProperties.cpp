// The stock properties of the control base: BackColor, ForeColor, Font.
#include "com/ControlBase.h"
#include "com/Fonts.h"

namespace morvex::com {

HRESULT ControlBase::PutStockColor(DISPID dispid, OLE_COLOR color, OLE_COLOR* stored) {
  if (FireOnRequestEdit(dispid) == S_FALSE) return S_FALSE;
  *stored = color;
  FireOnChanged(dispid);
  if (dispid == DISPID_BACKCOLOR) {
    OnBackColorChanged();
  } else {
    OnForeColorChanged();
  }
  FireViewChange();
  return S_OK;
}

HRESULT ControlBase::PutStockBackColor(OLE_COLOR color) {
  return PutStockColor(DISPID_BACKCOLOR, color, &backColor_);
}

HRESULT ControlBase::GetStockBackColor(OLE_COLOR* color) const {
  if (!color) return E_POINTER;
  *color = backColor_;
  return S_OK;
}

HRESULT ControlBase::PutStockForeColor(OLE_COLOR color) {
  return PutStockColor(DISPID_FORECOLOR, color, &foreColor_);
}

HRESULT ControlBase::GetStockForeColor(OLE_COLOR* color) const {
  if (!color) return E_POINTER;
  *color = foreColor_;
  return S_OK;
}

HRESULT ControlBase::PutStockFont(IFontDisp* font) {
  // The clone is made first: a font that cannot be copied changes nothing.
  Ptr<IFontDisp> clone;
  HRESULT result = CloneFontDisp(font, &clone);
  if (FAILED(result)) return result;
  return PutFont(clone.Get());
}

HRESULT ControlBase::PutRefStockFont(IFontDisp* font) { return PutFont(font); }

HRESULT ControlBase::PutFont(IFontDisp* font) {
  if (FireOnRequestEdit(DISPID_FONT) == S_FALSE) return S_FALSE;
  SetFontQuietly(font);
  FireOnChanged(DISPID_FONT);
  OnFontChanged();
  FireViewChange();
  return S_OK;
}

HRESULT ControlBase::GetStockFont(IFontDisp** font) const {
  if (!font) return E_POINTER;
  font_.CopyTo(font);
  return S_OK;
}

void ControlBase::SetFontQuietly(IFontDisp* font) { font_ = font; }

}  // namespace morvex::com
