#include "com/Fonts.h"

namespace morvex::com {

namespace {

// FONTDESC sizes are in ten-thousandths of a point.
constexpr LONGLONG kFontSizeUnitsPerPoint = 10000;
// The size of a GDI font that names none (height 0: the default size).
constexpr int kFallbackPoints = 8;

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

HRESULT CreateFontDispFromGdi(HFONT gdiFont, Ptr<IFontDisp>* font) {
  font->Reset();
  LOGFONTW logFont = {};
  if (!gdiFont || !GetObjectW(gdiFont, sizeof logFont, &logFont)) return E_INVALIDARG;
  HDC screen = GetDC(nullptr);
  int dpi = GetDeviceCaps(screen, LOGPIXELSY);
  ReleaseDC(nullptr, screen);
  int points =
      MulDiv(logFont.lfHeight < 0 ? -logFont.lfHeight : logFont.lfHeight, 72, dpi ? dpi : 96);
  const FontSpec spec = {logFont.lfFaceName, points > 0 ? points : kFallbackPoints,
                         static_cast<SHORT>(logFont.lfWeight), logFont.lfCharSet,
                         logFont.lfItalic != 0};
  return CreateFontDisp(spec, font);
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
