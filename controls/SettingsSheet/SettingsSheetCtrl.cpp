#include "SettingsSheetCtrl.h"

#include <olectl.h>

#include <string>

#include "FontPoints.h"
#include "SettingsSheetResource.h"
#include "com/Module.h"
#include "com/WideText.h"

namespace morvex::settingssheet {

namespace {

constexpr DISPID kOnCloseEvent = 1;
constexpr DISPID kNeedToChangeResourseEvent = 3;

// The trigger keys as the picker numbers them, as virtual keys.
constexpr long kTriggerKeys[] = {VK_SHIFT, VK_CONTROL, VK_MENU};

std::string AnsiText(BSTR text) {
  return com::AnsiFromWide(std::wstring_view(text ? text : L"", SysStringLen(text)));
}

COLORREF ColourOf(OLE_COLOR colour) {
  COLORREF translated = 0;
  return SUCCEEDED(OleTranslateColor(colour, nullptr, &translated)) ? translated : colour;
}

// The current GDI font of a font object; null when it has none.
HFONT GdiFontOf(IFontDisp* font) {
  com::Ptr<IFont> gdi;
  HFONT handle = nullptr;
  if (font && SUCCEEDED(font->QueryInterface(IID_IFont, gdi.PutVoid()))) gdi->get_hFont(&handle);
  return handle;
}

// The size of dialog template units of `points`-point `face` on the screen.
SIZE DialogUnits(const char* face, int points) {
  HDC screen = GetDC(nullptr);
  const int height = MulDiv(points, GetDeviceCaps(screen, LOGPIXELSY), 72);
  HFONT font = CreateFontA(-height, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, DEFAULT_CHARSET, 0, 0,
                           0, 0, face);
  SIZE units = {};
  if (font) {
    HGDIOBJ old = SelectObject(screen, font);
    static const char kAlphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz";
    SIZE extent = {};
    TEXTMETRICA metrics = {};
    GetTextExtentPoint32A(screen, kAlphabet, 52, &extent);
    GetTextMetricsA(screen, &metrics);
    units = {(extent.cx + 26) / 52, metrics.tmHeight + metrics.tmExternalLeading};
    SelectObject(screen, old);
    DeleteObject(font);
  } else {
    const LONG base = GetDialogBaseUnits();
    units = {LOWORD(base), HIWORD(base)};
  }
  ReleaseDC(nullptr, screen);
  return units;
}

}  // namespace

SettingsSheetCtrl::SettingsSheetCtrl()
    : Control(CLSID_SettingsSheetCtrl, {"MorvexSettingsSheetWindow"}), dialog_(this) {}

HRESULT SettingsSheetCtrl::GetWellColour(int item, OLE_COLOR* colour) const {
  if (!colour) return E_POINTER;
  *colour = dialog_.well().GetColor(item);
  return S_OK;
}

HRESULT SettingsSheetCtrl::PutWellColour(int item, OLE_COLOR colour) {
  dialog_.well().SetColor(item, ColourOf(colour));
  return S_OK;
}

STDMETHODIMP SettingsSheetCtrl::get_InterfaceColor(OLE_COLOR* colour) {
  return GetWellColour(ColorWell::kInterface, colour);
}
STDMETHODIMP SettingsSheetCtrl::put_InterfaceColor(OLE_COLOR colour) {
  return PutWellColour(ColorWell::kInterface, colour);
}
STDMETHODIMP SettingsSheetCtrl::get_ControlColor(OLE_COLOR* colour) {
  return GetWellColour(ColorWell::kControl, colour);
}
STDMETHODIMP SettingsSheetCtrl::put_ControlColor(OLE_COLOR colour) {
  return PutWellColour(ColorWell::kControl, colour);
}
STDMETHODIMP SettingsSheetCtrl::get_TitleColor(OLE_COLOR* colour) {
  return GetWellColour(ColorWell::kTitle, colour);
}
STDMETHODIMP SettingsSheetCtrl::put_TitleColor(OLE_COLOR colour) {
  return PutWellColour(ColorWell::kTitle, colour);
}

// The clipboard-translation hot key has no field here; the host keeps its own.
STDMETHODIMP SettingsSheetCtrl::get_HKTranslateCbd(long* /*hotKey*/) { return S_OK; }
STDMETHODIMP SettingsSheetCtrl::put_HKTranslateCbd(long /*hotKey*/) { return S_OK; }

STDMETHODIMP SettingsSheetCtrl::get_HKQuickTip(long* hotKey) {
  if (!hotKey) return E_POINTER;
  *hotKey = dialog_.values().hkQuickTip;
  return S_OK;
}

STDMETHODIMP SettingsSheetCtrl::put_HKQuickTip(long hotKey) {
  dialog_.values().hkQuickTip = LOWORD(hotKey);
  dialog_.ShowHotKey(IDC_HOTKEY_QUICKTIP, LOWORD(hotKey));
  return S_OK;
}

STDMETHODIMP SettingsSheetCtrl::get_HKDictionary(long* hotKey) {
  if (!hotKey) return E_POINTER;
  *hotKey = dialog_.values().hkDictionary;
  return S_OK;
}

STDMETHODIMP SettingsSheetCtrl::put_HKDictionary(long hotKey) {
  dialog_.values().hkDictionary = LOWORD(hotKey);
  dialog_.ShowHotKey(IDC_HOTKEY_DICTIONARY, LOWORD(hotKey));
  return S_OK;
}

STDMETHODIMP SettingsSheetCtrl::get_TextFont(OLE_COLOR* colour, IFontDisp** font) {
  if (colour) *colour = dialog_.values().textColour;
  const LOGFONTA& text = dialog_.values().textFont;
  FONTDESC description = {};
  description.cbSizeofstruct = sizeof(description);
  const std::wstring face = com::WideFromAnsi(text.lfFaceName);
  description.lpstrName = const_cast<LPOLESTR>(face.c_str());
  description.cySize.int64 = PointsOfHeight(text.lfHeight, dialog_.PixelsPerInchY()) * 10000LL;
  description.sWeight = static_cast<SHORT>(text.lfWeight);
  description.sCharset = text.lfCharSet;
  description.fItalic = text.lfItalic != 0;
  description.fUnderline = text.lfUnderline != 0;
  description.fStrikethrough = text.lfStrikeOut != 0;
  textFont_ = nullptr;
  HRESULT made = OleCreateFontIndirect(&description, IID_IFontDisp, textFont_.PutVoid());
  if (FAILED(made)) return made;
  if (font) {
    *font = textFont_.Get();
    (*font)->AddRef();
  }
  return S_OK;
}

STDMETHODIMP SettingsSheetCtrl::put_TextFont(OLE_COLOR* colour, IFontDisp* font) {
  if (!colour || !font) return E_POINTER;
  dialog_.SetTextColour(ColourOf(*colour));
  if (HFONT gdi = GdiFontOf(font)) GetObjectA(gdi, sizeof(LOGFONTA), &dialog_.values().textFont);
  return S_OK;
}

STDMETHODIMP SettingsSheetCtrl::get_ChkTip(long* value) {
  if (!value) return E_POINTER;
  *value = dialog_.values().chkTip;
  return S_OK;
}

STDMETHODIMP SettingsSheetCtrl::put_ChkTip(long value) {
  dialog_.values().chkTip = value;
  dialog_.ShowCheck(IDC_CHECK_ANIMATION, value);
  return S_OK;
}

STDMETHODIMP SettingsSheetCtrl::get_ChkDict(long* value) {
  if (!value) return E_POINTER;
  *value = dialog_.values().chkDict;
  return S_OK;
}

STDMETHODIMP SettingsSheetCtrl::put_ChkDict(long value) {
  dialog_.values().chkDict = value;
  return S_OK;
}

STDMETHODIMP SettingsSheetCtrl::get_ChkTranslate(long* value) {
  if (!value) return E_POINTER;
  *value = dialog_.values().chkTranslate;
  return S_OK;
}

STDMETHODIMP SettingsSheetCtrl::put_ChkTranslate(long value) {
  dialog_.values().chkTranslate = value;
  dialog_.ShowCheck(IDC_CHECK_TRANSLATE, value);
  return S_OK;
}

STDMETHODIMP SettingsSheetCtrl::GetDialogSize(long* cx, long* cy) {
  if (!cx || !cy) return E_POINTER;
  constexpr int kTemplateWidth = 267, kTemplateHeight = 217;
  const SIZE units = DialogUnits("MS Sans Serif", 8);
  *cx = MulDiv(kTemplateWidth, units.cx, 4);
  *cy = MulDiv(kTemplateHeight, units.cy, 8);
  return S_OK;
}

STDMETHODIMP SettingsSheetCtrl::get_FontDialog(IFontDisp** /*font*/) { return S_OK; }

STDMETHODIMP SettingsSheetCtrl::put_FontDialog(IFontDisp* font) {
  if (HFONT gdi = GdiFontOf(font)) dialog_.SetTextsFont(gdi);
  return S_OK;
}

HRESULT SettingsSheetCtrl::PutWellCaption(int item, BSTR caption, int key) {
  dialog_.well().SetCaption(item, AnsiText(caption), key);
  return S_OK;
}

STDMETHODIMP SettingsSheetCtrl::put_InterfaceBmpTitle(BSTR caption, int key) {
  return PutWellCaption(ColorWell::kInterface, caption, key);
}
STDMETHODIMP SettingsSheetCtrl::put_ControlBmpTitle(BSTR caption, int key) {
  return PutWellCaption(ColorWell::kControl, caption, key);
}
STDMETHODIMP SettingsSheetCtrl::put_TitleBmpTitle(BSTR caption, int key) {
  return PutWellCaption(ColorWell::kTitle, caption, key);
}

STDMETHODIMP SettingsSheetCtrl::InvokeDialog(long owner, long* exitCode) {
  const INT_PTR code = dialog_.Invoke(static_cast<HWND>(LongToHandle(owner)));
  if (exitCode) *exitCode = static_cast<long>(code);
  return S_OK;
}

STDMETHODIMP SettingsSheetCtrl::get_MouseVirtKey(long* key) {
  if (!key) return E_POINTER;
  *key = kTriggerKeys[dialog_.picker().key()];
  return S_OK;
}

STDMETHODIMP SettingsSheetCtrl::put_MouseVirtKey(long key) {
  dialog_.picker().SetKey(key == VK_CONTROL ? 1 : key == VK_MENU ? 2 : 0);
  return S_OK;
}

STDMETHODIMP SettingsSheetCtrl::get_MouseButton(long* button) {
  if (!button) return E_POINTER;
  *button = dialog_.picker().button();
  return S_OK;
}

STDMETHODIMP SettingsSheetCtrl::put_MouseButton(long button) {
  dialog_.picker().SelectButton(button);
  return S_OK;
}

STDMETHODIMP SettingsSheetCtrl::SetResourseBnIcon(long hotIcon, long coldIcon, long cx, long cy) {
  dialog_.SetLanguageIcons(static_cast<HICON>(LongToHandle(hotIcon)),
                           static_cast<HICON>(LongToHandle(coldIcon)), cx, cy);
  return S_OK;
}

STDMETHODIMP SettingsSheetCtrl::EndDialogUser() {
  dialog_.EndByHost();
  return S_OK;
}

STDMETHODIMP SettingsSheetCtrl::put_DlgItemText(long index, BSTR text) {
  dialog_.SetItemText(index, AnsiText(text));
  return S_OK;
}

void SettingsSheetCtrl::OnAmbientChanged(DISPID dispid) {
  if (dispid != DISPID_AMBIENT_BACKCOLOR && dispid != DISPID_UNKNOWN) return;
  OLE_COLOR colour = 0;
  if (AmbientBackColor(&colour)) dialog_.SetButtonColour(ColourOf(colour));
}

void SettingsSheetCtrl::OnDialogClose(long code) { FireEvent(kOnCloseEvent, {com::Variant(code)}); }

void SettingsSheetCtrl::OnLanguageButton(long x, long y) {
  FireEvent(kNeedToChangeResourseEvent, {com::Variant(x), com::Variant(y)});
}

}  // namespace morvex::settingssheet
