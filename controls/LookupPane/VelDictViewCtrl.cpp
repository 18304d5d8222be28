// The viewer's interface, its dictionary and the article display; its
// window (creation, layout, face, child messages) is ViewerWindow.cpp.
#include "VelDictViewCtrl.h"

#include <olectl.h>
#include <richedit.h>

#include "LookupPaneResource.h"
#include "SearchWord.h"
#include "com/Module.h"
#include "com/WideText.h"

namespace morvex::lookuppane {

namespace {

constexpr long kRussian = 25;
constexpr long kPrimaryLanguageMask = 0x3FF;

enum EventId : DISPID {
  kNeedToSetLangInput = 2,
  kNeedPopupMenu = 3,
};

std::string AnsiOf(BSTR text) {
  return com::AnsiFromWide(std::wstring_view(text ? text : L"", SysStringLen(text)));
}

BYTE CharsetOfLanguage(long language) { return language == kRussian ? RUSSIAN_CHARSET : 0; }

HFONT CreateDerivedFont(LOGFONTA description, BYTE charset) {
  description.lfCharSet = charset;
  return CreateFontIndirectA(&description);
}

}  // namespace

CVelDictViewCtrl::CVelDictViewCtrl()
    : Control(CLSID_VelDictViewCtrl, {"MorvexDictViewWindow"}),
      controlBrush_(CreateSolidBrush(controlBack_)),
      // A cursor of our own, not the shared copy: the control destroys it.
      linkCursor_(
          static_cast<HCURSOR>(LoadImageA(com::ModuleInstance(), MAKEINTRESOURCEA(IDC_LINK_CURSOR),
                                          IMAGE_CURSOR, 0, 0, LR_DEFAULTSIZE))),
      // "Введите слово:", "Словарь:", "Перевод:", "Ссылка:" in code page 1251.
      titles_{"\xC2\xE2\xE5\xE4\xE8\xF2\xE5 \xF1\xEB\xEE\xE2\xEE:", "\xD1\xEB\xEE\xE2\xE0\xF0\xFC:",
              "\xCF\xE5\xF0\xE5\xE2\xEE\xE4:", "\xD1\xF1\xFB\xEB\xEA\xE0:"},
      iconWidth_(GetSystemMetrics(SM_CXSMICON)),
      iconHeight_(GetSystemMetrics(SM_CYSMICON)) {
  controls::FontChangeListener::Create(this, &fontListener_);
}

CVelDictViewCtrl::~CVelDictViewCtrl() {
  if (fontListener_) fontListener_->Disconnect();
  if (dictionary_) {
    long opened = 0;
    if (SUCCEEDED(dictionary_->get_Opened(&opened)) && opened) dictionary_->Close();
  }
  if (controlBrush_) DeleteObject(controlBrush_);
  if (linkCursor_) DestroyCursor(linkCursor_);
  if (inputFont_) DeleteObject(inputFont_);
  if (outputFont_) DeleteObject(outputFont_);
}

// --- IVelDictViewCtrl

STDMETHODIMP CVelDictViewCtrl::put_CharSetEnv(short charset) {
  environmentCharset_ = static_cast<BYTE>(charset);
  FireViewChange();
  return S_OK;
}

STDMETHODIMP CVelDictViewCtrl::put_BkColorCtrl(OLE_COLOR colour) {
  controlBack_ = static_cast<COLORREF>(colour);
  HBRUSH old = controlBrush_;
  controlBrush_ = CreateSolidBrush(controlBack_);
  history_.SetLook(ListLook(), itemHeight_);
  if (entry_.handle()) InvalidateRect(entry_.handle(), nullptr, TRUE);
  if (words_.handle()) InvalidateRect(words_.handle(), nullptr, TRUE);
  if (article_.handle())
    SendMessageA(article_.handle(), EM_SETBKGNDCOLOR, 0, static_cast<LPARAM>(controlBack_));
  if (old) DeleteObject(old);
  return S_OK;
}

STDMETHODIMP CVelDictViewCtrl::put_TextCtrl(short, OLE_COLOR colour) {
  textColour_ = static_cast<COLORREF>(colour);
  history_.SetLook(ListLook(), itemHeight_);
  if (entry_.handle()) InvalidateRect(entry_.handle(), nullptr, TRUE);
  if (words_.handle()) InvalidateRect(words_.handle(), nullptr, TRUE);
  article_.ApplyArticleFormats(Look());
  return S_OK;
}

STDMETHODIMP CVelDictViewCtrl::put_TitleCtrl(short eType, BSTR chTitle) {
  if (eType < 0 || eType >= 4) return S_OK;
  titles_[eType] = AnsiOf(chTitle);
  FireViewChange();
  return S_OK;
}

STDMETHODIMP CVelDictViewCtrl::put_BkInterfaceColor(OLE_COLOR colour) {
  interfaceBack_ = static_cast<COLORREF>(colour);
  PushToStrip(kStripBackColour);
  for (controls::FlatButton* button : {&historyButton_, &directionButton_}) {
    button->look().coldBack = interfaceBack_;
    button->look().hotBack = interfaceBack_;
    if (button->handle()) InvalidateRect(button->handle(), nullptr, TRUE);
  }
  words_.scrollBars().SetBackground(interfaceBack_);
  history_.SetBarColour(interfaceBack_);
  article_.scrollBars().SetBackground(interfaceBack_);
  FireViewChange();
  return S_OK;
}

STDMETHODIMP CVelDictViewCtrl::put_clrTxtInterface(OLE_COLOR colour) {
  interfaceText_ = static_cast<COLORREF>(colour);
  PushToStrip(kStripTextColour);
  FireViewChange();
  return S_OK;
}

STDMETHODIMP CVelDictViewCtrl::SetTitles(BSTR word, BSTR dictionary, BSTR translation, BSTR go) {
  titles_[0] = AnsiOf(word);
  titles_[1] = AnsiOf(dictionary);
  titles_[2] = AnsiOf(translation);
  titles_[3] = AnsiOf(go);
  FireViewChange();
  return S_OK;
}

STDMETHODIMP CVelDictViewCtrl::put_LookKbd(long look) {
  lookAtKeyboard_ = look;
  return S_OK;
}

STDMETHODIMP CVelDictViewCtrl::ChangeDictNameOnEvent(IUnknown* dictionary) {
  // The typed word, before the start of the new dictionary is shown (and
  // written into the entry).
  const std::string typed = LowerCasedForSearch(entry_.handle() ? entry_.Text() : "");
  HRESULT hr = TakeDictionary(dictionary);
  if (FAILED(hr)) return hr;
  hr = words_.LookupWord(nullptr);
  if (SUCCEEDED(hr)) hr = words_.LookupWord(&typed);
  strip_.SelectLetterOf(typed);
  history_.Clear();
  return hr;
}

STDMETHODIMP CVelDictViewCtrl::put_FontControls(IFontDisp* font) {
  SetFontQuietly(font);
  if (fontListener_) fontListener_->Listen(font);
  RebuildFonts(true, true);
  if (inputFont_ && words_.handle()) {
    HDC dc = GetDC(words_.handle());
    HGDIOBJ old = SelectObject(dc, inputFont_);
    TEXTMETRICA metrics = {};
    GetTextMetricsA(dc, &metrics);
    SelectObject(dc, old);
    ReleaseDC(words_.handle(), dc);
    itemHeight_ = metrics.tmHeight + metrics.tmExternalLeading + 2;
    textHeight_ = metrics.tmHeight;
    entryHeight_ = itemHeight_;
    stripHeight_ = itemHeight_;
  }
  history_.SetLook(ListLook(), itemHeight_);
  HRESULT hr = S_OK;
  if (words_.handle() && words_.RowCount() > 0) {
    // The rows inserted again take the new height; the row selected before
    // is selected and shown again.
    const int selection = words_.Selection();
    const std::string first = words_.RowText(0);
    hr = words_.LookupWord(&first);
    if (SUCCEEDED(hr) && selection >= 0 && selection < words_.RowCount()) {
      SendMessageA(words_.handle(), LB_SETCURSEL, static_cast<WPARAM>(selection), 0);
      hr = words_.ShowRow(selection);
    }
  }
  history_.Remeasure();
  Layout();
  return hr;
}

STDMETHODIMP CVelDictViewCtrl::SetDictionary(IUnknown* dictionary) {
  HRESULT hr = TakeDictionary(dictionary);
  if (FAILED(hr)) return hr;
  if (entry_.handle()) {
    const std::string text = entry_.Text();
    hr = words_.LookupWord(&text);
  }
  history_.Clear();
  return hr;
}

STDMETHODIMP CVelDictViewCtrl::CopyText(long indxCtrl) {
  HWND target = indxCtrl ? article_.handle() : entry_.handle();
  if (target) SendMessageA(target, WM_COPY, 0, 0);
  return S_OK;
}

STDMETHODIMP CVelDictViewCtrl::SelectAll(long indxCtrl) {
  if (indxCtrl) {
    CHARRANGE all = {0, -1};
    if (article_.handle())
      SendMessageA(article_.handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&all));
  } else if (entry_.handle()) {
    SendMessageA(entry_.handle(), EM_SETSEL, 0, -1);
  }
  return S_OK;
}

