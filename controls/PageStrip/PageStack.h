// PageStack: the pages of a page strip and how they stand. Each page has a
// header bar; the headers of the open page and of every page before it are
// stacked at the top of the strip, those of the pages after it at the
// bottom, and the open page's window fills the space between. The stack
// knows only geometry and order: where each header goes (Layout), which
// pages change stacks when one opens (MoveStacksToOpen), where a point
// falls, and how far the headers between travel when a page opens
// (PlanScroll). Windows, drawing and events are the strip control's.
//
// Used by the page strip control (VelPageStrip) and its tests.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace morvex::pagestrip {

constexpr int kDefaultHeaderHeight = 20;
// How a caption is drawn: DT_CENTER | DT_VCENTER | DT_SINGLELINE.
constexpr UINT kDefaultCaptionFormat = 37;

struct PageRecord {
  std::wstring name;
  RECT header = {};  // in the strip's client coordinates, set by Layout
  bool atTop = true;
  int height = kDefaultHeaderHeight;
  UINT captionFormat = kDefaultCaptionFormat;
  HWND window = nullptr;          // the attached page window, the host's
  HWND previousParent = nullptr;  // its parent before it was attached
};

// The headers between the opening page and the content travel together
// inside `area` by `distance` pixels, downward when the page stands at the
// top, upward when it stands at the bottom.
struct ScrollPlan {
  RECT area = {};
  int distance = 0;
  bool downward = true;
};

// The signed vertical steps of a scroll over `distance` pixels: 5 pixels
// each, (distance + 4) / 5 of them. Downward the last one is cut to what
// remains; upward every step is 5, so the last may pass the distance by up
// to 4 pixels. None for a distance of 0 or less.
std::vector<int> ScrollSteps(int distance, bool downward);

class PageStack {
 public:
  int count() const { return static_cast<int>(pages_.size()); }
  // Whether `index` names a page: 0 <= index < count.
  bool IsPage(long index) const { return index >= 0 && index < count(); }
  PageRecord& page(int index) { return pages_[index]; }
  const PageRecord& page(int index) const { return pages_[index]; }

  // The open page, -1 for none.
  int active() const { return active_; }
  void SetActive(int index) { active_ = index; }

  // Appends a page at the top with the default height and format.
  void Append(std::wstring name);
  // Removes the page. The open page keeps its record: one before it moves
  // the active index down one; the open page itself leaves none open.
  void Remove(int index);

  // Places every header within `client` inset by one pixel: the top stack
  // downward from the top in page order, the bottom stack upward from the
  // bottom from the last page on, one pixel between headers; the content
  // area lies between the stacks, one more pixel in from each side.
  void Layout(const RECT& client);
  const RECT& contentArea() const { return contentArea_; }

  // The stack changes of opening `index` (a page other than the open one):
  // from the top stack, the top pages after it go to the bottom; from the
  // bottom stack, it and the bottom pages before it go to the top. Either
  // way it ends as the last page of the top stack.
  void MoveStacksToOpen(int index);

  // The first page whose header holds the point, else -1.
  int HitTest(POINT point) const;

  // How the headers travel when `index` opens, for a strip `clientWidth`
  // wide, from the current layout.
  ScrollPlan PlanScroll(int index, LONG clientWidth) const;

 private:
  std::vector<PageRecord> pages_;
  int active_ = -1;
  RECT contentArea_ = {};
};

}  // namespace morvex::pagestrip
