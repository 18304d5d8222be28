// The flags the viewer's parts share while a word travels from the entry,
// the list, a letter or a link to the article and back into the entry.
#pragma once

namespace morvex::lookuppane {

struct ViewerFlags {
  // Off while the control itself writes the entry: its changes then start
  // no typing lookup.
  bool userEdit = true;
  // The shown word came from the list, a letter or a link: showing the
  // article writes it into the entry.
  bool wordFromList = false;
  // The next shown word goes into the history.
  bool addToHistory = false;
};

}  // namespace morvex::lookuppane
