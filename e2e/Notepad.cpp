#include "e2e/Notepad.h"

#include <cstdio>

#include "e2e/InstalledProgram.h"
#include "e2e/PopupDriving.h"

namespace morvex::e2e {

namespace {

// Away from the font's edges: the middle of a character cell.
constexpr POINT kIntoCharacter = {3, 6};

// Sent with a bound: notepad may be busy.
bool Answered(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
  DWORD_PTR answer = 0;
  return SendMessageTimeoutW(window, message, wParam, lParam, SMTO_ABORTIFHUNG, kReactionTimeoutMs,
                             &answer) != 0;
}

}  // namespace

Notepad::Notepad(const std::string& words, const RECT& place) {
  std::wstring command = L"notepad.exe";
  if (!words.empty()) {
    wchar_t directory[MAX_PATH] = {};
    GetTempPathW(MAX_PATH, directory);
    file_ = std::wstring(directory) + L"morvex-day-words.txt";
    FILE* out = _wfopen(file_.c_str(), L"wb");
    if (!out) return;
    const bool written = fwrite(words.data(), 1, words.size(), out) == words.size();
    fclose(out);
    if (!written) return;
    command += L" " + harness::QuoteArgument(file_);
  }
  if (!process_.Start(command)) return;
  // The frame shows before its edit field is made: both, or not up.
  HWND found = nullptr;
  if (!WaitUntil(
          [&] {
            found = FindWindowW(L"Notepad", nullptr);
            edit_ = found && IsWindowVisible(found) ? FindWindowExW(found, nullptr, L"Edit", nullptr)
                                                    : nullptr;
            return edit_ != nullptr;
          },
          kStartTimeoutMs)) {
    return;
  }
  SetWindowPos(found, nullptr, place.left, place.top, place.right - place.left,
               place.bottom - place.top, SWP_NOZORDER);
  // The file's words, read as another program reads them: the edit
  // field's own text, asked by message.
  if (words.empty() || WaitUntil([&] { return !TextOf(edit_).empty(); }, kStartTimeoutMs))
    window_ = found;
}

Notepad::~Notepad() {
  // Nothing of the user's changed: notepad closes without asking to save.
  if (HWND found = FindWindowW(L"Notepad", nullptr)) {
    if (edit_) Answered(edit_, EM_SETMODIFY, FALSE, 0);
    PostMessageW(found, WM_CLOSE, 0, 0);
  }
  process_.Wait(kExitTimeoutMs);
  if (!file_.empty()) DeleteFileW(file_.c_str());
}

bool Notepad::BringForward() const {
  if (!window_) return false;
  SetForegroundWindow(window_);
  return WaitUntil([&] { return GetForegroundWindow() == window_; }, kReactionTimeoutMs);
}

// Keys pressed while another window takes the foreground (a program
// activating its window late) are lost, as they are for a user, who selects
// again.
bool Notepad::SelectWord(int word, int start) const {
  constexpr int kAttempts = 2;
  for (int attempt = 0; attempt < kAttempts; ++attempt) {
    if (!BringForward() || !Press(L"ctrl+home")) continue;
    bool pressed = true;
    for (int i = 0; i < word && pressed; ++i) pressed = Press(L"ctrl+right");
    if (pressed && Press(L"shift+ctrl+right") &&
        WaitUntil(
            [&] {
              const DWORD selection = Selection();
              return LOWORD(selection) == start && HIWORD(selection) > start;
            },
            kReactionTimeoutMs / kAttempts)) {
      return true;
    }
  }
  return false;
}

bool Notepad::Hold(const std::wstring& word) const {
  return window_ && Answered(edit_, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(word.c_str())) &&
         Answered(edit_, EM_SETSEL, 0, -1) && BringForward();
}

DWORD Notepad::Selection() const {
  return static_cast<DWORD>(SendMessageW(edit_, EM_GETSEL, 0, 0));
}

POINT Notepad::PointOf(int index) const {
  const LRESULT packed = SendMessageW(edit_, EM_POSFROMCHAR, static_cast<WPARAM>(index), 0);
  POINT at = {static_cast<short>(LOWORD(packed)) + kIntoCharacter.x,
              static_cast<short>(HIWORD(packed)) + kIntoCharacter.y};
  ClientToScreen(edit_, &at);
  return at;
}

}  // namespace morvex::e2e
