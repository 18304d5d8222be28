// Window: a window of a class of ours as a small C++ object. The window
// procedure finds the object behind the handle (com/WindowObject.h) and
// calls its OnMessage, where a derived class routes each message it cares
// about to a handler named after it (WM_PAINT to OnPaint ...).
//
// Three kinds of class:
//  - a class of one object kind, created by the object (Create): registered
//    with this module on first use and unregistered when the last object
//    using it is destroyed, so a DLL that unloads leaves no class behind;
//  - a superclass: the same, built on a system class ("SysTreeView32",
//    "msctls_statusbar32" ...) whose procedure gets every message our
//    object does not handle, so the window is that control with our
//    handlers first;
//  - a shared class (RegisterSharedWindowClass): windows that anyone makes
//    by class name (CreateWindowEx, a dialog template); each new window gets
//    its object from the class's maker at WM_NCCREATE. It stays registered
//    until the module unloads.
//
// Used by the control base for the control's own window, by the control
// host "AtlAxWin", and by controls for child window classes of their own.
#pragma once

#include <windows.h>

#include "com/WindowObject.h"

namespace morvex::com {

struct WindowClassSpec {
  const char* name;
  UINT style = CS_HREDRAW | CS_VREDRAW | CS_DBLCLKS;
  HBRUSH background = nullptr;  // null: the window erases itself
  HCURSOR cursor = nullptr;     // null: the arrow
  // A system class to build on: its style, extra bytes, cursor and
  // background are taken (the fields above are then ignored) and its
  // procedure answers what our object does not.
  const char* superclassOf = nullptr;
};

class Window : public WindowObject {
 public:
  // Creates the window; false when it already exists, the class differs
  // from the one this object used before, or creation failed.
  bool Create(const WindowClassSpec& windowClass, HWND parent, const RECT& rect, DWORD style,
              DWORD exStyle = 0, UINT id = 0, const char* text = "");
  // Destroys the window if it exists.
  void Destroy();

  // The object of this module behind a window of one of its classes, or
  // null (a window of another module or kind, or one already destroyed).
  static Window* FromHandle(HWND window);

 protected:
  Window() = default;
  // A window still alive is destroyed here. Its last messages then reach
  // only this base (the derived part is gone); a class that must see its
  // WM_DESTROY destroys the window in its own destructor.
  ~Window() override;

  LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  friend bool RegisterSharedWindowClass(const WindowClassSpec&,
                                        Window* (*)(HWND, const CREATESTRUCTA&));
  static LRESULT CALLBACK Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
  void Bind(HWND window, WNDPROC base);
  void Unbind(HWND window) override;

  WNDPROC base_ = DefWindowProcA;
  const char* className_ = nullptr;  // the class this object uses (Create)
};

// What a shared class makes for each new window: the object that handles
// it from WM_NCCREATE on (and disposes of itself in OnFinalMessage), or
// null to refuse the window.
using WindowMaker = Window* (*)(HWND window, const CREATESTRUCTA& creation);

// Registers a shared class in this module. True also when this module
// registered it before; false when the class cannot be registered.
bool RegisterSharedWindowClass(const WindowClassSpec& windowClass, WindowMaker maker);

}  // namespace morvex::com
