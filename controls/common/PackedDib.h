// PackedDib: a picture given as a packed device-independent bitmap (an
// information header, its colour table and the bits in one block), used
// where it lies, with a logical palette made from its colour table, drawn
// scaled into any rectangle. The block's layout is checked before anything
// reads it (PackedDibLayout.h): a block that holds no drawable picture is
// held as no picture at all.
//
// Used by the about panel for its background picture: a bitmap resource of
// its own module, or a block its host hands over.
#pragma once

#include <windows.h>

#include <cstddef>

#include "controls/common/portable/PackedDibLayout.h"

namespace morvex::controls {

class PackedDib {
 public:
  PackedDib() = default;
  PackedDib(const PackedDib&) = delete;
  PackedDib& operator=(const PackedDib&) = delete;
  ~PackedDib() { Release(); }

  // Releases what is held, then takes the block, `size` bytes long or of
  // kPackedDibSizeUnknown. Without `own` the block stays the caller's (a
  // loaded resource); with it the image frees it: with GlobalUnlock and
  // GlobalFree of `global` when given, else as new unsigned char[] of this
  // module. A block the image owns is freed at once when it holds no
  // picture. True when a picture is held.
  bool Attach(const void* block, size_t size, bool own, HGLOBAL global);
  // Frees what is owned, deletes the palette, holds nothing.
  void Release();

  bool empty() const { return header_ == nullptr; }
  // Width and (positive) height; (0, 0) when empty.
  SIZE Size() const;
  // Selects the palette, as a background palette when asked, and realizes
  // it. The palette that was selected before, for the caller to put back;
  // null, with nothing selected, when the picture has no palette.
  HPALETTE RealizePalette(HDC dc, bool forceBackground) const;
  // Stretches the whole picture into the rectangle, through its palette as
  // a background palette, which is then put back. False when empty.
  bool Draw(HDC dc, int x, int y, int width, int height) const;

 private:
  enum class Ownership { kNone, kModuleHeap, kGlobal };

  void MakePalette();
  void FreeBlock();

  const unsigned char* header_ = nullptr;
  PackedDibLayout layout_;
  Ownership ownership_ = Ownership::kNone;
  HGLOBAL global_ = nullptr;
  HPALETTE palette_ = nullptr;
};

}  // namespace morvex::controls
