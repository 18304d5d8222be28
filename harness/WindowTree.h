// A window and all its descendants as facts a test can compare: class, id,
// text, rectangles, visibility and styles, children in creation order.
// Read from outside, so it works on windows of any process, and a window
// that stops answering costs at most one bounded wait.
//
// Used by the winprobe program ("winprobe tree") and by test programs that
// check the layout of a user-interface control.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

namespace harness {

struct WindowNode {
  HWND handle = nullptr;
  std::wstring className;
  int id = 0;  // a child's control id; 0 for a top-level window
  std::wstring text;
  // False when the window's thread did not answer in time: text is empty.
  bool answered = true;
  RECT window = {};  // the whole window, in screen pixels
  RECT client = {};  // its client area, in screen pixels
  // On screen: shown itself and every ancestor shown (WS_VISIBLE in style
  // says whether the window alone is).
  bool visible = false;
  DWORD style = 0;
  DWORD exStyle = 0;
  std::vector<WindowNode> children;  // in the order they were created
};

// The window and everything below it. Once a thread has not answered, its
// other windows are not asked for their texts either (answered is false).
WindowNode ReadWindowTree(HWND window);

}  // namespace harness
