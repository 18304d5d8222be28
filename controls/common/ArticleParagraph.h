// The paragraph format of every article the program shows, in the tip and
// in the dictionary viewer: tab stops every 180 twips, 32 of them, so the
// columns of a dictionary's article line up.
#pragma once

#include <windows.h>
// richedit.h needs windows.h before it.
#include <richedit.h>

namespace morvex::controls {

inline PARAFORMAT ArticleTabStops() {
  constexpr int kTabStopCount = 32;
  constexpr LONG kTabStepTwips = 180;
  PARAFORMAT format = {};
  format.cbSize = sizeof format;
  format.dwMask = PFM_TABSTOPS;
  format.cTabCount = kTabStopCount;
  for (int i = 0; i < kTabStopCount; ++i) format.rgxTabs[i] = kTabStepTwips * (i + 1);
  return format;
}

}  // namespace morvex::controls
