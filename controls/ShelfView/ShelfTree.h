// ShelfTree: the shelf's tree window, of class "VelMorPrjTree" (a
// superclass of the system tree view). It holds the image list (the
// module's strip of tree pictures, then one direction picture per language
// pair), the map from language pair to picture, the info-tip title and the
// item whose selection the root took. It handles its own notifications,
// reflected to it by the control window: it paints the hot and selected
// frames and the direction pictures, keeps the selection off a collapsed
// root, scrolls the pager by whole rows and tells the control window of a
// new selection (kSelectionChangedMessage) and of a request to show the
// dictionary (kShowDictionaryMessage).
//
// Used by ShelfViewCtrl (the window) and ShelfModel (the items).
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <cstdint>
#include <map>
#include <string>

#include "LexiconHub.h"
#include "com/ComPtr.h"
#include "com/Window.h"

namespace morvex::shelfview {

// Sent by the tree to the control window, its grandparent.
constexpr UINT kShowDictionaryMessage = 2022;
constexpr UINT kSelectionChangedMessage = 2023;

constexpr UINT kTreeId = 1000;

// A dictionary's language direction; a language the dictionary leaves
// unsaid counts as any language (1024).
struct Direction {
  long langIn;
  long langOut;
};
Direction DirectionOf(IVelDictionary* dictionary);
// The key of the direction's picture (controls/common/portable/LangPairKey.h).
uint32_t DirectionKeyOf(IVelDictionary* dictionary);

class ShelfTree : public com::Window {
 public:
  ShelfTree();
  ~ShelfTree() override;

  // Makes the tree as a child of the pager and loads the image list.
  bool Create(HWND pager, const RECT& rect);

  void SetItemTextColour(COLORREF colour);
  void SetInfoTipTitle(std::wstring title) { infoTipTitle_ = std::move(title); }
  const std::wstring& infoTipTitle() const { return infoTipTitle_; }

  // --- The items, as ShelfModel builds and renames them

  // No items, no saved item, no direction pictures.
  void Clear();
  HTREEITEM InsertRoot(const std::string& text);
  // A child of the root whose item data is `dictionary` (no reference kept).
  void InsertDictionary(HTREEITEM root, const std::string& text, IVelDictionary* dictionary);
  bool HasPicture(uint32_t pairKey) const { return pictures_.count(pairKey) != 0; }
  // Appends the direction picture of the pair (transparent where it is
  // magenta); false when the list does not take it.
  bool AddPicture(uint32_t pairKey, HBITMAP picture);
  // Gives the tree its image list, once the items are in.
  void AttachImages();
  // Selects the root's first child, when there is one.
  void SelectFirstDictionary();
  // The pager sizes the tree to its rows again.
  void RecalculatePager() const;

  HTREEITEM Root() const;
  HTREEITEM FirstChild(HTREEITEM item) const;
  HTREEITEM NextSibling(HTREEITEM item) const;
  HTREEITEM Selected() const;
  void SetText(HTREEITEM item, const std::string& text);
  void Select(HTREEITEM item);
  // The dictionary an item holds, or null (the root, or data that is no
  // dictionary); a new reference.
  com::Ptr<IVelDictionary> DictionaryOf(HTREEITEM item) const;

  // --- For the pager's notifications

  // The bottom of the last visible row, 0 without rows.
  int RowsHeight() const;
  int RowHeight() const;

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnNotify(NMHDR* header);
  LRESULT OnCustomDraw(NMTVCUSTOMDRAW* draw);
  void OnItemPostPaint(const NMTVCUSTOMDRAW& draw);
  void DrawDirectionPicture(HDC dc, const RECT& row, IUnknown* itemData) const;
  void OnSelChanging(const NMTREEVIEWA& change);
  LRESULT OnItemExpanded(const NMTREEVIEWA& change);
  void OnSelChanged(const NMTREEVIEWA& change);
  void ScrollPagerToRow(HTREEITEM item) const;
  void OnGetInfoTip(NMHDR* header);
  void OnDoubleClick();
  // The tip text of an item: the title and the dictionary's number of
  // entries; false when the item holds no dictionary that tells it.
  bool InfoTipOf(HTREEITEM item, std::wstring* text) const;
  LPARAM ItemData(HTREEITEM item) const;
  HWND ControlWindow() const;
  void Tell(UINT message) const;

  HIMAGELIST images_ = nullptr;
  int baseImageCount_ = 0;
  std::map<uint32_t, int> pictures_;  // LangPairKey -> index in images_
  std::wstring infoTipTitle_;
  HTREEITEM savedItem_ = nullptr;
  COLORREF frameHighlight_;
  COLORREF frameShadow_;
  COLORREF itemText_;
};

}  // namespace morvex::shelfview
