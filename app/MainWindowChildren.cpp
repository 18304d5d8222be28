// The main window's body: the dictionary system and the chain of hosted
// controls (page strip, viewer, shelf, popup menu, translation pane), their
// pages and their events.
#include <olectl.h>

#include "app/DefaultFont.h"
#include "app/InterfaceResources.h"
#include "app/MainWindow.h"
#include "app/Resources.h"
#include "com/Automation.h"
#include "com/AxHost.h"
#include "com/WideText.h"

namespace morvex::solo {

namespace {

constexpr UINT kPageStripId = 1000;
constexpr UINT kViewerId = 1002;
constexpr UINT kShelfId = 1003;
constexpr UINT kPickListId = 1004;
constexpr int kPageHeaderPadding = 2;
// Interface languages: Russian takes the Cyrillic character set.
constexpr long kRussian = 1049;
constexpr short kCyrillicCharset = RUSSIAN_CHARSET;
constexpr long kNoLanguage = 0;
// Keep every menu item's id as given, so a choice reports it.
constexpr long kKeepItemIds = 1;
constexpr long kClearImages = 1;

enum : DISPID {
  kPageStripClickOnActivePage = 3,
  kShelfSelChange = 1,
  kShelfNeedShowDic = 2,
  kViewerNeedToChangeLang = 1,
  kViewerNeedPopupMenu = 3,
  kPickListLangChanged = 1,
};

// Which of the viewer's panes asks for its edit menu.
constexpr long kViewerArticle = 1;
constexpr long kViewerEntry = 0;

// Left open when it opens: the viewer takes it as it is.
bool OpensForReading(IVelDictionary* dictionary) {
  long opened = 0;
  if (SUCCEEDED(dictionary->get_Opened(&opened)) && opened) return true;
  if (SUCCEEDED(dictionary->Open(vdsOpenRead))) return true;
  // Its error is answered here, not by a later caller.
  SetErrorInfo(0, nullptr);
  return false;
}

}  // namespace

void CMainWindow::CreateChildren() {
  if (SUCCEEDED(CoCreateInstance(CLSID_LexiconHub, nullptr,
                                 CLSCTX_INPROC_SERVER | CLSCTX_LOCAL_SERVER, IID_ILexiconHub,
                                 dictionarySystem_.PutVoid()))) {
    dictionarySystem_->Init();
  }
  directionImages_.SetOwner(handle());
  directionImages_.Build(dictionarySystem_.Get());

  if (!CreatePageStrip() || !CreateViewer() || !CreateShelf() || !CreatePickList() ||
      !CreateTranslationPane())
    return;
  ConnectControlEvents();
  AddPages();
  if (pageStrip_) {
    pageStrip_->ActivatePage(translationPage_);
    pageStrip_->put_Animation(animation_);
  }
  SetPageHeights();

  if (!shelf_) return;
  if (currentDictionary_) {
    SetCurrentDictionary(currentDictionary_.Get(), true);
  } else if (com::Ptr<IVelDictionary> selected = TakeShelfSelection()) {
    SetCurrentDictionary(selected.Get(), false);
  }
}

bool CMainWindow::HostChainControl(const CLSID& clsid, UINT id, UINT displayNameId, HWND* host,
                                   com::Ptr<IUnknown>* control) {
  ControlRequest request;
  request.parent = handle();
  request.clsid = &clsid;
  request.id = id;
  request.displayNameId = displayNameId;
  HostedControl hosted = HostControl(request);
  *host = hosted.host;
  *control = hosted.control;
  if (!hosted.control) return false;
  // The program does not act on property changes: a control that cannot
  // tell of them still serves.
  DWORD cookie = 0;
  com::AxAdvise(hosted.control.Get(), &propertySink_, IID_IPropertyNotifySink, &cookie);
  return true;
}

com::Ptr<IFontDisp> CMainWindow::ControlFont() const {
  com::Ptr<IFontDisp> font;
  if (options_ && SUCCEEDED(options_->get_Font(font.Put())) && font) return font;
  return CreateDefaultFont();
}

long CMainWindow::InterfaceLanguage() const {
  long language = kNoLanguage;
  if (options_) options_->get_LangID(&language);
  return language;
}

bool CMainWindow::CreatePageStrip() {
  com::Ptr<IUnknown> control;
  if (!HostChainControl(CLSID_VelPageStrip, kPageStripId, IDS_CONTROL_NAME_PAGE_STRIP,
                        &pageStripHost_, &control))
    return false;
  interfaceFont_ = ControlFont();
  if (SUCCEEDED(control.As(&pageStrip_))) {
    pageStrip_->put_BackColor(faceColor_);
    pageStrip_->put_TextColor(textColor_);
    pageStrip_->put_ActivePageColor(activePageColor_);
    pageStrip_->put_InactivePageColor(faceColor_);
    pageStrip_->put_Font(interfaceFont_.Get());
  }
  return true;
}

bool CMainWindow::CreateViewer() {
  com::Ptr<IUnknown> control;
  if (!HostChainControl(CLSID_VelDictViewCtrl, kViewerId, IDS_CONTROL_NAME_VIEWER, &viewerHost_,
                        &control) ||
      FAILED(control.As(&viewer_)))
    return false;

  com::Ptr<IVelDictCollection> dictionaries;
  long count = 0;
  if (dictionarySystem_ && SUCCEEDED(dictionarySystem_->get_MorDictColl(dictionaries.Put())) &&
      dictionaries && SUCCEEDED(dictionaries->get_Count(&count)) && count > 0) {
    long theme = 0, langIn = 0, langOut = 0;
    if (!options_ || FAILED(options_->GetLastDictInfo(&theme, &langIn, &langOut)) || !langIn ||
        !langOut) {
      com::Ptr<IVelDictionary> first;
      if (SUCCEEDED(dictionaries->get_Item(1, first.Put())) && first)
        viewer_->SetDictionary(first.Get());
    } else {
      // The walk goes on to the end: of equal dictionaries the last wins.
      // One whose file was cut short since its last use still has a header
      // to list it by, but no word would ever be found in it: the shelf's
      // choice decides instead.
      for (long index = 1; index <= count; ++index) {
        com::Ptr<IVelDictionary> dictionary;
        long itemTheme = 0, itemIn = 0, itemOut = 0;
        if (FAILED(dictionaries->get_Item(index, dictionary.Put())) || !dictionary) continue;
        dictionary->get_ThemeID(&itemTheme);
        dictionary->get_LangIn(&itemIn);
        dictionary->get_LangOut(&itemOut);
        if (itemTheme == theme && itemIn == langIn && itemOut == langOut &&
            OpensForReading(dictionary.Get()))
          currentDictionary_ = dictionary;
      }
    }
  }
  viewer_->put_BkColorCtrl(windowColor_);
  viewer_->put_BkInterfaceColor(faceColor_);
  viewer_->put_clrTxtInterface(textColor_);
  viewer_->put_TextCtrl(0, textColor_);
  GiveViewerItsTitles(InterfaceLanguage());
  viewer_->put_FontControls(ControlFont().Get());
  return true;
}

bool CMainWindow::CreateShelf() {
  com::Ptr<IUnknown> control;
  if (!HostChainControl(CLSID_ShelfViewCtrl, kShelfId, IDS_CONTROL_NAME_SHELF, &shelfHost_,
                        &control) ||
      FAILED(control.As(&shelf_)))
    return false;
  if (dictionarySystem_) shelf_->put_DictSystem(dictionarySystem_.Get());
  shelf_->put_BackColor(faceColor_);
  shelf_->put_TextColor(textColor_);
  shelf_->put_Font(ControlFont().Get());
  GiveShelfItsNames(InterfaceLanguage());
  return true;
}

bool CMainWindow::CreatePickList() {
  com::Ptr<IUnknown> control;
  if (!HostChainControl(CLSID_PickListCtrl, kPickListId, IDS_CONTROL_NAME_PICK_LIST,
                        &pickListHost_, &control))
    return false;
  if (SUCCEEDED(control.As(&pickList_))) {
    pickList_->DeleteAllItems(kClearImages);
    pickList_->put_BackColor(faceColor_);
    pickList_->put_FontMenu(ControlFont().Get());
    pickList_->put_UsedItemID(kKeepItemIds);
  }
  return true;
}

bool CMainWindow::CreateTranslationPane() {
  return translationPane_.Setup(CTranslationPane::CreateWindowIn(handle()), windowColor_,
                                faceColor_);
}

// The interface language's texts, also after a change of language.
void CMainWindow::GiveViewerItsTitles(long language) {
  viewer_->SetTitles(InterfaceText(IDS_VIEWER_ENTRY_TITLE).Get(),
                     InterfaceText(IDS_VIEWER_LIST_TITLE).Get(),
                     InterfaceText(IDS_VIEWER_ARTICLE_TITLE).Get(), com::Bstr(L"").Get());
  viewer_->put_CharSetEnv(language == kRussian ? kCyrillicCharset : 0);
}

void CMainWindow::GiveShelfItsNames(long language) {
  shelf_->put_DictCollName(InterfaceText(IDS_SHELF_COLLECTION_NAME).Get());
  shelf_->put_InfoTipTitle(InterfaceText(IDS_SHELF_INFOTIP_TITLE).Get());
  shelf_->put_LangID(language);
}

void CMainWindow::ConnectControlEvents() {
  if (SUCCEEDED(com::EventSink::Create(DIID__IVelPageStripEvents, &pageStripEvents_))) {
    pageStripEvents_->On(kPageStripClickOnActivePage,
                         [this](com::EventArguments&) { FirstClickRepaint(); });
    pageStripEvents_->Connect(pageStrip_.Get());
  }
  if (SUCCEEDED(com::EventSink::Create(DIID__IVelDictViewCtrlEvents, &viewerEvents_))) {
    viewerEvents_->On(kViewerNeedToChangeLang, [this](com::EventArguments& arguments) {
      ShowDictionaryMenu(arguments.Long(2), arguments.Long(3), MenuOwner::kViewer);
    });
    viewerEvents_->On(kViewerNeedPopupMenu, [this](com::EventArguments& arguments) {
      long x = arguments.Long(1), y = arguments.Long(2);
      if (arguments.Long(0) == kViewerArticle) ShowArticleEditMenu(x, y);
      if (arguments.Long(0) == kViewerEntry) ShowEntryEditMenu(x, y);
    });
    viewerEvents_->Connect(viewer_.Get());
  }
  if (SUCCEEDED(com::EventSink::Create(DIID__IPickListCtrlEvents, &pickListEvents_))) {
    pickListEvents_->On(kPickListLangChanged, [this](com::EventArguments& arguments) {
      OnMenuChoice(arguments.Long(0));
    });
    pickListEvents_->Connect(pickList_.Get());
  }
  if (SUCCEEDED(com::EventSink::Create(DIID__IShelfViewCtrlEvents, &shelfEvents_))) {
    shelfEvents_->On(kShelfSelChange, [this](com::EventArguments&) { OnShelfSelChange(); });
    shelfEvents_->On(kShelfNeedShowDic, [this](com::EventArguments&) { OnShelfNeedShowDic(); });
    shelfEvents_->Connect(shelf_.Get());
  }
}

void CMainWindow::DisconnectControlEvents() {
  for (com::Ptr<com::EventSink>* sink :
       {&pageStripEvents_, &viewerEvents_, &pickListEvents_, &shelfEvents_}) {
    if (*sink) (*sink)->Disconnect();
    sink->Reset();
  }
}

void CMainWindow::AddPages() {
  if (!pageStrip_) return;
  struct Page {
    UINT nameId;
    HWND window;
    short* number;
  };
  const Page pages[] = {{IDS_PAGE_TRANSLATION, translationPane_.window(), &translationPage_},
                        {IDS_PAGE_DICTIONARY, viewerHost_, &dictionaryPage_},
                        {IDS_PAGE_COLLECTION, shelfHost_, &collectionPage_}};
  for (const Page& page : pages) {
    long before = 0;
    pageStrip_->GetPagesCount(&before);
    if (FAILED(pageStrip_->AddPage(InterfaceText(page.nameId).Get()))) continue;
    *page.number = static_cast<short>(before);
    // Window handles fit in 32 bits, which is what the page strip keeps.
    pageStrip_->AttachWindow(before, static_cast<long>(reinterpret_cast<LONG_PTR>(page.window)));
  }
}

void CMainWindow::SetPageHeights() {
  com::Ptr<IFont> font;
  HFONT handleOfFont = nullptr;
  if (!pageStrip_ || !interfaceFont_ || FAILED(interfaceFont_.As(&font)) ||
      FAILED(font->get_hFont(&handleOfFont)) || !handleOfFont)
    return;
  HDC screen = GetDC(nullptr);
  if (!screen) return;
  HGDIOBJ previous = SelectObject(screen, handleOfFont);
  TEXTMETRICA metrics = {};
  BOOL measured = GetTextMetricsA(screen, &metrics);
  SelectObject(screen, previous);
  ReleaseDC(nullptr, screen);
  if (!measured) return;
  long height = metrics.tmHeight + metrics.tmExternalLeading + kPageHeaderPadding;
  long pages = 0;
  pageStrip_->GetPagesCount(&pages);
  for (long page = 0; page < pages; ++page) pageStrip_->put_Height(page, height);
}

}  // namespace morvex::solo
