#include "localekit/FlagImages.h"

#include "localekit/LocaleKitResource.h"

namespace morvex::localekit {

namespace {

constexpr long kPrimaryLangMask = 0x3FF;

HICON LoadIconResource(HINSTANCE module, UINT id, IconSize size) {
  // Resource id 0 would be read as a null name.
  if (id == 0) return nullptr;
  return static_cast<HICON>(
      LoadImageW(module, MAKEINTRESOURCEW(id), IMAGE_ICON, size.width, size.height, 0));
}

class OwnedIcon {
 public:
  explicit OwnedIcon(HICON icon) : icon_(icon) {}
  OwnedIcon(const OwnedIcon&) = delete;
  OwnedIcon& operator=(const OwnedIcon&) = delete;
  ~OwnedIcon() {
    if (icon_) DestroyIcon(icon_);
  }
  HICON Get() const { return icon_; }

 private:
  HICON icon_;
};

// A memory device context compatible with the screen, with a bitmap
// selected into it for as long as it lives.
class BitmapCanvas {
 public:
  explicit BitmapCanvas(HBITMAP bitmap) : dc_(CreateCompatibleDC(nullptr)) {
    if (dc_) previous_ = SelectObject(dc_, bitmap);
  }
  BitmapCanvas(const BitmapCanvas&) = delete;
  BitmapCanvas& operator=(const BitmapCanvas&) = delete;
  ~BitmapCanvas() {
    if (!dc_) return;
    if (previous_) SelectObject(dc_, previous_);
    DeleteDC(dc_);
  }
  bool Ready() const { return dc_ && previous_; }
  HDC Get() const { return dc_; }

 private:
  HDC dc_;
  HGDIOBJ previous_ = nullptr;
};

void DrawFlag(HDC dc, POINT at, HICON flag) {
  if (!flag) return;
  DrawIconEx(dc, at.x, at.y, flag, kSmallFlag.width, kSmallFlag.height, 0, nullptr, DI_IMAGE);
}

}  // namespace

HICON LoadFlagIcon(HINSTANCE module, long langId, IconSize size) {
  if (HICON flag = LoadIconResource(module, static_cast<UINT>(langId & kPrimaryLangMask), size))
    return flag;
  return LoadIconResource(module, IDI_FLAG_UNKNOWN, size);
}

HBITMAP MakeDirectionBitmap(HINSTANCE module, long inLangId, long outLangId) {
  OwnedIcon first(LoadFlagIcon(module, inLangId, kSmallFlag));
  OwnedIcon second(LoadFlagIcon(module, outLangId, kSmallFlag));
  // Without LR_CREATEDIBSECTION: a bitmap of the screen's format, as the
  // image lists of the callers take it.
  HBITMAP bitmap = static_cast<HBITMAP>(
      LoadImageW(module, MAKEINTRESOURCEW(IDB_DIRECTION), IMAGE_BITMAP, 0, 0, 0));
  if (!bitmap) return nullptr;
  {
    BitmapCanvas canvas(bitmap);
    if (!canvas.Ready()) {
      DeleteObject(bitmap);
      return nullptr;
    }
    DrawFlag(canvas.Get(), kDirectionFirstFlag, first.Get());
    DrawFlag(canvas.Get(), kDirectionSecondFlag, second.Get());
  }
  return bitmap;
}

}  // namespace morvex::localekit
