#include "com/WindowObject.h"

#include <cstdio>

#include "com/Module.h"

namespace morvex::com {

LRESULT WindowObject::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefaultProcessing(message, wParam, lParam);
}

LRESULT WindowObject::Dispatch(UINT message, WPARAM wParam, LPARAM lParam) {
  // Taken before the handler runs: the handler may clear or free what holds it.
  IUnknown* owner = owner_;
  if (owner) owner->AddRef();
  LRESULT result = OnMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    Unbind(window_);
    window_ = nullptr;
    OnFinalMessage();
  }
  if (owner) owner->Release();
  return result;
}

LPCSTR ModuleWindowProperty(const char* kind) {
  char name[64];
  std::snprintf(name, sizeof name, "Morvex.%s.%p", kind, static_cast<void*>(ModuleInstance()));
  // An atom names the property from here on; it is never deleted, since a
  // window may still carry the property when the module unloads.
  return MAKEINTATOM(GlobalAddAtomA(name));
}

}  // namespace morvex::com
