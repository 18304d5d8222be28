// SubclassedWindow: a window made by someone else (a child control of a
// dialog, the pager inside a control ...) whose messages an object of ours
// sees first, through a message map of its own; what it does not handle
// goes on to the procedure the window had.
//
// Others may subclass the same window after us. Giving the window back
// (Unsubclass, the object's end, WM_NCDESTROY) restores the old procedure
// only while ours is still the window's procedure; otherwise ours stays in
// the chain as a plain pass-through, so the later subclasser's chaining
// keeps working, and the object is free.
//
// Used by controls for the child windows they contain.
#pragma once

#include <windows.h>

#include "com/WindowObject.h"

namespace morvex::com {

class SubclassedWindow : public WindowObject {
 public:
  // Starts seeing the window's messages. False when this object already
  // subclasses a window, the window does not exist, or an object of this
  // module already subclasses it.
  bool Subclass(HWND window);
  // Lets go of the window: true when the window has its old procedure
  // back, false when a later subclasser is in front of us (we pass its
  // messages on from then on) or there was no window.
  bool Unsubclass();

 protected:
  SubclassedWindow() = default;
  ~SubclassedWindow() override;

  // The procedure the window had before us.
  LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Unbind(HWND window) override;

  WNDPROC original_ = nullptr;
};

}  // namespace morvex::com
