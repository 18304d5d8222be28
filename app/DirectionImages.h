// DirectionImages: the main window's pictures of the language directions of
// the installed dictionaries (32 x 16 flags, one per pair), asked of the
// locale kit once at start. The current dictionary's picture goes, as an
// icon, to the viewer's direction button and the tip's header.
//
// Used by the main window, which owns one for its whole life.
#pragma once

#include <windows.h>
// commctrl.h needs windows.h before it.
#include <commctrl.h>

#include <cstdint>
#include <map>

#include "LexiconHub.h"

namespace morvex::solo {

class DirectionImages {
 public:
  static constexpr int kWidth = 32;
  static constexpr int kHeight = 16;

  DirectionImages() = default;
  ~DirectionImages();
  DirectionImages(const DirectionImages&) = delete;
  DirectionImages& operator=(const DirectionImages&) = delete;

  void SetOwner(HWND owner) { owner_ = owner; }
  // One picture per pair of the system's dictionaries; nothing without a
  // system, an owner, the locale kit or a dictionary.
  void Build(ILexiconHub* system);
  // An icon of the pair's picture, or null when it has none; the caller
  // destroys it.
  HICON Icon(long langIn, long langOut) const;

 private:
  HIMAGELIST images_ = nullptr;
  std::map<uint32_t, int> indexOfPair_;
  HWND owner_ = nullptr;
};

}  // namespace morvex::solo
