// ShelfPager: the shelf's vertical pager, of class "ShelfViewPager" (a
// superclass of the system pager). It answers its own notifications,
// reflected to it by the control window: the tree is as high as its rows,
// and one scroll step is one row.
//
// Used by ShelfViewCtrl, which makes it and the tree on it.
#pragma once

#include <windows.h>

#include "ShelfTree.h"
#include "com/Window.h"

namespace morvex::shelfview {

constexpr UINT kPagerId = 1001;

class ShelfPager : public com::Window {
 public:
  explicit ShelfPager(const ShelfTree* tree) : tree_(tree) {}

  bool Create(HWND control, const RECT& rect);
  // Moves the pager over the control's area and has it size the tree anew.
  void Place(int width, int height);

 protected:
  LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  LRESULT OnNotify(NMHDR* header);

  const ShelfTree* tree_;
};

}  // namespace morvex::shelfview
