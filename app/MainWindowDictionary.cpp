// The current dictionary and what follows it: the shelf's choice, the
// dictionary and edit menus of the popup menu control, the global hot keys
// and the mouse trigger's popup translation.
#include <olectl.h>

#include <string>

#include "app/DictionaryMenu.h"
#include "app/InterfaceLanguage.h"
#include "app/InterfaceResources.h"
#include "app/MainWindow.h"
#include "app/Resources.h"
#include "app/SelectionCapture.h"
#include "com/Automation.h"
#include "com/Module.h"
#include "com/WideText.h"

namespace morvex::solo {

namespace {

constexpr long kClearImages = 1;
constexpr UINT kNoString = static_cast<UINT>(-1);
constexpr UINT kNoIconId = static_cast<UINT>(-1);
constexpr int kCaptureByMouse = 1;
constexpr int kCaptureByHotKey = 0;

// The menu commands the popup menu reports, by the item ids given to it.
enum : long {
  kTipCopy = 1000,
  kTipSelectAll = 1001,
  kArticleCopy = 2000,
  kArticleSelectAll = 2001,
  kEntryCopy = 3000,
  kEntrySelectAll = 3001,
  kEntryPaste = 3002,
  kEntryCut = 3003,
  kEntryUndo = 3004,
  kEntryDelete = 3005,
};
constexpr long kSeparator = 0;
// The viewer's panes, as its edit operations name them.
constexpr long kViewerArticle = 1;
constexpr long kViewerEntry = 0;

com::Bstr WideBstr(const std::string& ansi) { return com::Bstr(com::WideFromAnsi(ansi).c_str()); }

}  // namespace

// --- The current dictionary

bool CMainWindow::SetCurrentDictionary(IUnknown* dictionary, bool selectInShelf) {
  if (!dictionary) return false;
  if (!viewer_) return true;
  viewer_->SetDictionary(dictionary);

  com::Ptr<IVelDictionary> asDictionary;
  long langIn = 0, langOut = 0;
  if (SUCCEEDED(com::Ptr<IUnknown>(dictionary).As(&asDictionary))) {
    asDictionary->get_LangIn(&langIn);
    asDictionary->get_LangOut(&langOut);
  }
  // Both receivers copy the icon.
  HICON icon = directionImages_.Icon(langIn, langOut);
  if (icon) {
    viewer_->put_SetDictIcon(reinterpret_cast<LONG_PTR>(icon), reinterpret_cast<LONG_PTR>(icon),
                             DirectionImages::kWidth, DirectionImages::kHeight);
  }
  tip_.SetTipIcon(icon, DirectionImages::kWidth, DirectionImages::kHeight);
  if (icon) DestroyIcon(icon);

  if (shelf_ && selectInShelf) shelf_->put_ActiveObject(dictionary);

  std::string name;
  com::Ptr<IVelRegMngr> registry;
  if (asDictionary && dictionarySystem_ &&
      SUCCEEDED(dictionarySystem_->get_MorRegMngr(registry.Put())) && registry) {
    com::Bstr made;
    const long language = InterfaceLanguageOf(options_.Get());
    if (SUCCEEDED(registry->MakeDictName(asDictionary.Get(), language, made.Put())))
      name = com::AnsiFromWide(made.Text());
  }
  status_.SetDictionaryName(name);
  if (pageStrip_) {
    const std::string pageName = InterfaceString(IDS_PAGE_DICTIONARY);
    if (!pageName.empty()) pageStrip_->SetPageName(dictionaryPage_, WideBstr(pageName + name).Get());
  }
  return true;
}

// The root of the shelf is no dictionary: the current one stays.
com::Ptr<IVelDictionary> CMainWindow::TakeShelfSelection() {
  com::Ptr<IUnknown> selected;
  com::Ptr<IVelDictionary> dictionary;
  if (!shelf_ || FAILED(shelf_->get_ActiveObject(selected.Put())) || !selected ||
      FAILED(selected.As(&dictionary)))
    return nullptr;
  currentDictionary_ = selected;
  return dictionary;
}

void CMainWindow::OnShelfSelChange() {
  if (com::Ptr<IVelDictionary> selected = TakeShelfSelection())
    SetCurrentDictionary(selected.Get(), false);
}

void CMainWindow::OnShelfNeedShowDic() {
  if (pageStrip_) pageStrip_->ActivatePage(dictionaryPage_);
  FocusActivePage();
}

void CMainWindow::FocusActivePage() {
  long page = 0, window = 0;
  if (!pageStrip_ || FAILED(pageStrip_->GetActivePage(&page)) ||
      FAILED(pageStrip_->GetHwnd(page, &window)))
    return;
  // The page strip keeps window handles in 32 bits.
  HWND pageWindow = reinterpret_cast<HWND>(static_cast<LONG_PTR>(window));
  if (IsWindow(pageWindow)) SetFocus(pageWindow);
}

void CMainWindow::OpenPage(short page) {
  if (!pageStrip_) return;
  long active = -1;
  pageStrip_->GetActivePage(&active);
  if (active != page) pageStrip_->ActivatePage(page);
}

void CMainWindow::ShowPage(short page) {
  if (!pageStrip_) return;
  OpenPage(page);
  ShowWindow(handle(), SW_SHOW);
}

void CMainWindow::ShowTipWordInDictionary() {
  if (tip_.currentWord().empty()) return;
  const std::string word = tip_.currentWord();
  ShowWindow(tip_.handle(), SW_HIDE);
  if (viewer_) viewer_->SetSeekWord(WideBstr(word).Get());
  if (pageStrip_) pageStrip_->ActivatePage(dictionaryPage_);
  if (!IsWindowVisible(handle())) ShowWindow(handle(), SW_SHOW);
}

// --- Menus

void CMainWindow::AddMenuItemWithIcons(long itemId, UINT stringId, UINT hotIconId,
                                       UINT coldIconId) {
  if (!pickList_) return;
  HICON hot = LoadSmallIcon(hotIconId);
  HICON cold = LoadSmallIcon(coldIconId);
  std::string text = stringId == kNoString ? std::string() : InterfaceString(stringId);
  pickList_->AddItemIcon(itemId, WideBstr(text).Get(), IconArgument(hot), IconArgument(cold));
  if (hot) DestroyIcon(hot);
  if (cold) DestroyIcon(cold);
}

void CMainWindow::ShowDictionaryMenu(long x, long y, MenuOwner owner) {
  if (!pickList_) return;
  pickList_->DeleteAllItems(kClearImages);
  com::Ptr<IVelDictionary> current;
  if (owner == MenuOwner::kViewer && currentDictionary_ && FAILED(currentDictionary_.As(&current)))
    return;
  const long language = InterfaceLanguageOf(options_.Get());
  // With nothing to choose no menu comes up, not even an empty frame.
  if (FillDictionaryMenu(pickList_.Get(), dictionarySystem_.Get(), currentDictionary_.Get(),
                         language) == 0)
    return;
  pickList_->put_BackColor(owner == MenuOwner::kViewer ? faceColor_ : GetSysColor(COLOR_INFOBK));
  pickList_->TrackPopupMenu(x, y);
}

void CMainWindow::ShowTipEditMenu(long x, long y) {
  if (!pickList_) return;
  pickList_->DeleteAllItems(kClearImages);
  pickList_->put_BackColor(GetSysColor(COLOR_INFOBK));
  AddMenuItemWithIcons(kTipCopy, IDS_EDIT_COPY, IDI_COPY_HOT, IDI_COPY_COLD);
  AddMenuItemWithIcons(kTipSelectAll, IDS_EDIT_SELECT_ALL, kNoIconId, kNoIconId);
  pickList_->TrackPopupMenu(x, y);
}

void CMainWindow::ShowEntryEditMenu(long x, long y) {
  if (!pickList_) return;
  pickList_->DeleteAllItems(kClearImages);
  pickList_->put_BackColor(faceColor_);
  struct Item {
    long id;
    UINT stringId, hotIcon, coldIcon;
  };
  const Item items[] = {
      {kEntryUndo, IDS_EDIT_UNDO, IDI_UNDO_HOT, IDI_UNDO_COLD},
      {kSeparator, kNoString, kNoIconId, kNoIconId},
      {kEntryCut, IDS_EDIT_CUT, IDI_CUT_HOT, IDI_CUT_COLD},
      {kEntryCopy, IDS_EDIT_COPY, IDI_COPY_HOT, IDI_COPY_COLD},
      {kEntryPaste, IDS_EDIT_PASTE, IDI_PASTE_HOT, IDI_PASTE_COLD},
      {kEntryDelete, IDS_EDIT_DELETE, IDI_DELETE_HOT, IDI_DELETE_COLD},
      {kSeparator, kNoString, kNoIconId, kNoIconId},
      {kEntrySelectAll, IDS_EDIT_SELECT_ALL, kNoIconId, kNoIconId},
  };
  for (const Item& item : items)
    AddMenuItemWithIcons(item.id, item.stringId, item.hotIcon, item.coldIcon);
  if (viewer_) {
    enum : long { kUndoPosition = 0, kCutPosition = 2, kCopyPosition = 3, kPastePosition = 4,
                  kDeletePosition = 5 };
    long canUndo = 0, selected = 0;
    viewer_->get_CanUndo(&canUndo);
    if (!canUndo) pickList_->put_DisableItem(kUndoPosition);
    viewer_->get_hasSelText(kViewerEntry, &selected);
    if (!selected) {
      for (long position : {kCutPosition, kCopyPosition, kDeletePosition})
        pickList_->put_DisableItem(position);
    }
    if (!IsClipboardFormatAvailable(CF_TEXT)) pickList_->put_DisableItem(kPastePosition);
  }
  pickList_->TrackPopupMenu(x, y);
}

void CMainWindow::ShowArticleEditMenu(long x, long y) {
  if (!pickList_) return;
  pickList_->DeleteAllItems(kClearImages);
  pickList_->put_BackColor(faceColor_);
  AddMenuItemWithIcons(kArticleCopy, IDS_EDIT_COPY, IDI_COPY_HOT, IDI_COPY_COLD);
  AddMenuItemWithIcons(kArticleSelectAll, IDS_EDIT_SELECT_ALL, kNoIconId, kNoIconId);
  long selected = 0;
  if (viewer_ && SUCCEEDED(viewer_->get_hasSelText(kViewerArticle, &selected)) && !selected)
    pickList_->put_DisableItem(0);
  pickList_->TrackPopupMenu(x, y);
}

void CMainWindow::OnMenuChoice(long itemId) {
  if (LanguageChoice::IsLanguageItem(itemId)) {
    OnLanguageMenuChoice(itemId);
    return;
  }
  switch (itemId) {
    case kTipCopy:
      tip_.CopyText();
      return;
    case kTipSelectAll:
      tip_.SelectAll();
      return;
  }
  if (viewer_) {
    switch (itemId) {
      case kArticleCopy:
        viewer_->CopyText(kViewerArticle);
        return;
      case kArticleSelectAll:
        viewer_->SelectAll(kViewerArticle);
        return;
      case kEntryCopy:
        viewer_->CopyText(kViewerEntry);
        return;
      case kEntrySelectAll:
        viewer_->SelectAll(kViewerEntry);
        return;
      case kEntryPaste:
        viewer_->PasteText();
        return;
      case kEntryCut:
        viewer_->CutText();
        return;
      case kEntryUndo:
        viewer_->UndoText();
        return;
      case kEntryDelete:
        viewer_->DeleteText();
        return;
    }
  }
  // Any other item is a dictionary's index in the collection.
  com::Ptr<IVelDictCollection> dictionaries;
  com::Ptr<IVelDictionary> chosen;
  long count = 0;
  if (!dictionarySystem_ || FAILED(dictionarySystem_->get_MorDictColl(dictionaries.Put())) ||
      !dictionaries || FAILED(dictionaries->get_Count(&count)) || count <= 1 || itemId < 1 ||
      itemId > count || FAILED(dictionaries->get_Item(itemId, chosen.Put())) || !chosen)
    return;
  currentDictionary_ = chosen;
  SetCurrentDictionary(chosen.Get(), true);
  if (IsWindowVisible(tip_.handle())) tip_.Retranslate(chosen.Get());
}

// --- Hot keys and the mouse trigger

bool CMainWindow::IsOwnThreadWindow(HWND window) const {
  return GetWindowThreadProcessId(window, nullptr) == GetCurrentThreadId();
}

LRESULT CMainWindow::OnHotKey(WPARAM id) {
  switch (id) {
    case HKCmdTranslate:
      ShowPage(translationPage_);
      break;
    case HKCmdDictionary: {
      std::string word;
      if (viewer_ && ReadClipboardWord(&word)) viewer_->SetSeekWord(WideBstr(word).Get());
      ShowPage(dictionaryPage_);
      break;
    }
    case HKCmdQuickTip: {
      // The program's own windows hold no selection of the user's; the tip
      // takes the foreground whenever it paints.
      HWND foreground = GetForegroundWindow();
      if (!foreground || IsOwnThreadWindow(foreground) || !shelf_) break;
      TakeShelfSelection();
      com::Ptr<IVelDictionary> dictionary;
      if (SUCCEEDED(currentDictionary_.As(&dictionary)))
        tip_.TranslateFromWindow(foreground, -1, -1, kCaptureByHotKey, dictionary.Get());
      break;
    }
  }
  return 0;
}

LRESULT CMainWindow::OnHookClick(HWND window, LPARAM point) {
  if (!window || IsOwnThreadWindow(window) || !shelf_) return 0;
  TakeShelfSelection();
  com::Ptr<IVelDictionary> dictionary;
  if (SUCCEEDED(currentDictionary_.As(&dictionary))) {
    // Both coordinates travel unsigned in 16 bits.
    tip_.TranslateFromWindow(window, static_cast<long>(LOWORD(point)),
                             static_cast<long>(HIWORD(point)), kCaptureByMouse, dictionary.Get());
  }
  return 0;
}

}  // namespace morvex::solo
