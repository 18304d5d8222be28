// A window as a small C++ object: the window procedure finds the object
// behind the handle and calls its OnMessage, where a derived class routes
// each message it cares about to a handler named after it (WM_PAINT to
// OnPaint ...). Everything else goes to DefWindowProc.
//
// Used by the control base for the control's own window, and by controls
// for any child window class of their own. The window class is registered
// with the module that holds this code on first use and unregistered when
// the last object using it is destroyed, so a DLL that unloads leaves no
// class behind. One object uses one class, for every window it creates.
#pragma once

#include <windows.h>

namespace morvex::com {

struct WindowClassSpec {
  const wchar_t* name;
  UINT style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  HBRUSH background = nullptr;  // null: the window erases itself
  HCURSOR cursor = nullptr;     // null: the arrow
};

class Window {
 public:
  Window(const Window&) = delete;
  Window& operator=(const Window&) = delete;

  // Null when the window does not exist (yet, or any more).
  HWND handle() const { return window_; }

  // Creates the window; false when it already exists, the class differs
  // from the one this object used before, or creation failed.
  bool Create(const WindowClassSpec& windowClass, HWND parent, const RECT& rect, DWORD style,
              DWORD exStyle = 0, UINT id = 0, const wchar_t* text = L"");
  // Destroys the window if it exists.
  void Destroy();

 protected:
  Window() = default;
  // A window still alive is destroyed here. Its last messages then reach
  // only this base (the derived part is gone); a class that must see its
  // WM_DESTROY destroys the window in its own destructor.
  virtual ~Window();

  // Routes messages to handlers; the default is DefWindowProc.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // The last message has been handled; the handle is already null.
  virtual void OnFinalMessage() {}

  LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam);

 private:
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

  HWND window_ = nullptr;
  const wchar_t* className_ = nullptr;
};

}  // namespace morvex::com
