#include "HeaderPainter.h"

#include "PageStripResource.h"
#include "com/Module.h"

namespace morvex::pagestrip {

namespace {

constexpr int kIconSize = 32;
// The icon's left edge, from the header's right edge.
constexpr int kIconInset = 32;

// The caption font: the OLE font as the look holds it, and the bold
// Cyrillic font made from it, with the GDI font it was made from (a font
// object gives a new one when its traits change).
struct CaptionFont {
  IFontDisp* source = nullptr;  // referenced
  HFONT madeFrom = nullptr;
  HFONT bold = nullptr;
};

// Plain data with no destructor: nothing runs while the DLL unloads.
CaptionFont g_captionFont;
int g_lookUsers = 0;

void ForgetBoldFont() {
  if (g_captionFont.bold) DeleteObject(g_captionFont.bold);
  g_captionFont.bold = nullptr;
  g_captionFont.madeFrom = nullptr;
}

HFONT GdiFontOf(IFontDisp* font) {
  IFont* details = nullptr;
  if (!font || FAILED(font->QueryInterface(IID_IFont, reinterpret_cast<void**>(&details)))) {
    return nullptr;
  }
  HFONT handle = nullptr;
  if (FAILED(details->get_hFont(&handle))) handle = nullptr;
  details->Release();
  return handle;
}

HFONT CaptionGdiFont() {
  HFONT source = GdiFontOf(g_captionFont.source);
  if (!source) return static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
  if (source != g_captionFont.madeFrom) {
    ForgetBoldFont();
    LOGFONTW traits = {};
    if (GetObjectW(source, sizeof traits, &traits) == sizeof traits) {
      traits.lfWeight = FW_BOLD;
      traits.lfCharSet = RUSSIAN_CHARSET;
      g_captionFont.bold = CreateFontIndirectW(&traits);
    }
    g_captionFont.madeFrom = source;
  }
  return g_captionFont.bold ? g_captionFont.bold
                            : static_cast<HFONT>(GetStockObject(DEFAULT_GUI_FONT));
}

void FillSolid(HDC dc, const RECT& rect, COLORREF colour) {
  COLORREF old = SetBkColor(dc, colour);
  ExtTextOutW(dc, 0, 0, ETO_OPAQUE, &rect, nullptr, 0, nullptr);
  SetBkColor(dc, old);
}

// A one-pixel 3-D frame just inside the rectangle.
void Draw3dFrame(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
  FillSolid(dc, {r.left, r.top, r.right - 1, r.top + 1}, topLeft);
  FillSolid(dc, {r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
  FillSolid(dc, {r.right - 1, r.top, r.right, r.bottom}, bottomRight);
  FillSolid(dc, {r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
}

HICON StackIcon(bool atTop) {
  return static_cast<HICON>(LoadImageW(com::ModuleInstance(),
                                       MAKEINTRESOURCEW(atTop ? IDI_HEADER_TOP : IDI_HEADER_BOTTOM),
                                       IMAGE_ICON, kIconSize, kIconSize, LR_SHARED));
}

}  // namespace

HeaderLook& SharedHeaderLook() {
  static HeaderLook look = {GetSysColor(COLOR_BTNTEXT), GetSysColor(COLOR_APPWORKSPACE),
                            GetSysColor(COLOR_BTNFACE)};
  return look;
}

void AddHeaderLookUser() { ++g_lookUsers; }

void RemoveHeaderLookUser() {
  if (--g_lookUsers > 0) return;
  SetHeaderFont(nullptr);
}

void SetHeaderFont(IFontDisp* font) {
  if (font == g_captionFont.source) return;
  if (font) font->AddRef();
  if (g_captionFont.source) g_captionFont.source->Release();
  g_captionFont.source = font;
  ForgetBoldFont();
}

void DrawHeader(HDC dc, const PageRecord& page, bool open) {
  if (IsRectEmpty(&page.header)) return;
  const HeaderLook& look = SharedHeaderLook();
  RECT rect = page.header;
  FillSolid(dc, rect, open ? look.activeColor : look.inactiveColor);
  FrameRect(dc, &rect, GetSysColorBrush(COLOR_APPWORKSPACE));
  if (open) Draw3dFrame(dc, rect, GetSysColor(COLOR_WINDOWTEXT), GetSysColor(COLOR_BTNHIGHLIGHT));

  int oldMode = SetBkMode(dc, TRANSPARENT);
  COLORREF oldColour = SetTextColor(dc, open ? GetSysColor(COLOR_HIGHLIGHTTEXT) : look.textColor);
  HGDIOBJ oldFont = SelectObject(dc, CaptionGdiFont());
  DrawTextW(dc, page.name.c_str(), static_cast<int>(page.name.size()), &rect, page.captionFormat);
  SelectObject(dc, oldFont);
  SetTextColor(dc, oldColour);
  SetBkMode(dc, oldMode);
}

void DrawHotHeader(HDC dc, const PageRecord& page) {
  if (IsRectEmpty(&page.header)) return;
  const RECT& rect = page.header;
  Draw3dFrame(dc, rect, GetSysColor(COLOR_BTNHIGHLIGHT), GetSysColor(COLOR_WINDOWTEXT));
  HICON icon = StackIcon(page.atTop);
  if (icon) {
    DrawIconEx(dc, rect.right - kIconInset, (rect.top + rect.bottom) / 2 - kIconSize / 2, icon,
               kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
  }
}

}  // namespace morvex::pagestrip
