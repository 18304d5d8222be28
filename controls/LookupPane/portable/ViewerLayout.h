// Where the viewer's children and face go for a client size: the word
// entry and history button over the right half, the word list left and
// the article right below them, the direction button right of the titles,
// the alphabet strip along the bottom; the titles and the black frames of
// the face. The entry and the direction button are hidden when the control
// is too short for them.
//
// Portable: used by the viewer's layout and painting (CVelDictViewCtrl),
// tested natively.
#pragma once

namespace morvex::lookuppane {

struct Box {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  int width() const { return right - left; }
  int height() const { return bottom - top; }
  bool operator==(const Box& other) const {
    return left == other.left && top == other.top && right == other.right && bottom == other.bottom;
  }
};

// The measures the layout depends on.
struct LayoutInput {
  int width;        // client width
  int height;       // client height
  int entryHeight;  // the entry's (and a list row's) height
  int stripHeight;  // the alphabet strip's height
  int iconWidth;    // the direction icon's size
  int iconHeight;
  int scrollWidth;  // the system's vertical scroll-bar width (SM_CXHSCROLL)
};

struct ViewerLayout {
  Box entry;
  Box historyButton;
  bool entryShown;  // the entry and the history button
  Box directionButton;
  bool directionShown;
  Box wordList;
  Box article;
  Box strip;
};

ViewerLayout ComputeViewerLayout(const LayoutInput& in);

// The face: three titles (single line, vertically centred) and the frames
// around the entry, the word list and the article.
struct ViewerFace {
  Box titles[3];  // over the entry, the word list and the article
  Box entryFrame;
  Box listFrame;
  Box articleFrame;
};

ViewerFace ComputeViewerFace(const LayoutInput& in);

}  // namespace morvex::lookuppane
