#include "harness/WindowProbe.h"

#include <cwctype>

#include "harness/NumberText.h"

namespace harness {

const wchar_t kDialogClass[] = L"#32770";

namespace {

// A window of another process may hang; no query waits longer than this.
constexpr UINT kQueryTimeoutMs = 1000;
constexpr DWORD kPollIntervalMs = 50;
// Control ids are 16 bits in dialog templates, an int in a window.
constexpr uint64_t kLargestButtonId = 0x7FFFFFFF;

std::wstring TextOf(HWND window) {
  std::wstring text;
  ReadText(window, &text);
  return text;
}

bool SameIgnoringCase(const std::wstring& a, const std::wstring& b) {
  if (a.size() != b.size()) return false;
  for (size_t i = 0; i < a.size(); ++i) {
    if (std::towlower(a[i]) != std::towlower(b[i])) return false;
  }
  return true;
}

// "&Yes" reads "Yes"; "&&" is a literal ampersand.
std::wstring WithoutMnemonics(const std::wstring& text) {
  std::wstring plain;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] == L'&' && i + 1 < text.size()) ++i;
    plain += text[i];
  }
  return plain;
}

// "#7" names the button with id 7.
bool ParseButtonId(const std::wstring& text, int* id) {
  uint64_t value = 0;
  if (text.empty() || text[0] != L'#' || !ParseUnsigned(text.substr(1), kLargestButtonId, &value)) {
    return false;
  }
  *id = static_cast<int>(value);
  return true;
}

bool Matches(HWND window, const WindowMatch& match) {
  if (!IsWindowVisible(window)) return false;
  if (!match.className.empty() && !SameIgnoringCase(ClassOf(window), match.className)) {
    return false;
  }
  return match.caption.empty() || TextOf(window) == match.caption;
}

struct FindState {
  const WindowMatch* match;
  std::vector<HWND>* found;
};

BOOL CALLBACK CollectMatching(HWND window, LPARAM param) {
  auto* state = reinterpret_cast<FindState*>(param);
  if (Matches(window, *state->match)) state->found->push_back(window);
  return TRUE;
}

BOOL CALLBACK CollectChildren(HWND child, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
  return TRUE;
}

std::vector<HWND> VisibleChildren(HWND window) {
  std::vector<HWND> all;
  EnumChildWindows(window, CollectChildren, reinterpret_cast<LPARAM>(&all));
  std::vector<HWND> visible;
  for (HWND child : all) {
    if (IsWindowVisible(child)) visible.push_back(child);
  }
  return visible;
}

bool IsButton(HWND window) { return SameIgnoringCase(ClassOf(window), L"Button"); }

// Posted, not sent: the dialog may open another one from its handler.
void Press(HWND window, HWND button) {
  int id = GetDlgCtrlID(button);
  PostMessageW(window, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

HWND DefaultOrFirstButton(HWND window) {
  DWORD_PTR result = 0;
  if (SendMessageTimeoutW(window, DM_GETDEFID, 0, 0, SMTO_ABORTIFHUNG, kQueryTimeoutMs, &result) &&
      HIWORD(result) == DC_HASDEFID) {
    HWND button = GetDlgItem(window, LOWORD(result));
    if (button) return button;
  }
  for (HWND child : VisibleChildren(window)) {
    if (IsButton(child)) return child;
  }
  return nullptr;
}

}  // namespace

std::wstring ClassOf(HWND window) {
  wchar_t name[256] = {};
  int length = GetClassNameW(window, name, 256);
  return std::wstring(name, length > 0 ? length : 0);
}

bool ReadText(HWND window, std::wstring* text) {
  text->clear();
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kQueryTimeoutMs,
                           &length)) {
    return false;
  }
  std::wstring buffer(length + 1, L'\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutW(window, WM_GETTEXT, buffer.size(), reinterpret_cast<LPARAM>(&buffer[0]),
                           SMTO_ABORTIFHUNG, kQueryTimeoutMs, &copied)) {
    return false;
  }
  buffer.resize(copied < length ? copied : length);
  *text = buffer;
  return true;
}

std::vector<HWND> FindWindows(const WindowMatch& match) {
  std::vector<HWND> found;
  FindState state{&match, &found};
  EnumWindows(CollectMatching, reinterpret_cast<LPARAM>(&state));
  return found;
}

HWND FindDescendant(HWND root, const std::function<bool(HWND)>& matches) {
  struct Search {
    const std::function<bool(HWND)>* matches;
    HWND found;
  } search = {&matches, nullptr};
  EnumChildWindows(
      root,
      [](HWND child, LPARAM address) -> BOOL {
        auto* s = reinterpret_cast<Search*>(address);
        if (!(*s->matches)(child)) return TRUE;
        s->found = child;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND WaitForWindow(const WindowMatch& match, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  for (;;) {
    std::vector<HWND> found = FindWindows(match);
    if (!found.empty()) return found.front();
    if (GetTickCount() - start >= timeoutMs) return nullptr;
    Sleep(kPollIntervalMs);
  }
}

WindowText ReadWindowText(HWND window) {
  WindowText result;
  result.className = ClassOf(window);
  result.caption = TextOf(window);
  for (HWND child : VisibleChildren(window)) {
    WindowItem item;
    item.className = ClassOf(child);
    item.id = GetDlgCtrlID(child);
    item.text = TextOf(child);
    // A message box's icon is a static without text; it says nothing.
    if (item.text.empty() && !IsButton(child)) continue;
    result.items.push_back(item);
  }
  return result;
}

bool PressButton(HWND window, const std::wstring& button) {
  int id = 0;
  bool byId = ParseButtonId(button, &id);
  std::wstring wanted = WithoutMnemonics(button);
  for (HWND child : VisibleChildren(window)) {
    if (!IsButton(child)) continue;
    if (byId ? GetDlgCtrlID(child) == id
             : SameIgnoringCase(WithoutMnemonics(TextOf(child)), wanted)) {
      Press(window, child);
      return true;
    }
  }
  return false;
}

bool WaitUntilGone(HWND window, DWORD timeoutMs) {
  DWORD start = GetTickCount();
  while (IsWindow(window)) {
    if (GetTickCount() - start >= timeoutMs) return false;
    Sleep(kPollIntervalMs / 5);
  }
  return true;
}

bool CloseWindow(HWND window, DWORD timeoutMs) {
  PostMessageW(window, WM_CLOSE, 0, 0);
  DWORD half = timeoutMs / 2;
  if (WaitUntilGone(window, half)) return true;
  HWND button = DefaultOrFirstButton(window);
  if (!button) return false;
  Press(window, button);
  return WaitUntilGone(window, timeoutMs - half);
}

bool PostToWindow(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  return IsWindow(window) && PostMessageW(window, message, wParam, lParam);
}

}  // namespace harness
