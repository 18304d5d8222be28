#include "e2e/PopupDriving.h"

#include <cstring>
#include <vector>

#include "e2e/InstalledProgram.h"
#include "harness/KeyCombo.h"
#include "harness/MouseInput.h"
#include "harness/WindowProbe.h"

namespace morvex::e2e {

bool Press(const wchar_t* combination) {
  std::vector<harness::KeyStroke> keys;
  std::wstring error;
  return harness::ParseKeyCombo(combination, &keys, &error) && harness::SendKeyCombo(keys);
}

HWND DescendantWithId(HWND root, int id, const wchar_t* className) {
  return harness::FindDescendant(root, [&](HWND child) {
    return GetDlgCtrlID(child) == id && (!className || harness::ClassOf(child) == className);
  });
}

std::wstring TextOf(HWND window) {
  std::wstring text;
  if (window) harness::ReadText(window, &text);
  return text;
}

bool ClickUntil(const std::function<POINT()>& at, const std::function<bool()>& reacted,
                DWORD timeoutMs) {
  constexpr int kAttempts = 2;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    if (!harness::SendClick({at(), harness::MouseButton::kLeft, false})) return false;
    if (WaitUntil(reacted, timeoutMs / kAttempts)) return true;
  }
  return false;
}

HWND ProgramMenu(HWND programWindow) {
  DWORD program = 0;
  GetWindowThreadProcessId(programWindow, &program);
  for (HWND menu : harness::FindWindows({L"#32768", L""})) {
    DWORD owner = 0;
    GetWindowThreadProcessId(menu, &owner);
    if (owner == program) return menu;
  }
  return nullptr;
}

POINT MiddleOf(HWND window) {
  RECT rect = {};
  GetWindowRect(window, &rect);
  return {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
}

bool PutClipboardText(const std::wstring& text) {
  if (!OpenClipboard(nullptr)) return false;
  EmptyClipboard();
  const size_t size = (text.size() + 1) * sizeof(wchar_t);
  HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
  bool put = false;
  if (void* bytes = memory ? GlobalLock(memory) : nullptr) {
    memcpy(bytes, text.c_str(), size);
    GlobalUnlock(memory);
    put = SetClipboardData(CF_UNICODETEXT, memory) != nullptr;
  }
  if (!put && memory) GlobalFree(memory);
  CloseClipboard();
  return put;
}

std::wstring ClipboardText() {
  std::wstring text;
  if (!OpenClipboard(nullptr)) return L"<the clipboard cannot be opened>";
  if (HANDLE data = GetClipboardData(CF_UNICODETEXT)) {
    if (const auto* locked = static_cast<const wchar_t*>(GlobalLock(data))) {
      text = locked;
      GlobalUnlock(data);
    }
  }
  CloseClipboard();
  return text;
}

Target::Target(const wchar_t* mode, const wchar_t* text) {
  const std::wstring command =
      harness::QuoteArgument(harness::ProgramBeside(L"selection_target.exe")) + L" " + mode + L" " +
      harness::QuoteArgument(text);
  if (process_.Start(command))
    window_ = harness::WaitForWindow({kTargetClass, L"ready"}, kStartTimeoutMs);
}

Target::~Target() {
  if (window_) PostMessageW(window_, WM_CLOSE, 0, 0);
  process_.Wait(kExitTimeoutMs);
}

bool WaitForTip(Tip* tip, DWORD timeoutMs) {
  return WaitUntil(
      [&] {
        tip->window = FindWindowA("QuickHintHost", nullptr);
        if (!tip->window || !IsWindowVisible(tip->window)) return false;
        GetWindowRect(tip->window, &tip->place);
        tip->header = TextOf(DescendantWithId(tip->window, kTipHeaderId));
        tip->body = TextOf(DescendantWithId(tip->window, kTipBodyId));
        return !tip->header.empty();
      },
      timeoutMs);
}

bool TipShown() {
  HWND tip = FindWindowA("QuickHintHost", nullptr);
  return tip && IsWindowVisible(tip);
}

}  // namespace morvex::e2e
