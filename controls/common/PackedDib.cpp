#include "controls/common/PackedDib.h"

#include <vector>

namespace morvex::controls {

bool PackedDib::Attach(const void* block, size_t size, bool own, HGLOBAL global) {
  Release();
  header_ = static_cast<const unsigned char*>(block);
  ownership_ = !own ? Ownership::kNone : global ? Ownership::kGlobal : Ownership::kModuleHeap;
  global_ = ownership_ == Ownership::kGlobal ? global : nullptr;
  if (!ComputePackedDibLayout(header_, size, &layout_)) {
    Release();
    return false;
  }
  MakePalette();
  return true;
}

void PackedDib::Release() {
  FreeBlock();
  if (palette_) DeleteObject(palette_);
  palette_ = nullptr;
  header_ = nullptr;
  layout_ = PackedDibLayout();
}

SIZE PackedDib::Size() const {
  if (empty()) return {0, 0};
  return {layout_.width, layout_.height};
}

HPALETTE PackedDib::RealizePalette(HDC dc, bool forceBackground) const {
  if (!palette_) return nullptr;
  HPALETTE previous = SelectPalette(dc, palette_, forceBackground);
  ::RealizePalette(dc);
  return previous;
}

bool PackedDib::Draw(HDC dc, int x, int y, int width, int height) const {
  if (empty()) return false;
  HPALETTE previous = palette_ ? SelectPalette(dc, palette_, TRUE) : nullptr;
  StretchDIBits(dc, x, y, width, height, 0, 0, layout_.width, layout_.height,
                header_ + layout_.bitsOffset, reinterpret_cast<const BITMAPINFO*>(header_),
                DIB_RGB_COLORS, SRCCOPY);
  // A palette left selected could not be deleted while the context lives.
  if (previous) SelectPalette(dc, previous, TRUE);
  return true;
}

void PackedDib::MakePalette() {
  if (layout_.colorCount == 0) return;
  std::vector<unsigned char> storage(sizeof(LOGPALETTE) +
                                     sizeof(PALETTEENTRY) * layout_.colorCount);
  auto* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
  palette->palVersion = 0x300;
  palette->palNumEntries = static_cast<WORD>(layout_.colorCount);
  const unsigned char* table = header_ + layout_.colorTableOffset;
  for (uint32_t i = 0; i < layout_.colorCount; ++i) {
    // Table entries are blue, green, red, reserved.
    const unsigned char* entry = table + i * dib_header::kColorEntrySize;
    palette->palPalEntry[i] = {entry[2], entry[1], entry[0], 0};
  }
  palette_ = CreatePalette(palette);
}

void PackedDib::FreeBlock() {
  switch (ownership_) {
    case Ownership::kModuleHeap:
      delete[] header_;
      break;
    case Ownership::kGlobal:
      GlobalUnlock(global_);
      GlobalFree(global_);
      break;
    case Ownership::kNone:
      break;
  }
  ownership_ = Ownership::kNone;
  global_ = nullptr;
}

}  // namespace morvex::controls
