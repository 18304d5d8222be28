// WindowObject: the C++ object behind one window, whether the window is of
// a class of ours (com/Window.h) or a child we subclass
// (com/SubclassedWindow.h). It holds the handle, routes each message to
// OnMessage, and keeps its owner alive while a message is handled.
//
// Character set: our windows are ANSI windows. The system speaks to its
// windows with the -A forms (its texts are in the ANSI code page, 1251 for
// Russian), so classes are registered, windows created, subclassed and
// chained with the -A functions, and window texts are ANSI strings. COM
// interfaces keep their wide strings.
//
// The object is found from the handle through a window property of its own
// (one name per module and per kind), never GWLP_USERDATA, which other code
// that subclasses our windows writes. After WM_NCDESTROY the property is
// gone: a destroyed window reaches no object any more.
#pragma once

#include <unknwn.h>
#include <windows.h>

namespace morvex::com {

class WindowObject {
 public:
  WindowObject(const WindowObject&) = delete;
  WindowObject& operator=(const WindowObject&) = delete;

  // Null when there is no window (yet, or any more).
  HWND handle() const { return window_; }

  // The COM object this window belongs to. While one of the window's
  // messages is handled it holds a reference, so that a handler whose event
  // makes the container let go of the object (and destroy its window)
  // returns into a live object; the object goes when the handler is done.
  // Null holds nothing. Cleared by an owner that begins to be destroyed.
  void SetOwner(IUnknown* owner) { owner_ = owner; }

 protected:
  WindowObject() = default;
  virtual ~WindowObject() = default;

  // Routes messages to handlers named after them; the default is
  // DefaultProcessing.
  virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
  // What the window does with a message no handler takes: DefWindowProc, the
  // procedure of the system class we build on, or the one we subclassed.
  virtual LRESULT DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) = 0;
  // The last message has been handled; the handle is already null. The
  // object may delete itself here (when it has no owner).
  virtual void OnFinalMessage() {}

  // One message, from the window procedure of the kind: the owner held
  // around the handler; at WM_NCDESTROY the object lets go of the window
  // (Unbind) and hears OnFinalMessage. `this` is not touched after that.
  LRESULT Dispatch(UINT message, WPARAM wParam, LPARAM lParam);
  // Undoes what bound the object to the window (its property ...).
  virtual void Unbind(HWND window) = 0;

  void SetHandle(HWND window) { window_ = window; }

 private:
  HWND window_ = nullptr;
  IUnknown* owner_ = nullptr;
};

// A window-property name of this module, made once (an atom). Two modules
// that each keep an object on one window use names of their own, so that
// neither reads the other's pointer. `kind` tells apart the properties of
// one module ("Window", "Subclass" ...).
LPCSTR ModuleWindowProperty(const char* kind);

}  // namespace morvex::com
