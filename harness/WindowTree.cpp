#include "harness/WindowTree.h"

#include <algorithm>

#include "harness/WindowProbe.h"

namespace harness {

namespace {

BOOL CALLBACK CollectDescendant(HWND window, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(window);
  return TRUE;
}

// EnumChildWindows is the walk that stays safe while windows come and go,
// but it yields every descendant; a window's own children are those whose
// parent it is, still in Z order, which is creation order for children.
std::vector<HWND> DirectChildren(HWND parent) {
  std::vector<HWND> descendants;
  EnumChildWindows(parent, CollectDescendant, reinterpret_cast<LPARAM>(&descendants));
  std::vector<HWND> children;
  for (HWND window : descendants) {
    if (GetAncestor(window, GA_PARENT) == parent) children.push_back(window);
  }
  return children;
}

RECT ClientOnScreen(HWND window) {
  RECT client = {};
  if (GetClientRect(window, &client)) {
    MapWindowPoints(window, HWND_DESKTOP, reinterpret_cast<POINT*>(&client), 2);
  }
  return client;
}

class TreeReader {
 public:
  WindowNode Read(HWND window) {
    WindowNode node;
    node.handle = window;
    node.className = ClassOf(window);
    node.style = static_cast<DWORD>(GetWindowLongW(window, GWL_STYLE));
    node.exStyle = static_cast<DWORD>(GetWindowLongW(window, GWL_EXSTYLE));
    // A top-level window's id slot holds its menu.
    if (node.style & WS_CHILD) node.id = GetDlgCtrlID(window);
    node.visible = IsWindowVisible(window) != FALSE;
    GetWindowRect(window, &node.window);
    node.client = ClientOnScreen(window);
    node.answered = ReadTextUnlessSilent(window, &node.text);
    for (HWND child : DirectChildren(window)) node.children.push_back(Read(child));
    return node;
  }

 private:
  bool ReadTextUnlessSilent(HWND window, std::wstring* text) {
    DWORD thread = GetWindowThreadProcessId(window, nullptr);
    if (std::find(silentThreads_.begin(), silentThreads_.end(), thread) != silentThreads_.end()) {
      return false;
    }
    if (ReadText(window, text)) return true;
    silentThreads_.push_back(thread);
    return false;
  }

  std::vector<DWORD> silentThreads_;
};

}  // namespace

WindowNode ReadWindowTree(HWND window) { return TreeReader().Read(window); }

}  // namespace harness
