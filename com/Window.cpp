#include "com/Window.h"

#include <cctype>
#include <map>
#include <mutex>
#include <string>

#include "com/Module.h"

namespace morvex::com {

namespace {

LPCSTR WindowProperty() {
  static const LPCSTR property = ModuleWindowProperty("Window");
  return property;
}

// Class names compare without regard to case, as Windows compares them.
std::string ClassKey(const char* name) {
  std::string key(name);
  for (char& c : key) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return key;
}

struct ClassRecord {
  int users = 0;        // objects that made their windows with Create
  bool shared = false;  // registered until the module unloads
  WNDPROC base = DefWindowProcA;
  WindowMaker maker = nullptr;
};

// The classes this module registered, with what their windows need.
class ClassRegistry {
 public:
  // The module unloads: no window of its shared classes may outlive their
  // procedure.
  ~ClassRegistry() {
    for (const auto& entry : records_) {
      if (entry.second.shared) UnregisterClassA(entry.first.c_str(), ModuleInstance());
    }
  }

  bool Acquire(const WindowClassSpec& spec, WNDPROC procedure) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = records_.find(ClassKey(spec.name));
    if (found != records_.end()) {
      if (found->second.shared) return false;  // not a class of one object kind
      ++found->second.users;
      return true;
    }
    ClassRecord record;
    if (!Register(spec, procedure, &record.base)) return false;
    record.users = 1;
    records_.emplace(ClassKey(spec.name), record);
    return true;
  }

  void Release(const char* name) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto entry = records_.find(ClassKey(name));
    if (entry == records_.end() || entry->second.shared) return;
    if (--entry->second.users == 0) {
      UnregisterClassA(name, ModuleInstance());
      records_.erase(entry);
    }
  }

  bool RegisterShared(const WindowClassSpec& spec, WindowMaker maker, WNDPROC procedure) {
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = records_.find(ClassKey(spec.name));
    if (found != records_.end()) return found->second.shared && found->second.maker == maker;
    ClassRecord record;
    if (!Register(spec, procedure, &record.base)) return false;
    record.shared = true;
    record.maker = maker;
    records_.emplace(ClassKey(spec.name), record);
    return true;
  }

  ClassRecord Find(HWND window) {
    char name[256] = {};
    if (!GetClassNameA(window, name, sizeof name)) return {};
    std::lock_guard<std::mutex> lock(mutex_);
    auto found = records_.find(ClassKey(name));
    return found == records_.end() ? ClassRecord() : found->second;
  }

 private:
  static bool Register(const WindowClassSpec& spec, WNDPROC procedure, WNDPROC* base) {
    WNDCLASSEXA windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    if (spec.superclassOf) {
      // The common controls are global classes of their library.
      if (!GetClassInfoExA(nullptr, spec.superclassOf, &windowClass) &&
          !GetClassInfoExA(GetModuleHandleA("comctl32.dll"), spec.superclassOf, &windowClass)) {
        return false;
      }
      *base = windowClass.lpfnWndProc;
      windowClass.style &= ~CS_GLOBALCLASS;
    } else {
      *base = DefWindowProcA;
      windowClass.style = spec.style;
      windowClass.hCursor = spec.cursor ? spec.cursor : LoadCursor(nullptr, IDC_ARROW);
      windowClass.hbrBackground = spec.background;
    }
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = ModuleInstance();
    windowClass.lpszClassName = spec.name;
    windowClass.lpszMenuName = nullptr;
    return RegisterClassExA(&windowClass) != 0;
  }

  std::mutex mutex_;
  std::map<std::string, ClassRecord> records_;
};

ClassRegistry& Classes() {
  static ClassRegistry classes;
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
                    DWORD exStyle, UINT id, const char* text) {
  if (handle()) return false;
  // One object keeps one class for all the windows it makes in turn.
  if (className_ && ClassKey(className_) != ClassKey(windowClass.name)) return false;
  if (!className_) {
    if (!Classes().Acquire(windowClass, Procedure)) return false;
    className_ = windowClass.name;
  }
  // A child's id travels in the menu argument.
  HMENU menu = (style & WS_CHILD) ? reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)) : nullptr;
  HWND created = CreateWindowExA(exStyle, windowClass.name, text, style, rect.left, rect.top,
                                 rect.right - rect.left, rect.bottom - rect.top, parent, menu,
                                 ModuleInstance(), this);
  return created != nullptr;
}

Window* Window::FromHandle(HWND window) {
  if (!window ||
      GetClassLongPtrA(window, GCLP_HMODULE) != reinterpret_cast<ULONG_PTR>(ModuleInstance())) {
    return nullptr;
  }
  return static_cast<Window*>(GetPropA(window, WindowProperty()));
}

void Window::Destroy() {
  if (handle()) DestroyWindow(handle());
}

LRESULT Window::DefaultProcessing(UINT message, WPARAM wParam, LPARAM lParam) {
  return CallWindowProcA(base_, handle(), message, wParam, lParam);
}

void Window::Bind(HWND window, WNDPROC base) {
  base_ = base;
  SetHandle(window);
  SetPropA(window, WindowProperty(), this);
}

void Window::Unbind(HWND window) { RemovePropA(window, WindowProperty()); }

LRESULT CALLBACK Window::Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  auto* self = static_cast<Window*>(GetPropA(window, WindowProperty()));
  if (!self) {
    ClassRecord record = Classes().Find(window);
    if (message == WM_NCCREATE) {
      const auto& creation = *reinterpret_cast<const CREATESTRUCTA*>(lParam);
      if (record.maker) {
        self = record.maker(window, creation);
        if (!self) return FALSE;  // refused: the window is not made
      } else {
        self = static_cast<Window*>(creation.lpCreateParams);
      }
      if (self) self->Bind(window, record.base);
    }
    // Before WM_NCCREATE (WM_GETMINMAXINFO of a top-level window): the
    // class's own processing.
    if (!self) return CallWindowProcA(record.base, window, message, wParam, lParam);
  }
  return self->Dispatch(message, wParam, lParam);
}

bool RegisterSharedWindowClass(const WindowClassSpec& windowClass, WindowMaker maker) {
  return maker && Classes().RegisterShared(windowClass, maker, Window::Procedure);
}

}  // namespace morvex::com
