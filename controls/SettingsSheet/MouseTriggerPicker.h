// MouseTriggerPicker: the mouse-trigger picker of the settings dialog (item
// 223). A picture of the Shift, Ctrl and Alt keys and a mouse; the user
// picks the key that, held with a mouse click, triggers the popup
// translation, and the mouse button; both are painted in navy.
//
// Owned by the settings dialog for the control's lifetime, so the chosen
// key and button outlive each dialog; the picture and the regions live
// from Attach to the dialog's end.
#pragma once

#include <windows.h>

#include "PictureStatic.h"

namespace morvex::settingssheet {

class MouseTriggerPicker : public PictureStatic {
 public:
  MouseTriggerPicker() = default;
  ~MouseTriggerPicker() override;

  bool Attach(HWND window, UINT bitmapId, UINT cursorId);

  // The key: 0 Shift, 1 Ctrl, 2 Alt (others are ignored).
  int key() const { return key_; }
  void SetKey(int key);
  // The mouse button: 0 right, 1 left (others select 0).
  int button() const { return button_; }
  void SelectButton(int button);

 private:
  void Paint(HDC dc) override;
  // Paints the picture with the choice on `work` (of the picture's size), then on `dc`.
  void PaintOn(HDC dc, HBITMAP work);
  bool OnPictureMessage(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* result) override;
  bool OnLeftButton(LPARAM lParam);
  void FreeRegions();

  static constexpr int kRegionCount = 8;
  HRGN regions_[kRegionCount] = {};
  HBRUSH navy_ = nullptr;
  int key_ = 0;
  int button_ = 0;
};

}  // namespace morvex::settingssheet
