// MenuPainter: the owner-drawn menu renderer. It turns the items of a popup
// menu into owner-drawn items and draws them with a 16-pixel icon cell at
// the left (the icon, or the check bitmap, framed when selected or
// checked), grey embossed icons and text for disabled items, a bold
// default item and an etched separator. It subclasses the window that owns
// the menu (com/SubclassedWindow.h, which finds it through its window
// property), so that the menu's WM_MEASUREITEM and WM_DRAWITEM reach it.
//
// Each converted item carries a record (controls/common/MenuItems.h) in its
// item data; an item is the renderer's only when its data is one of the
// records this renderer made, so items of other code, whatever their data,
// are never touched.
//
// Users differ only in a small policy: which bitmaps fill the two image
// lists, how converting every item picks image indices, and a few points
// of look. The popup menu control uses kPopupMenuPolicy and the rest of the
// interface (single items, icons, fonts, marks, back colour); the main
// program's tray menu takes only Attach and Destroy, with a policy like
//
//   {204, 203, RGB(255, 255, 255), MenuIndexRule::kPositionPastSeparators,
//    MenuRowHeight::kTextRectangle, false, false, 2000, 0x69F}
//
// (its images from bitmaps 204 and 203 on white, indices by position, rows
// as high as their text, no item fill, checked items with the cold image,
// and the status bar's WM_DRAWITEM handed back to the window as 0x69F).
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <optional>
#include <unordered_map>

#include "com/SubclassedWindow.h"
#include "controls/common/MenuImages.h"
#include "controls/common/MenuItemDrawing.h"
#include "controls/common/MenuItems.h"

namespace morvex::controls {

// How converting every item picks the image indices of item i.
enum class MenuIndexRule {
  // Image i of each list that holds more than i images, else none.
  kImageCount,
  // i for the items before the first separator, i - 1 from it on, the same
  // index in both lists.
  kPositionPastSeparators,
};

struct MenuPainterPolicy {
  // Bitmap resources of the module this code is linked into: strips of
  // square images for list A (hot) and list B (cold; 0: no list B).
  UINT hotBitmap;
  UINT coldBitmap;
  COLORREF imageTransparency;
  MenuIndexRule indexRule;
  MenuRowHeight rowHeight;
  bool fillsItemFirst;        // each item's rectangle is filled with the back colour first
  bool checkedShowsHotImage;  // a checked item shows its list A image
  // An owner-drawn control of the owner window whose WM_DRAWITEM (wParam
  // its id) goes back to the owner as message passedOnDrawMessage; 0: none.
  UINT passedOnDrawControlId;
  UINT passedOnDrawMessage;
};

// The popup menu control's renderer: bitmaps 201 and 202 on magenta.
inline constexpr MenuPainterPolicy kPopupMenuPolicy = {
    201, 202, RGB(255, 0, 255), MenuIndexRule::kImageCount, MenuRowHeight::kTextMetrics, true, true,
    0,   0};

class MenuPainter : private com::SubclassedWindow {
 public:
  explicit MenuPainter(const MenuPainterPolicy& policy) : policy_(policy) {}
  ~MenuPainter() override { Destroy(); }

  // Takes `menu`: loads the default images, converts every item and
  // subclasses `owner`. Attaching the menu held already (the owner's window
  // was made again) only subclasses the new window. False when the window
  // cannot be subclassed.
  bool Attach(HWND owner, HMENU menu);
  // Reverts every item of the menu and of its submenus (records freed),
  // deletes the fonts, destroys both image lists and lets go of the window
  // (restoring its procedure only while the renderer's is still in front).
  void Destroy();

  HMENU menu() const { return menu_; }

  // Converts (on) or reverts (off) every item of the menu, indices by the
  // policy's rule.
  void ConvertAll(bool on);
  // Converts the item at `position` of the menu; nothing past its end.
  void ConvertItem(UINT position, int hotIndex, int coldIndex);
  // The same for an item of another menu; position -1 is its last item.
  void ConvertSubmenuItem(HMENU submenu, int position, int hotIndex, int coldIndex);
  // Frees the records of the item and of everything in its submenu, then
  // deletes it (a submenu with it).
  void DeleteItem(UINT position);

  // Makes both lists anew from the policy's bitmaps.
  void LoadDefaultImages();
  // Empties both lists and fills them from another module's bitmaps.
  void LoadImages(HINSTANCE module, UINT hotId, UINT coldId);
  void ClearImages() { images_.Clear(); }
  // Appends each icon to its list (none for a null or -1 handle); the
  // indices the lists gave them, or -1.
  void AddIcons(HICON hot, HICON cold, int* hotIndex, int* coldIndex);

  // The menu's text font from now on; every item is inserted again, with
  // its state, so that the system measures it anew.
  void SetFont(const LOGFONTA& font);
  void SetBackColour(COLORREF colour) { back_ = colour; }
  // The item at `position` gets the highlight state bit, every other one
  // loses it; no other state bit changes.
  void MarkItem(UINT position);
  // The item at `position` gets MFS_GRAYED; nothing past the menu's end.
  void DisableItem(UINT position);
  // A system colour or settings change: fonts deleted, images made anew.
  void Reload();

  // What tests look at.
  size_t recordCount() const { return records_.size(); }
  bool IsOwnRecord(ULONG_PTR data) const { return Record(data) != nullptr; }
  const MenuImages& images() const { return images_; }
  SIZE cellSize() const { return {images_.iconSize() + 4, images_.iconSize() + 4}; }

 private:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT OnMeasureItem(LPARAM lParam);
  LRESULT OnDrawItem(WPARAM wParam, LPARAM lParam);

  void Convert(HMENU menu, UINT position, const MenuItemFacts& facts, int hotIndex, int coldIndex);
  void Revert(HMENU menu, UINT position, const MenuItemFacts& facts);
  void RevertTree(HMENU menu);
  MenuItemRecord* Record(ULONG_PTR data) const;
  void FreeRecord(MenuItemRecord* record);

  MenuLook Look();
  HFONT MenuFont();
  HFONT DefaultItemFont();
  void DeleteFonts();

  const MenuPainterPolicy policy_;
  HMENU menu_ = nullptr;
  MenuImages images_;
  std::optional<COLORREF> back_;  // none: the system's menu colour
  HFONT font_ = nullptr;
  HFONT defaultItemFont_ = nullptr;
  std::unordered_map<ULONG_PTR, std::unique_ptr<MenuItemRecord>> records_;
};

}  // namespace morvex::controls
