// The two image lists of the owner-drawn menu renderer (MenuPainter.h):
// list A holds the hot images (a selected or checked item), list B the cold
// ones (other items, and the source of a disabled item's embossed image).
// Both hold square images as high as the bitmap they were loaded from
// (16 pixels until one loads), masked by one transparent colour.
//
// Used by MenuPainter.
#pragma once

#include <windows.h>
// After windows.h, which it needs.
#include <commctrl.h>

#include <map>

namespace morvex::controls {

enum class MenuImageList { kHot = 0, kCold = 1 };

class MenuImages {
 public:
  MenuImages() = default;
  MenuImages(const MenuImages&) = delete;
  MenuImages& operator=(const MenuImages&) = delete;
  ~MenuImages() { Destroy(); }

  // Makes both lists anew from the module's bitmaps (no list B for id 0);
  // a missing bitmap leaves its list unmade.
  void Load(HINSTANCE module, UINT hotId, UINT coldId, COLORREF transparent);
  // Empties both lists, then adds the module's bitmaps to them.
  void Replace(HINSTANCE module, UINT hotId, UINT coldId, COLORREF transparent);
  // Removes every image; the lists stay.
  void Clear();
  void Destroy();

  // Appends the icon; its index, or -1 when nothing was added (no icon,
  // or the list refused it). An icon the list already holds (a host that
  // gives one picture to many items passes one handle) keeps its index and
  // is not copied again.
  int AddIcon(MenuImageList which, HICON icon);

  int Count(MenuImageList which) const;
  // Null while the list is unmade.
  HIMAGELIST List(MenuImageList which) const { return lists_[Slot(which)]; }
  int iconSize() const { return iconSize_; }

 private:
  static int Slot(MenuImageList which) { return static_cast<int>(which); }
  // Adds the bitmap `id` of the module to list `which`, making the list
  // (or fitting it to the bitmap's height) first. False without a bitmap.
  bool AddBitmap(MenuImageList which, HINSTANCE module, UINT id, COLORREF transparent);
  HIMAGELIST MakeList(int size) const;

  HIMAGELIST lists_[2] = {nullptr, nullptr};
  // The icons each list holds, by handle. A destroyed icon's handle comes
  // back for another icon only after its reuse count wraps.
  std::map<HICON, int> iconIndex_[2];
  int iconSize_ = 16;
};

}  // namespace morvex::controls
