#include "com/Fonts.h"

namespace morvex::com {

namespace {

// FONTDESC sizes are in ten-thousandths of a point.
constexpr LONGLONG kFontSizeUnitsPerPoint = 10000;

}  // namespace

HRESULT CreateFontDisp(const FontSpec& spec, Ptr<IFontDisp>* font) {
  FONTDESC description = {};
  description.cbSizeofstruct = sizeof description;
  description.lpstrName = const_cast<LPOLESTR>(spec.face);
  description.cySize.int64 = spec.points * kFontSizeUnitsPerPoint;
  description.sWeight = spec.weight;
  description.sCharset = spec.charset;
  description.fItalic = spec.italic;
  return OleCreateFontIndirect(&description, IID_IFontDisp, font->PutVoid());
}

HRESULT CloneFontDisp(IFontDisp* source, Ptr<IFontDisp>* clone) {
  clone->Reset();
  if (!source) return S_OK;
  Ptr<IFont> font;
  HRESULT result = source->QueryInterface(IID_IFont, font.PutVoid());
  if (FAILED(result)) return result;
  Ptr<IFont> copy;
  result = font->Clone(copy.Put());
  if (FAILED(result)) return result;
  return copy.As(clone);
}

}  // namespace morvex::com