STDMETHODIMP CVelDictViewCtrl::UndoText() {
  if (entry_.handle()) SendMessageA(entry_.handle(), WM_UNDO, 0, 0);
  return S_OK;
}

STDMETHODIMP CVelDictViewCtrl::PasteText() {
  if (entry_.handle()) SendMessageA(entry_.handle(), WM_PASTE, 0, 0);
  return S_OK;
}

STDMETHODIMP CVelDictViewCtrl::DeleteText() {
  if (entry_.handle()) SendMessageA(entry_.handle(), WM_CLEAR, 0, 0);
  return S_OK;
}

STDMETHODIMP CVelDictViewCtrl::CutText() {
  if (entry_.handle()) SendMessageA(entry_.handle(), WM_CUT, 0, 0);
  return S_OK;
}

STDMETHODIMP CVelDictViewCtrl::get_CanUndo(long* canUndo) {
  if (!canUndo) return E_POINTER;
  *canUndo = entry_.handle() && SendMessageA(entry_.handle(), EM_CANUNDO, 0, 0) ? 1 : 0;
  return S_OK;
}

STDMETHODIMP CVelDictViewCtrl::get_hasSelText(long tip, long* has) {
  if (!has) return E_POINTER;
  *has = 0;
  if (tip) {
    CHARRANGE selection = {0, 0};
    if (article_.handle())
      SendMessageA(article_.handle(), EM_EXGETSEL, 0, reinterpret_cast<LPARAM>(&selection));
    *has = selection.cpMin != selection.cpMax ? 1 : 0;
  } else if (entry_.handle()) {
    DWORD start = 0, end = 0;
    SendMessageA(entry_.handle(), EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    *has = start != end ? 1 : 0;
  }
  return S_OK;
}

STDMETHODIMP CVelDictViewCtrl::put_SetDictIcon(LONG_PTR hotIcon, LONG_PTR coldIcon, long cx,
                                               long cy) {
  iconWidth_ = cx;
  iconHeight_ = cy;
  hostIcons_ = true;
  if (directionButton_.handle())
    directionButton_.SetIcons(reinterpret_cast<HICON>(hotIcon), reinterpret_cast<HICON>(coldIcon),
                              cx, cy);
  // The button's place and the titles depend on the icon's size.
  Layout();
  FireViewChange();
  return S_OK;
}

STDMETHODIMP CVelDictViewCtrl::GetAbcFullSize(short* cx, short* cy) {
  if (!cx || !cy) return E_POINTER;
  strip_.GetSize(cx, cy);
  return S_OK;
}

STDMETHODIMP CVelDictViewCtrl::SetSeekWord(BSTR word) {
  const std::string text = SearchWordOf(AnsiOf(word));
  if (entry_.handle()) entry_.SetText(text);
  return words_.handle() ? words_.LookupWord(&text) : S_OK;
}

STDMETHODIMP CVelDictViewCtrl::SetClientSite(IOleClientSite* site) {
  HRESULT result = Control::SetClientSite(site);
  TakeInitialFont(controls::kArticleControlFont);
  if (font() && fontListener_) fontListener_->Listen(font());
  return result;
}

void CVelDictViewCtrl::OnAmbientChanged(DISPID dispid) {
  if (dispid == DISPID_AMBIENT_FONT || dispid == DISPID_UNKNOWN) {
    if (TakeAmbientFont()) {
      if (fontListener_) fontListener_->Listen(font());
      RebuildFonts(true, true);
    }
  }
  if (dispid == DISPID_AMBIENT_BACKCOLOR || dispid == DISPID_UNKNOWN) {
    OLE_COLOR colour = 0;
    if (AmbientBackColor(&colour)) {
      interfaceBack_ = static_cast<COLORREF>(colour);
      PushToStrip(kStripBackColour | kStripTextColour);
      for (controls::FlatButton* button : {&historyButton_, &directionButton_}) {
        button->look().coldBack = interfaceBack_;
        button->look().hotBack = interfaceBack_;
      }
      FireViewChange();
    }
  }
}

// The stock Font puts only store the font: its changes are heard from now on.
void CVelDictViewCtrl::OnFontChanged() {
  if (fontListener_) fontListener_->Listen(font());
}

// --- The dictionary

HRESULT CVelDictViewCtrl::TakeDictionary(IUnknown* dictionary) {
  com::Ptr<IVelDictionary> taken;
  if (dictionary) {
    HRESULT hr = dictionary->QueryInterface(IID_IVelDictionary, taken.PutVoid());
    if (FAILED(hr) && hr != E_NOINTERFACE) return hr;
  }
  dictionary_ = taken;
  if (!dictionary_) {
    // What was shown belongs to the dictionary let go of.
    words_.Clear();
    article_.Empty();
    return S_OK;
  }
  return ReadLanguages();
}

HRESULT CVelDictViewCtrl::ReadLanguages() {
  long opened = 0;
  HRESULT hr = dictionary_->get_Opened(&opened);
  if (SUCCEEDED(hr) && !opened) hr = dictionary_->Open(vdsOpenRead);
  long input = 0, output = 0;
  if (SUCCEEDED(hr)) hr = dictionary_->get_LangIn(&input);
  if (SUCCEEDED(hr)) hr = dictionary_->get_LangOut(&output);
  if (FAILED(hr)) return hr;
  // The dictionary gives full LANGIDs (1033, 1049); what the viewer
  // compares is the primary language.
  inputLanguage_ = input & kPrimaryLanguageMask;
  outputLanguage_ = output & kPrimaryLanguageMask;
  inputCharset_ = CharsetOfLanguage(inputLanguage_);
  outputCharset_ = CharsetOfLanguage(outputLanguage_);
  // The row shown belongs to the dictionary before: not shown again.
  RebuildFonts(false, false);
  if (!hostIcons_) UpdateDirectionIcon();
  return S_OK;
}

IVelDictionary* CVelDictViewCtrl::UsableDictionary() {
  if (!dictionary_) return nullptr;
  long opened = 0;
  if (FAILED(dictionary_->get_Opened(&opened))) return nullptr;
  if (!opened && FAILED(dictionary_->Open(vdsOpenRead))) return nullptr;
  return dictionary_.Get();
}

HRESULT CVelDictViewCtrl::LookupTyped() {
  if (!flags_.userEdit) return S_OK;
  if (lookAtKeyboard_ == 1) {
    const long layout =
        static_cast<long>(reinterpret_cast<UINT_PTR>(GetKeyboardLayout(0)) & kPrimaryLanguageMask);
    if (layout != inputLanguage_) {
      FireEvent(kNeedToSetLangInput, {com::Variant(layout), com::Variant(outputLanguage_)});
      return S_OK;
    }
  }
  const std::string text = entry_.Text();
  if (text.empty() || words_.MatchInWordWindow(text)) return S_OK;
  flags_.addToHistory = true;
  HRESULT hr = words_.LookupWord(&text);
  // A lookup that showed nothing leaves no word waiting for the history.
  flags_.addToHistory = false;
  return hr;
}

// --- The article

void CVelDictViewCtrl::ShowArticle(const std::string& word, const BSTR article) {
  if (word.empty() || !article) {
    article_.Empty();
    entry_.SetText("");
    return;
  }
  if (flags_.wordFromList) {
    entry_.SetText(word);
    FocusEntry(true);
  }
  if (flags_.addToHistory) {
    history_.Add(word);
    flags_.addToHistory = false;
  }
  article_.Show(AnsiOf(article), Look());
}

ArticleLook CVelDictViewCtrl::Look() const {
  return {textColour_, inputLanguage_, outputLanguage_, inputCharset_, outputCharset_};
}

RowLook CVelDictViewCtrl::ListLook() const {
  return {inputFont_, textHeight_, textColour_, controlBack_, controlBrush_};
}

void CVelDictViewCtrl::RebuildFonts(bool refresh, bool reshow) {
  com::Ptr<IFont> details;
  HFONT source = nullptr;
  LOGFONTA description = {};
  if (!font() || FAILED(font()->QueryInterface(IID_IFont, details.PutVoid())) ||
      FAILED(details->get_hFont(&source)) || !source ||
      !GetObjectA(source, sizeof description, &description))
    return;
  HFONT oldInput = inputFont_, oldOutput = outputFont_;
  inputFont_ = CreateDerivedFont(description, inputCharset_);
  outputFont_ = CreateDerivedFont(description, outputCharset_);
  if (entry_.handle())
    SendMessageA(entry_.handle(), WM_SETFONT, reinterpret_cast<WPARAM>(inputFont_), TRUE);
  if (words_.handle()) InvalidateRect(words_.handle(), nullptr, TRUE);
  history_.SetLook(ListLook(), itemHeight_);
  PushToStrip(kStripFont | kStripLanguage);
  if (article_.handle())
    SendMessageA(article_.handle(), WM_SETFONT, reinterpret_cast<WPARAM>(outputFont_), TRUE);
  if (oldInput) DeleteObject(oldInput);
  if (oldOutput) DeleteObject(oldOutput);
  if (reshow && words_.handle()) words_.ShowRow(words_.Selection());
  if (refresh) RefreshView();
}

void CVelDictViewCtrl::PushToStrip(unsigned settings) {
  strip_.Push(settings, {font(), interfaceBack_, interfaceText_, CyrillicInput()});
}

void CVelDictViewCtrl::FireNeedPopupMenu(long kind, POINT at) {
  FireEvent(kNeedPopupMenu, {com::Variant(kind), com::Variant(at.x), com::Variant(at.y)});
}

void CVelDictViewCtrl::ForwardListKey(WPARAM key) {
  if (words_.handle()) SendMessageA(words_.handle(), WM_KEYDOWN, key, 0);
}

void CVelDictViewCtrl::ShowHistory() {
  RECT entry = {};
  GetWindowRect(entry_.handle(), &entry);
  history_.ShowUnder(entry);
}

void CVelDictViewCtrl::FocusArticle() {
  if (!article_.handle()) return;
  SetFocus(article_.handle());
  CHARRANGE none = {-1, 0};
  SendMessageA(article_.handle(), EM_EXSETSEL, 0, reinterpret_cast<LPARAM>(&none));
}

void CVelDictViewCtrl::EntryContextMenu(POINT at) { FireNeedPopupMenu(0, at); }

void CVelDictViewCtrl::RepaintNow() {
  // What is invalid in them now, painted now: the article keeps what it
  // shows unless a new one came.
  for (HWND window : {strip_.host(), words_.handle(), entry_.handle(), article_.handle()})
    if (window) RedrawWindow(window, nullptr, nullptr, RDW_UPDATENOW | RDW_ALLCHILDREN);
}

}  // namespace morvex::lookuppane
