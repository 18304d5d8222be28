// The viewer's layout at the sizes a person meets: roomy, short enough to
// hide the entry, and so short that the direction button goes too.
#include <gtest/gtest.h>

#include "ViewerLayout.h"

namespace morvex::lookuppane {
namespace {

TEST(ViewerLayoutTest, ChildrenAtTheirPlacesAndHiddenWhenShort) {
  struct Case {
    int height;
    bool entryShown;
    bool directionShown;
  };
  // E = S = 16, icons 16 x 16, scroll bars 16 wide: the entry needs
  // H > 36, the direction button H > 54.
  for (const Case& c :
       {Case{400, true, true}, Case{60, true, true}, Case{55, true, true}, Case{54, true, false},
        Case{37, true, false}, Case{36, false, false}, Case{30, false, false}}) {
    const LayoutInput in = {600, c.height, 16, 16, 16, 16, 16};
    const ViewerLayout layout = ComputeViewerLayout(in);
    EXPECT_EQ(layout.entryShown, c.entryShown) << c.height;
    EXPECT_EQ(layout.directionShown, c.directionShown) << c.height;
    EXPECT_EQ(layout.entry, (Box{300, 2, 580, 18})) << c.height;
    EXPECT_EQ(layout.historyButton, (Box{580, 2, 596, 18})) << c.height;
    EXPECT_EQ(layout.directionButton, (Box{576, 20, 596, 36})) << c.height;
    const int listHeight = c.height - 16 - 38 - 4 - 2;
    EXPECT_EQ(layout.wordList, (Box{3, 39, 297, 39 + listHeight})) << c.height;
    EXPECT_EQ(layout.article, (Box{301, 39, 595, 39 + listHeight})) << c.height;
    EXPECT_EQ(layout.strip, (Box{2, c.height - 18, 594, c.height - 2})) << c.height;
  }
}

TEST(ViewerLayoutTest, FaceFramesTheEntryListAndArticle) {
  const ViewerFace face = ComputeViewerFace({601, 400, 16, 16, 32, 16, 16});
  EXPECT_EQ(face.titles[0], (Box{2, 2, 296, 18}));
  EXPECT_EQ(face.titles[1], (Box{2, 18, 260, 36}));
  EXPECT_EQ(face.titles[2], (Box{304, 18, 561, 36}));
  EXPECT_EQ(face.entryFrame, (Box{299, 1, 598, 19}));
  EXPECT_EQ(face.listFrame, (Box{2, 38, 298, 380}));
  EXPECT_EQ(face.articleFrame, (Box{300, 38, 597, 380}));
}

}  // namespace
}  // namespace morvex::lookuppane
