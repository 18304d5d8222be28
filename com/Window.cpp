#include "com/Window.h"

#include <map>
#include <mutex>
#include <string>

#include "com/Module.h"

namespace morvex::com {

namespace {

// Window objects per class name; the class is registered while any holds it.
class ClassUse {
 public:
  bool Acquire(const WindowClassSpec& spec, WNDPROC procedure) {
    std::lock_guard<std::mutex> lock(mutex_);
    int& count = counts_[spec.name];
    if (count == 0 && !Register(spec, procedure)) {
      counts_.erase(spec.name);
      return false;
    }
    ++count;
    return true;
  }

  void Release(const wchar_t* name) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto entry = counts_.find(name);
    if (entry == counts_.end()) return;
    if (--entry->second == 0) {
      UnregisterClassW(name, ModuleInstance());
      counts_.erase(entry);
    }
  }

 private:
  static bool Register(const WindowClassSpec& spec, WNDPROC procedure) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = spec.style;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ModuleInstance();
    windowClass.hCursor = spec.cursor ? spec.cursor : LoadCursor(nullptr, IDC_ARROW);
    windowClass.hbrBackground = spec.background;
    windowClass.lpszClassName = spec.name;
    return RegisterClassExW(&windowClass) != 0;
  }

  std::mutex mutex_;
  std::map<std::wstring, int> counts_;
};

ClassUse& Classes() {
  static ClassUse classes;
  return classes;
}

}  // namespace

// The class is given back only here, once the window is surely gone: a
// class cannot be unregistered while a window of it exists.
Window::~Window() {
  Destroy();
  if (className_) Classes().Release(className_);
}

bool Window::Create(const WindowClassSpec& windowClass, HWND parent, const RECT& rect, DWORD style,
                    DWORD exStyle, UINT id, const wchar_t* text) {
  if (window_) return false;
  // One object keeps one class for all the windows it makes in turn.
  if (className_ && std::wstring(className_) != windowClass.name) return false;
  if (!className_) {
    if (!Classes().Acquire(windowClass, Procedure)) return false;
    className_ = windowClass.name;
  }
  // A child's id travels in the menu argument.
  HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
  HWND created = CreateWindowExW(exStyle, windowClass.name, text, style, rect.left, rect.top,
                                 rect.right - rect.left, rect.bottom - rect.top, parent, menu,
                                 ModuleInstance(), this);
  return created != nullptr;
}

void Window::Destroy() {
  if (window_) DestroyWindow(window_);
}

LRESULT Window::OnMessage(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefaultProcessing(message, wParam, lParam);
}

LRESULT Window::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) {
  return DefWindowProcW(window_, message, wParam, lParam);
}

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_NCCREATE) {
    auto* create = reinterpret_cast<CREATESTRUCTW*>(lParam);
    auto* self = static_cast<Window*>(create->lpCreateParams);
    self->window_ = window;
    SetWindowLongPtrW(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(GetWindowLongPtrW(window, GWLP_USERDATA));
  if (!self) return DefWindowProcW(window, message, wParam, lParam);
  LRESULT result = self->OnMessage(message, wParam, lParam);
  if (message == WM_NCDESTROY) {
    SetWindowLongPtrW(window, GWLP_USERDATA, 0);
    self->window_ = nullptr;
    self->OnFinalMessage();
  }
  return result;
}

}  // namespace morvex::com
