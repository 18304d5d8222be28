#include "SettingsDialog.h"

#include <commctrl.h>
#include <commdlg.h>

#include "SettingsSheetResource.h"
#include "com/Module.h"

namespace morvex::settingssheet {

namespace {

// The items of text slots 0-10; slot 11 is the caption.
constexpr int kTextItems[] = {IDC_GROUP_FONT,      IDC_GROUP_COLORS,   IDC_GROUP_LANGUAGE,
                              IDC_GROUP_HOTKEYS,   IDC_LABEL_QUICKTIP, IDC_LABEL_DICTIONARY,
                              IDC_CHECK_ANIMATION, IDC_LANGUAGE_NAME,  IDC_BUTTON_RESET,
                              IDC_BUTTON_OK,       IDC_BUTTON_CANCEL};
constexpr long kCaptionSlot = 11;

// The items that take the host's dialog font.
constexpr int kFontItems[] = {IDC_GROUP_FONT,      IDC_GROUP_COLORS,    IDC_GROUP_LANGUAGE,
                              IDC_GROUP_HOTKEYS,   IDC_LABEL_QUICKTIP,  IDC_LABEL_DICTIONARY,
                              IDC_CHECK_ANIMATION, IDC_HOTKEY_QUICKTIP, IDC_HOTKEY_DICTIONARY,
                              IDC_LANGUAGE_NAME,   IDC_BUTTON_RESET,    IDC_BUTTON_OK,
                              IDC_BUTTON_CANCEL};

// The children that draw themselves from the dialog's WM_DRAWITEM.
constexpr int kOwnerDrawnItems[] = {IDC_BUTTON_FONT,  IDC_FONT_SAMPLE,  IDC_BUTTON_LANGUAGE,
                                    IDC_BUTTON_RESET, IDC_MOUSE_PICKER, IDC_COLOR_WELL,
                                    IDC_BUTTON_OK,    IDC_BUTTON_CANCEL};

// The flat buttons in the order of SettingsDialog::buttons_: two with
// icons, three with text.
constexpr int kFlatButtonIds[] = {IDC_BUTTON_FONT, IDC_BUTTON_LANGUAGE, IDC_BUTTON_OK,
                                  IDC_BUTTON_CANCEL, IDC_BUTTON_RESET};
constexpr int kIconButtons = 2;
constexpr int kIconSize = 32;

// Plain keys, Shift, Ctrl, Alt and Shift+Ctrl+Alt alone are no hot keys:
// the field turns them into Ctrl+Alt.
constexpr WPARAM kInvalidHotKeys = HKCOMB_NONE | HKCOMB_S | HKCOMB_C | HKCOMB_A | HKCOMB_SCA;
constexpr LPARAM kHotKeyReplacement = HOTKEYF_CONTROL | HOTKEYF_ALT;

LOGFONTA DefaultTextFont() {
  LOGFONTA font = {};
  font.lfHeight = -11;
  font.lfWeight = FW_NORMAL;
  font.lfCharSet = RUSSIAN_CHARSET;
  font.lfOutPrecision = OUT_STRING_PRECIS;
  font.lfClipPrecision = CLIP_DEFAULT_PRECIS;
  font.lfQuality = PROOF_QUALITY;
  lstrcpynA(font.lfFaceName, "Verdana", LF_FACESIZE);
  return font;
}

}  // namespace

SettingsDialog::SettingsDialog(SettingsDialogEvents* events) : events_(events) {
  values_.textFont = DefaultTextFont();
  // Wine smooths text; smoothed edge pixels would survive the well's flood
  // fills and pile up.
  captionFont_ =
      CreateFontA(-8, 0, 0, 0, FW_NORMAL, FALSE, FALSE, FALSE, RUSSIAN_CHARSET, OUT_STRING_PRECIS,
                  CLIP_DEFAULT_PRECIS, NONANTIALIASED_QUALITY, 0, "MS Serif");
  well_.SetCaptionFont(captionFont_);
  well_.SetCaptionColor(values_.textColour);
}

SettingsDialog::~SettingsDialog() {
  for (HICON icon : languageIcons_)
    if (icon) DestroyIcon(icon);
  if (captionFont_) DeleteObject(captionFont_);
}

INT_PTR SettingsDialog::Invoke(HWND owner) {
  INITCOMMONCONTROLSEX classes = {sizeof(classes), ICC_HOTKEY_CLASS};
  InitCommonControlsEx(&classes);
  modal_ = true;
  const INT_PTR code = Run(owner, com::ModuleInstance(), IDD_SETTINGS);
  modal_ = false;
  sample_.reset();
  for (auto& button : buttons_) button.reset();
  return code;
}

void SettingsDialog::EndByHost() {
  if (!modal_) return;
  modal_ = false;
  End(IDOK);
}

void SettingsDialog::SetItemText(long index, const std::string& text) {
  if (index < 0 || index >= kTextSlots) return;
  if (open())
    ApplyItemText(index, text);
  else
    slots_[index] = text;
}

void SettingsDialog::ApplyItemText(long index, const std::string& text) {
  if (index == kCaptionSlot)
    SetWindowTextA(handle(), text.c_str());
  else if (HWND item = GetDlgItem(handle(), kTextItems[index]))
    SetWindowTextA(item, text.c_str());
}

void SettingsDialog::ShowCheck(int id, long value) {
  if (open()) CheckDlgButton(handle(), id, value == 1 ? BST_CHECKED : BST_UNCHECKED);
}

void SettingsDialog::ShowHotKey(int id, WORD hotKey) {
  if (open()) SendDlgItemMessageA(handle(), id, HKM_SETHOTKEY, hotKey, 0);
}

void SettingsDialog::SetTextsFont(HFONT font) {
  if (!open()) return;
  for (int id : kFontItems)
    if (HWND item = GetDlgItem(handle(), id))
      SendMessageA(item, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
  RedrawWindow(handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN);
}

void SettingsDialog::SetLanguageIcons(HICON hot, HICON cold, int cx, int cy) {
  // The host frees its icons once the call is over.
  HICON copies[2] = {hot ? CopyIcon(hot) : nullptr, cold ? CopyIcon(cold) : nullptr};
  for (HICON icon : languageIcons_)
    if (icon) DestroyIcon(icon);
  languageIcons_[0] = copies[0];
  languageIcons_[1] = copies[1];
  languageIconSize_ = {cx, cy};
  if (buttons_[1] && buttons_[1]->handle())
    buttons_[1]->SetIcons(languageIcons_[0], languageIcons_[1], cx, cy);
}

void SettingsDialog::SetButtonColour(COLORREF colour) {
  buttonColour_ = colour;
  if (!open()) return;
  if (sample_) sample_->Show(values_.textFont, values_.textColour);
  ColourButtons();
}

void SettingsDialog::SetTextColour(COLORREF colour) {
  values_.textColour = colour;
  well_.SetCaptionColor(colour);
}

int SettingsDialog::PixelsPerInchY() const {
  HDC dc = GetDC(handle());
  const int perInch = GetDeviceCaps(dc, LOGPIXELSY);
  ReleaseDC(handle(), dc);
  return perInch;
}

bool SettingsDialog::OnInitDialog(HWND /*defaultFocus*/) {
  buttonColour_ = GetSysColor(COLOR_BTNFACE);
  for (long slot = 0; slot < kTextSlots; ++slot)
    if (!slots_[slot].empty()) ApplyItemText(slot, slots_[slot]);
  MakeFlatButtons();
  well_.Attach(GetDlgItem(handle(), IDC_COLOR_WELL), IDB_COLOR_WELL, IDC_COLOR_WELL_CURSOR);
  well_.SetCaptionFont(captionFont_);
  well_.PaintAll();
  picker_.Attach(GetDlgItem(handle(), IDC_MOUSE_PICKER), IDB_MOUSE_PICKER, IDC_MOUSE_PICKER_CURSOR);
  // The host's button (MouseButton) stays chosen, so OK returns what it stored.
  picker_.SelectButton(picker_.button());
  sample_ = std::make_unique<FontSample>();
  sample_->Attach(GetDlgItem(handle(), IDC_FONT_SAMPLE));
  for (int id : {IDC_HOTKEY_QUICKTIP, IDC_HOTKEY_DICTIONARY})
    SendDlgItemMessageA(handle(), id, HKM_SETRULES, kInvalidHotKeys, kHotKeyReplacement);
  sample_->Show(values_.textFont, values_.textColour);
  ShowCheck(IDC_CHECK_ANIMATION, values_.chkTip);
  ShowCheck(IDC_CHECK_TRANSLATE, values_.chkTranslate);
  ShowHotKey(IDC_HOTKEY_QUICKTIP, values_.hkQuickTip);
  ShowHotKey(IDC_HOTKEY_DICTIONARY, values_.hkDictionary);
  return true;
}

void SettingsDialog::MakeFlatButtons() {
  for (int k = 0; k < kFlatButtons; ++k) {
    buttons_[k] = std::make_unique<controls::FlatButton>();
    buttons_[k]->Attach(GetDlgItem(handle(), kFlatButtonIds[k]));
    buttons_[k]->look().coldEdge = k >= kIconButtons;
  }
  buttons_[0]->LoadIcons(IDI_FONT_HOT, IDI_FONT_COLD, kIconSize, kIconSize);
  if (languageIcons_[0])
    buttons_[1]->SetIcons(languageIcons_[0], languageIcons_[1], languageIconSize_.cx,
                          languageIconSize_.cy);
  else
    buttons_[1]->LoadIcons(IDI_LANGUAGE_HOT, IDI_LANGUAGE_COLD, kIconSize, kIconSize);
  ColourButtons();
}

void SettingsDialog::ColourButtons() {
  for (auto& button : buttons_) {
    if (!button) continue;
    button->look().coldBack = button->look().hotBack = buttonColour_;
    if (button->handle()) InvalidateRect(button->handle(), nullptr, TRUE);
  }
}

bool SettingsDialog::OnMessage(UINT message, WPARAM wParam, LPARAM lParam, INT_PTR* result) {
  switch (message) {
    case WM_DRAWITEM:
      for (int id : kOwnerDrawnItems) {
        if (static_cast<int>(wParam) == id) {
          SendMessageA(GetDlgItem(handle(), id), WM_DRAWITEM, wParam, lParam);
          *result = TRUE;
          return true;
        }
      }
      return false;
    case WM_CTLCOLORSTATIC: {
      HWND item = reinterpret_cast<HWND>(lParam);
      if (item != well_.handle() && item != picker_.handle()) return false;
      *result = PictureStatic::StaticBackground(reinterpret_cast<HDC>(wParam));
      return true;
    }
    case WM_CLOSE:
      Close(IDCANCEL);
      *result = 0;
      return true;
    default:
      return ModalDialog::OnMessage(message, wParam, lParam, result);
  }
}

bool SettingsDialog::OnCommand(int id, int code, HWND /*control*/) {
  if (code != BN_CLICKED) return false;
  switch (id) {
    case IDCANCEL:
    case IDC_BUTTON_CANCEL:
      Close(IDCANCEL);
      return true;
    case IDC_BUTTON_OK:
      Accept();
      return true;
    case IDC_CHECK_ANIMATION:
      values_.chkTip = values_.chkTip == 1 ? 0 : 1;
      return true;
    case IDC_BUTTON_FONT:
      RunFontDialog();
      return true;
    case IDC_BUTTON_LANGUAGE: {
      RECT bounds = {};
      GetWindowRect(GetDlgItem(handle(), IDC_BUTTON_LANGUAGE), &bounds);
      events_->OnLanguageButton(bounds.left, bounds.bottom);
      return true;
    }
    case IDC_BUTTON_RESET:
      ResetColours();
      return true;
    default:
      return false;
  }
}

void SettingsDialog::Close(long code) {
  events_->OnDialogClose(code);
  if (!modal_) return;
  modal_ = false;
  End(code);
}

void SettingsDialog::Accept() {
  // The host hears OK before the fields are read: what it sets in its
  // handler is what the dialog returns.
  events_->OnDialogClose(IDOK);
  if (!modal_) return;
  values_.hkQuickTip =
      LOWORD(SendDlgItemMessageA(handle(), IDC_HOTKEY_QUICKTIP, HKM_GETHOTKEY, 0, 0));
  values_.hkDictionary =
      LOWORD(SendDlgItemMessageA(handle(), IDC_HOTKEY_DICTIONARY, HKM_GETHOTKEY, 0, 0));
  modal_ = false;
  End(IDOK);
}

void SettingsDialog::RunFontDialog() {
  CHOOSEFONTA choice = {};
  choice.lStructSize = sizeof(choice);
  choice.hwndOwner = handle();
  choice.lpLogFont = &values_.textFont;
  choice.Flags = CF_SCREENFONTS | CF_INITTOLOGFONTSTRUCT | CF_EFFECTS;
  choice.rgbColors = values_.textColour;
  if (!ChooseFontA(&choice)) return;
  SetTextColour(choice.rgbColors);
  if (sample_) sample_->Show(values_.textFont, values_.textColour);
  well_.PaintAll();
}

void SettingsDialog::ResetColours() {
  SetTextColour(GetSysColor(COLOR_WINDOWTEXT));
  if (sample_) sample_->Show(values_.textFont, values_.textColour);
  well_.SetColor(ColorWell::kInterface, GetSysColor(COLOR_BTNFACE));
  well_.SetColor(ColorWell::kControl, GetSysColor(COLOR_WINDOW));
  well_.SetColor(ColorWell::kTitle, GetSysColor(COLOR_INACTIVECAPTION));
  well_.PaintAll();
}

}  // namespace morvex::settingssheet
