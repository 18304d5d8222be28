#include "app/DefaultFont.h"

#include "PrefStore.h"
#include "com/Fonts.h"

namespace morvex::solo {

namespace {

constexpr int kLargestPoints = 1638;  // what the font dialog offers at most
constexpr int kPointsPerInch = 72;
constexpr int kDefaultPixelsPerInch = 96;

}  // namespace

com::Ptr<IFontDisp> CreateDefaultFont() {
  static const com::FontSpec kDefault = {L"Tahoma", 8, FW_NORMAL, RUSSIAN_CHARSET, false};
  com::Ptr<IFontDisp> font;
  if (FAILED(com::CreateFontDisp(kDefault, &font))) font.Reset();
  return font;
}

bool IsUsableFont(IFontDisp* font) {
  com::Ptr<IFont> asFont;
  HFONT handle = nullptr;
  LOGFONTW description = {};
  if (!font || FAILED(font->QueryInterface(IID_IFont, asFont.PutVoid())) ||
      FAILED(asFont->get_hFont(&handle)) || !handle ||
      GetObjectW(handle, sizeof description, &description) != sizeof description)
    return false;
  HDC screen = GetDC(nullptr);
  const int pixelsPerInch = screen ? GetDeviceCaps(screen, LOGPIXELSY) : kDefaultPixelsPerInch;
  if (screen) ReleaseDC(nullptr, screen);
  const LONG largest = MulDiv(kLargestPoints, pixelsPerInch, kPointsPerInch);
  // A negative height is the character's, a positive one the cell's.
  return description.lfHeight >= -largest && description.lfHeight <= largest;
}

void KeepUsableFont(IVelMorvexOpt* options) {
  // Options without a font already give every control the default.
  com::Ptr<IFontDisp> font;
  if (!options || FAILED(options->get_Font(font.Put())) || !font || IsUsableFont(font.Get()))
    return;
  if (com::Ptr<IFontDisp> fallback = CreateDefaultFont()) options->put_Font(fallback.Get());
}

}  // namespace morvex::solo
