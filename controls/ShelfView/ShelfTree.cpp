#include "ShelfTree.h"

#include <algorithm>
#include <cstring>

#include "ShelfViewResource.h"
#include "com/Module.h"
#include "com/Reflection.h"
#include "com/WideText.h"
#include "controls/common/portable/LangPairKey.h"

namespace morvex::shelfview {

namespace {

constexpr DWORD kTreeStyle = WS_CHILD | WS_VISIBLE | TVS_NOSCROLL | TVS_FULLROWSELECT |
                             TVS_INFOTIP | TVS_SINGLEEXPAND | TVS_TRACKSELECT | TVS_SHOWSELALWAYS |
                             TVS_EDITLABELS | TVS_LINESATROOT;

// The strip of tree pictures: the root's, and a dictionary's unselected and
// selected.
constexpr int kPictureSize = 32;
constexpr int kRootImage = 2;
constexpr int kDictionaryImage = 3;
constexpr int kSelectedDictionaryImage = 4;
constexpr COLORREF kTransparent = RGB(255, 0, 255);

// A language the dictionary leaves unsaid is any language.
constexpr long kAnyLanguage = 1024;

// A pager that shows or hides its buttons after a step changes the span it
// shows; one more look corrects for that.
constexpr int kScrollAttempts = 3;

com::WindowClassSpec TreeClass() {
  com::WindowClassSpec spec = {"VelMorPrjTree"};
  spec.superclassOf = WC_TREEVIEWA;
  return spec;
}

RECT ItemRect(HWND tree, HTREEITEM item) {
  // The request names its item in the rectangle's first bytes.
  RECT rect = {};
  std::memcpy(&rect, &item, sizeof item);
  if (!SendMessageA(tree, TVM_GETITEMRECT, FALSE, reinterpret_cast<LPARAM>(&rect))) return {};
  return rect;
}

// Rows of `height` to move so that the row lies within the span: positive
// down.
int RowsToScroll(const RECT& row, const RECT& span, int height) {
  if (height <= 0) return 0;
  if (row.bottom > span.bottom) return (row.bottom - span.bottom + height - 1) / height;
  if (row.top < span.top) return -((span.top - row.top + height - 1) / height);
  return 0;
}

void DrawFrame(HDC dc, const RECT& r, COLORREF topLeft, COLORREF bottomRight) {
  HGDIOBJ brush = GetStockObject(DC_BRUSH);
  COLORREF previous = SetDCBrushColor(dc, topLeft);
  RECT top = {r.left, r.top, r.right, r.top + 1};
  RECT left = {r.left, r.top, r.left + 1, r.bottom};
  FillRect(dc, &top, static_cast<HBRUSH>(brush));
  FillRect(dc, &left, static_cast<HBRUSH>(brush));
  SetDCBrushColor(dc, bottomRight);
  RECT right = {r.right - 1, r.top, r.right, r.bottom};
  RECT bottom = {r.left, r.bottom - 1, r.right, r.bottom};
  FillRect(dc, &right, static_cast<HBRUSH>(brush));
  FillRect(dc, &bottom, static_cast<HBRUSH>(brush));
  SetDCBrushColor(dc, previous);
}

// Writes as much of `text` as `size` characters hold, terminated.
template <class Char>
void CopyCut(const std::basic_string<Char>& text, Char* buffer, int size) {
  if (!buffer || size <= 0) return;
  size_t length = std::min(text.size(), static_cast<size_t>(size - 1));
  std::copy_n(text.data(), length, buffer);
  buffer[length] = 0;
}

}  // namespace

Direction DirectionOf(IVelDictionary* dictionary) {
  Direction direction = {kAnyLanguage, kAnyLanguage};
  dictionary->get_LangIn(&direction.langIn);
  dictionary->get_LangOut(&direction.langOut);
  return direction;
}

uint32_t DirectionKeyOf(IVelDictionary* dictionary) {
  Direction direction = DirectionOf(dictionary);
  return controls::LangPairKey(direction.langIn, direction.langOut);
}

ShelfTree::ShelfTree()
    : infoTipTitle_(L"Dictionary entries: "),
      frameHighlight_(GetSysColor(COLOR_BTNHIGHLIGHT)),
      frameShadow_(GetSysColor(COLOR_BTNSHADOW)),
      itemText_(GetSysColor(COLOR_BTNTEXT)) {}

// The tree view never owns the lists it is given; the window goes first.
ShelfTree::~ShelfTree() {
  Destroy();
  if (images_) ImageList_Destroy(images_);
}

bool ShelfTree::Create(HWND pager, const RECT& rect) {
  if (!Window::Create(TreeClass(), pager, rect, kTreeStyle, 0, kTreeId)) return false;
  if (!images_) {
    images_ =
        ImageList_LoadImageA(com::ModuleInstance(), MAKEINTRESOURCEA(IDB_SHELF_IMAGES),
                             kPictureSize, 1, kTransparent, IMAGE_BITMAP, LR_CREATEDIBSECTION);
    baseImageCount_ = images_ ? ImageList_GetImageCount(images_) : 0;
  }
  SendMessageA(handle(), TVM_SETBKCOLOR, 0, static_cast<LPARAM>(GetSysColor(COLOR_SCROLLBAR)));
  return true;
}

void ShelfTree::SetItemTextColour(COLORREF colour) {
  itemText_ = colour;
  if (handle()) InvalidateRect(handle(), nullptr, TRUE);
}

// --- Items

void ShelfTree::Clear() {
  savedItem_ = nullptr;
  if (handle()) SendMessageA(handle(), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
  pictures_.clear();
  if (images_) ImageList_SetImageCount(images_, baseImageCount_);
}

HTREEITEM ShelfTree::InsertRoot(const std::string& text) {
  TVINSERTSTRUCTA insert = {};
  insert.hParent = TVI_ROOT;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
  insert.item.pszText = const_cast<char*>(text.c_str());
  insert.item.iImage = kRootImage;
  insert.item.iSelectedImage = kRootImage;
  return reinterpret_cast<HTREEITEM>(
      SendMessageA(handle(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

void ShelfTree::InsertDictionary(HTREEITEM root, const std::string& text,
                                 IVelDictionary* dictionary) {
  TVINSERTSTRUCTA insert = {};
  insert.hParent = root;
  insert.hInsertAfter = TVI_LAST;
  insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_PARAM;
  insert.item.pszText = const_cast<char*>(text.c_str());
  insert.item.iImage = kDictionaryImage;
  insert.item.iSelectedImage = kSelectedDictionaryImage;
  insert.item.lParam = reinterpret_cast<LPARAM>(dictionary);
  SendMessageA(handle(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert));
}

bool ShelfTree::AddPicture(uint32_t pairKey, HBITMAP picture) {
  int index = images_ ? ImageList_AddMasked(images_, picture, kTransparent) : -1;
  if (index < 0) return false;
  pictures_[pairKey] = index;
  return true;
}

void ShelfTree::AttachImages() {
  SendMessageA(handle(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images_));
}

void ShelfTree::SelectFirstDictionary() {
  if (HTREEITEM first = FirstChild(Root())) Select(first);
}

void ShelfTree::RecalculatePager() const {
  if (handle()) SendMessageA(GetParent(handle()), PGM_RECALCSIZE, 0, 0);
}

HTREEITEM ShelfTree::Root() const {
  return reinterpret_cast<HTREEITEM>(SendMessageA(handle(), TVM_GETNEXTITEM, TVGN_ROOT, 0));
}

HTREEITEM ShelfTree::FirstChild(HTREEITEM item) const {
  if (!item) return nullptr;
  return reinterpret_cast<HTREEITEM>(
      SendMessageA(handle(), TVM_GETNEXTITEM, TVGN_CHILD, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM ShelfTree::NextSibling(HTREEITEM item) const {
  return reinterpret_cast<HTREEITEM>(
      SendMessageA(handle(), TVM_GETNEXTITEM, TVGN_NEXT, reinterpret_cast<LPARAM>(item)));
}

HTREEITEM ShelfTree::Selected() const {
  if (!handle()) return nullptr;
  return reinterpret_cast<HTREEITEM>(SendMessageA(handle(), TVM_GETNEXTITEM, TVGN_CARET, 0));
}

void ShelfTree::SetText(HTREEITEM item, const std::string& text) {
  TVITEMA change = {};
  change.mask = TVIF_TEXT;
  change.hItem = item;
  change.pszText = const_cast<char*>(text.c_str());
  SendMessageA(handle(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&change));
}

void ShelfTree::Select(HTREEITEM item) {
  SendMessageA(handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
}

com::Ptr<IVelDictionary> ShelfTree::DictionaryOf(HTREEITEM item) const {
  com::Ptr<IVelDictionary> dictionary;
  auto* data = reinterpret_cast<IUnknown*>(ItemData(item));
  if (data) data->QueryInterface(IID_IVelDictionary, dictionary.PutVoid());
  return dictionary;
}

LPARAM ShelfTree::ItemData(HTREEITEM item) const {
  if (!item || !handle()) return 0;
  TVITEMA data = {};
  data.mask = TVIF_PARAM;
  data.hItem = item;
  if (!SendMessageA(handle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data))) return 0;
  return data.lParam;
}

int ShelfTree::RowsHeight() const {
  auto last =
      reinterpret_cast<HTREEITEM>(SendMessageA(handle(), TVM_GETNEXTITEM, TVGN_LASTVISIBLE, 0));
  return last ? static_cast<int>(ItemRect(handle(), last).bottom) : 0;
}

int ShelfTree::RowHeight() const {
  return static_cast<int>(SendMessageA(handle(), TVM_GETITEMHEIGHT, 0, 0));
}

// --- Messages

LRESULT ShelfTree::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case com::kReflectedMessageBase + WM_NOTIFY:
      return OnNotify(reinterpret_cast<NMHDR*>(lParam));
    case WM_KEYUP:
      if (wParam == VK_RETURN) Tell(kShowDictionaryMessage);
      break;
  }
  return DefaultProcessing(message, wParam, lParam);
}

// The pager hands on the tree's notifications in the character form its
// parent asked for, so each text-bearing one comes in either form; the
// fields read here lie alike in both.
LRESULT ShelfTree::OnNotify(NMHDR* header) {
  if (!header) return 0;
  const auto& change = *reinterpret_cast<const NMTREEVIEWA*>(header);
  switch (header->code) {
    case NM_CUSTOMDRAW:
      return OnCustomDraw(reinterpret_cast<NMTVCUSTOMDRAW*>(header));
    case TVN_SELCHANGINGA:
    case TVN_SELCHANGINGW:
      OnSelChanging(change);
      return FALSE;
    case TVN_ITEMEXPANDEDA:
    case TVN_ITEMEXPANDEDW:
      return OnItemExpanded(change);
    case TVN_SELCHANGEDA:
    case TVN_SELCHANGEDW:
      OnSelChanged(change);
      return 0;
    case TVN_GETINFOTIPA:
    case TVN_GETINFOTIPW:
      OnGetInfoTip(header);
      return 0;
    case TVN_BEGINLABELEDITA:
    case TVN_BEGINLABELEDITW:
      return TRUE;
    case NM_DBLCLK:
      OnDoubleClick();
      return 0;
  }
  return 0;
}

LRESULT ShelfTree::OnCustomDraw(NMTVCUSTOMDRAW* draw) {
  switch (draw->nmcd.dwDrawStage) {
    case CDDS_PREPAINT:
      return CDRF_NOTIFYITEMDRAW;
    case CDDS_ITEMPREPAINT:
      // The selected row keeps the tree's highlight text.
      if (!(draw->nmcd.uItemState & CDIS_SELECTED)) draw->clrText = itemText_;
      return CDRF_NOTIFYPOSTPAINT;
    case CDDS_ITEMPOSTPAINT:
      OnItemPostPaint(*draw);
      return CDRF_SKIPDEFAULT;
  }
  return CDRF_DODEFAULT;
}

void ShelfTree::OnItemPostPaint(const NMTVCUSTOMDRAW& draw) {
  HDC dc = draw.nmcd.hdc;
  const RECT& row = draw.nmcd.rc;
  if (draw.nmcd.uItemState & CDIS_HOT) DrawFrame(dc, row, frameHighlight_, frameShadow_);
  if (draw.nmcd.uItemState & CDIS_SELECTED) DrawFrame(dc, row, frameShadow_, frameHighlight_);
  if (draw.iLevel != 0 && draw.nmcd.lItemlParam) {
    DrawDirectionPicture(dc, row, reinterpret_cast<IUnknown*>(draw.nmcd.lItemlParam));
  }
}

void ShelfTree::DrawDirectionPicture(HDC dc, const RECT& row, IUnknown* itemData) const {
  com::Ptr<IVelDictionary> dictionary;
  if (FAILED(itemData->QueryInterface(IID_IVelDictionary, dictionary.PutVoid()))) return;
  auto picture = pictures_.find(DirectionKeyOf(dictionary.Get()));
  if (picture == pictures_.end()) return;
  HICON icon = ImageList_GetIcon(images_, picture->second, ILD_NORMAL);
  if (!icon) return;
  int indent = static_cast<int>(SendMessageA(handle(), TVM_GETINDENT, 0, 0));
  DrawIconEx(dc, row.left + indent, row.top, icon, kPictureSize, kPictureSize, 0, nullptr,
             DI_NORMAL);
  DestroyIcon(icon);
}

// Collapsing the root moves the selection to it; what was selected before
// comes back when the root opens again.
void ShelfTree::OnSelChanging(const NMTREEVIEWA& change) {
  if (change.itemNew.hItem && change.itemNew.hItem == Root()) savedItem_ = Selected();
}

LRESULT ShelfTree::OnItemExpanded(const NMTREEVIEWA& change) {
  if ((change.action & TVE_EXPAND) && savedItem_) {
    HTREEITEM saved = savedItem_;
    savedItem_ = nullptr;
    Select(saved);
  }
  RecalculatePager();
  return TRUE;
}

void ShelfTree::OnSelChanged(const NMTREEVIEWA& change) {
  if (change.action == TVC_BYKEYBOARD) ScrollPagerToRow(change.itemNew.hItem);
  Tell(kSelectionChangedMessage);
}

// The pager's client area is the span it shows; the row is mapped into it
// from the tree, wherever the pager has moved the tree. The step is the
// rows' pitch, which the pager's own scroll step is too (a row's rectangle
// may be a pixel shorter).
void ShelfTree::ScrollPagerToRow(HTREEITEM item) const {
  HWND pager = GetParent(handle());
  int pitch = RowHeight();
  int lastRows = 0;
  for (int attempt = 0; attempt < kScrollAttempts && item; ++attempt) {
    RECT row = ItemRect(handle(), item);
    RECT span = {};
    GetClientRect(pager, &span);
    MapWindowPoints(handle(), pager, reinterpret_cast<POINT*>(&row), 2);
    int rows = RowsToScroll(row, span, pitch);
    // A row taller than the span would send the pager to and fro.
    if (rows == 0 || rows * lastRows < 0) break;
    int position = static_cast<int>(SendMessageA(pager, PGM_GETPOS, 0, 0));
    int target = std::max(0, position + rows * pitch);
    SendMessageA(pager, PGM_SETPOS, 0, target);
    if (SendMessageA(pager, PGM_GETPOS, 0, 0) == position) break;
    lastRows = rows;
  }
}

void ShelfTree::OnGetInfoTip(NMHDR* header) {
  std::wstring text;
  if (header->code == TVN_GETINFOTIPW) {
    auto* tip = reinterpret_cast<NMTVGETINFOTIPW*>(header);
    if (InfoTipOf(tip->hItem, &text)) CopyCut(text, tip->pszText, tip->cchTextMax);
  } else {
    auto* tip = reinterpret_cast<NMTVGETINFOTIPA*>(header);
    if (InfoTipOf(tip->hItem, &text))
      CopyCut(com::AnsiFromWide(text), tip->pszText, tip->cchTextMax);
  }
}

bool ShelfTree::InfoTipOf(HTREEITEM item, std::wstring* text) const {
  com::Ptr<IVelDictionary> dictionary = DictionaryOf(item);
  long articles = 0;
  if (!dictionary || FAILED(dictionary->get_NumOfArticles(&articles))) return false;
  *text = infoTipTitle_ + std::to_wstring(articles);
  return true;
}

void ShelfTree::OnDoubleClick() {
  TVHITTESTINFO hit = {};
  GetCursorPos(&hit.pt);
  ScreenToClient(handle(), &hit.pt);
  SendMessageA(handle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit));
  if (hit.hItem) Tell(kShowDictionaryMessage);
}

HWND ShelfTree::ControlWindow() const { return GetParent(GetParent(handle())); }

void ShelfTree::Tell(UINT message) const { SendMessageA(ControlWindow(), message, 0, 0); }

}  // namespace morvex::shelfview
