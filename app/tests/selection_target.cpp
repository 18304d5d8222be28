// A program of the user's for the popup translation's tests: a frame in
// the foreground holding the text given on the command line in one of the
// ways programs hold a selection. Its caption becomes "ready" (in delayed
// mode: the text) once all is in place.
//
//   selection_target.exe edit    <text>  a plain edit field, all selected
//                                        and focused
//   selection_target.exe asleep  <text>  the same, asleep whenever it is
//                                        asked to copy (a hung program)
//   selection_target.exe command <text>  no edit field: the frame copies
//                                        only on the command ID_EDIT_COPY
//   selection_target.exe delayed <text>  no edit field: the frame promises
//                                        text on WM_COPY and never renders
//                                        it; the text is its caption
#include <windows.h>
// shellapi.h needs windows.h before it.
#include <shellapi.h>

#include <string>

namespace {

constexpr wchar_t kClassName[] = L"MorvexSelectionTarget";
constexpr RECT kPlace = {200, 150, 600, 350};
// Long past the capture's bound: the program stays asleep while it is asked.
constexpr DWORD kAsleepMs = 10000;
constexpr WORD kEditCopyCommand = 0xE122;

WNDPROC editProcedure = nullptr;
const wchar_t* heldText = L"";
bool delayed = false;

void PutOnClipboard(HWND owner, UINT format, HANDLE data) {
  if (!OpenClipboard(owner)) return;
  EmptyClipboard();
  SetClipboardData(format, data);
  CloseClipboard();
}

HGLOBAL AnsiCopyOf(const wchar_t* text) {
  const int size = WideCharToMultiByte(CP_ACP, 0, text, -1, nullptr, 0, nullptr, nullptr);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, static_cast<SIZE_T>(size));
  if (!memory) return nullptr;
  WideCharToMultiByte(CP_ACP, 0, text, -1, static_cast<char*>(GlobalLock(memory)), size, nullptr,
                      nullptr);
  GlobalUnlock(memory);
  return memory;
}

LRESULT CALLBACK AsleepEdit(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_COPY) Sleep(kAsleepMs);
  return CallWindowProcW(editProcedure, window, message, wParam, lParam);
}

LRESULT CALLBACK Frame(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  switch (message) {
    case WM_DESTROY:
      PostQuitMessage(0);
      break;
    case WM_COMMAND:
      if (LOWORD(wParam) == kEditCopyCommand) PutOnClipboard(window, CF_TEXT, AnsiCopyOf(heldText));
      return 0;
    case WM_COPY:
      if (delayed) PutOnClipboard(window, CF_TEXT, nullptr);
      return 0;
    case WM_RENDERFORMAT:
      return 0;
  }
  return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  int count = 0;
  wchar_t** arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  if (!arguments || count < 3) return 2;
  const std::wstring mode = arguments[1];
  heldText = arguments[2];
  delayed = mode == L"delayed";
  const bool withEdit = mode == L"edit" || mode == L"asleep";

  WNDCLASSW windowClass = {};
  windowClass.lpfnWndProc = Frame;
  windowClass.hInstance = instance;
  windowClass.lpszClassName = kClassName;
  windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
  if (!RegisterClassW(&windowClass)) return 3;
  HWND frame = CreateWindowExW(WS_EX_TOPMOST, kClassName, L"", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                               kPlace.left, kPlace.top, kPlace.right - kPlace.left,
                               kPlace.bottom - kPlace.top, nullptr, nullptr, instance, nullptr);
  if (!frame) return 4;
  SetForegroundWindow(frame);
  if (withEdit) {
    HWND edit = CreateWindowExW(0, L"EDIT", heldText, WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, 10,
                                10, 300, 24, frame, nullptr, instance, nullptr);
    if (!edit) return 4;
    if (mode == L"asleep") {
      editProcedure = reinterpret_cast<WNDPROC>(
          SetWindowLongPtrW(edit, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(AsleepEdit)));
    }
    SetFocus(edit);
    SendMessageW(edit, EM_SETSEL, 0, -1);
  }
  SetWindowTextW(frame, delayed ? heldText : L"ready");

  MSG message;
  while (GetMessageW(&message, nullptr, 0, 0) > 0) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
  return 0;
}
