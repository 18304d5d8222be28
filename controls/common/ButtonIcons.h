// ButtonIcons: the hot and the cold icon of a button, owned by it. One icon
// may serve as both; it is destroyed once. The destroyer is a parameter so
// that a test can count what is freed.
//
// Used by the flat icon button (controls/common/FlatButton.h).
#pragma once

#include <windows.h>

namespace morvex::controls {

class ButtonIcons {
 public:
  using Destroyer = BOOL(WINAPI*)(HICON icon);

  explicit ButtonIcons(Destroyer destroy = DestroyIcon) : destroy_(destroy) {}
  ButtonIcons(const ButtonIcons&) = delete;
  ButtonIcons& operator=(const ButtonIcons&) = delete;
  ~ButtonIcons() { Reset(); }

  // Frees the icons held and takes these; a null cold icon makes the hot
  // one serve as both.
  void Adopt(HICON hot, HICON cold);
  // Frees the icons held.
  void Reset();

  HICON hot() const { return hot_; }
  HICON cold() const { return cold_; }

 private:
  Destroyer destroy_;
  HICON hot_ = nullptr;
  HICON cold_ = nullptr;
};

}  // namespace morvex::controls
