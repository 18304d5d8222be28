#include "com/SubclassedWindow.h"

namespace morvex::com {

namespace {

// The object that subclasses the window.
LPCSTR ObjectProperty() {
  static const LPCSTR property = ModuleWindowProperty("Subclass");
  return property;
}

// The procedure we pass messages on to; outlives the object while our
// procedure cannot leave the chain.
LPCSTR NextProperty() {
  static const LPCSTR property = ModuleWindowProperty("SubclassNext");
  return property;
}

WNDPROC NextProcedure(HWND window) {
  return reinterpret_cast<WNDPROC>(reinterpret_cast<UINT_PTR>(GetPropA(window, NextProperty())));
}

}  // namespace

SubclassedWindow::~SubclassedWindow() { Unsubclass(); }

bool SubclassedWindow::Subclass(HWND window) {
  if (handle() || !IsWindow(window) || GetPropA(window, ObjectProperty())) return false;
  // Still in the chain from an earlier object: take the place it left.
  WNDPROC next = NextProcedure(window);
  bool joinChain = !next;
  if (joinChain) {
    next = reinterpret_cast<WNDPROC>(GetWindowLongPtrA(window, GWLP_WNDPROC));
    if (!next || !SetPropA(window, NextProperty(),
                           reinterpret_cast<HANDLE>(reinterpret_cast<UINT_PTR>(next))))
      return false;
  }
  if (!SetPropA(window, ObjectProperty(), this)) {
    if (joinChain) RemovePropA(window, NextProperty());
    return false;
  }
  original_ = next;
  SetHandle(window);
  if (joinChain) SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(Procedure));
  return true;
}

bool SubclassedWindow::Unsubclass() {
  HWND window = handle();
  if (!window) return false;
  Unbind(window);
  SetHandle(nullptr);
  return !NextProcedure(window);
}

LRESULT SubclassedWindow::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(original_, handle(), message, wParam, lParam);
}

// Our procedure leaves the chain only while it is the window's procedure;
// else the subclasser in front of us still calls it, and it passes on.
void SubclassedWindow::Unbind(HWND window) {
  RemovePropA(window, ObjectProperty());
  if (GetWindowLongPtrA(window, GWLP_WNDPROC) == reinterpret_cast<LONG_PTR>(Procedure)) {
    SetWindowLongPtrA(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(original_));
    RemovePropA(window, NextProperty());
  }
}

LRESULT CALLBACK SubclassedWindow::Procedure(HWND window, UINT message, WPARAM wParam,
                                             LPARAM lParam) {
  auto* self = static_cast<SubclassedWindow*>(GetPropA(window, ObjectProperty()));
  if (self) return self->Dispatch(message, wParam, lParam);
  WNDPROC next = NextProcedure(window);
  if (message == WM_NCDESTROY) RemovePropA(window, NextProperty());
  return next ? CallWindowProcA(next, window, message, wParam, lParam)
              : DefWindowProcA(window, message, wParam, lParam);
}

}  // namespace morvex::com
