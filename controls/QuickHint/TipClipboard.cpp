#include "TipClipboard.h"

#include <cstring>

#include "TipFormatting.h"
#include "com/WideText.h"

namespace morvex::quickhint {

namespace {

// A movable global block holding `size` bytes of `data`, or null.
HGLOBAL GlobalCopy(const void* data, size_t size) {
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  if (!memory) return nullptr;
  memcpy(GlobalLock(memory), data, size);
  GlobalUnlock(memory);
  return memory;
}

// The clipboard owns the block once it took it.
void Offer(UINT format, HGLOBAL memory) {
  if (memory && !SetClipboardData(format, memory)) GlobalFree(memory);
}

}  // namespace

bool PutTextOnClipboard(HWND owner, const std::string& bytes, UINT codePage) {
  if (!OpenClipboard(owner)) return false;
  EmptyClipboard();
  std::wstring wide = com::WideFromCodePage(codePage, bytes);
  Offer(CF_UNICODETEXT, GlobalCopy(wide.c_str(), (wide.size() + 1) * sizeof(wchar_t)));
  Offer(CF_TEXT, GlobalCopy(bytes.c_str(), bytes.size() + 1));
  CloseClipboard();
  return true;
}

}  // namespace morvex::quickhint
