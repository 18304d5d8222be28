#include "app/SelectionCapture.h"

#include <algorithm>
#include <cstring>
#include <cwchar>

#include "app/portable/PopupText.h"

namespace morvex::solo {

namespace {

// How long a foreign window has for each request; the first that runs out
// ends the capture, so a hung program costs about half a second.
constexpr UINT kForeignAnswerTimeoutMs = 500;
// Another program may hold the clipboard for a moment.
constexpr int kClipboardAttempts = 5;
constexpr DWORD kClipboardRetryDelayMs = 20;
// The clipboard text is read into a 256-byte buffer, at most 126 bytes of
// it; the window's text into 126 bytes, of which it may fill 125 with NUL.
constexpr size_t kClipboardBufferSize = 256;
constexpr size_t kClipboardTextLimit = 126;
constexpr size_t kWindowTextBufferSize = 126;
constexpr WPARAM kWindowTextCapacity = 125;
// The copy commands of the programs that have no WM_COPY, sent as
// accelerator commands: "copy" (0x000F) and the frameworks' ID_EDIT_COPY.
constexpr WPARAM kCopyCommands[] = {0x1000F, 0x1E122};

// Sends to windows of other programs with a bound: once one did not
// answer, nothing more is sent.
class ForeignMessenger {
 public:
  bool Send(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (ended_) return false;
    DWORD_PTR answer = 0;
    if (!SendMessageTimeoutA(window, message, wParam, lParam, SMTO_ABORTIFHUNG,
                             kForeignAnswerTimeoutMs, &answer)) {
      ended_ = true;
    }
    return !ended_;
  }
  bool ended() const { return ended_; }

 private:
  bool ended_ = false;
};

bool TextOnClipboard() { return IsClipboardFormatAvailable(CF_TEXT) != FALSE; }

// One request (WM_COPY, or the copy commands) sent to a window.
using CopyRequest = void (*)(ForeignMessenger* messenger, HWND window);

void SendCopy(ForeignMessenger* messenger, HWND window) { messenger->Send(window, WM_COPY, 0, 0); }

void SendCopyCommands(ForeignMessenger* messenger, HWND window) {
  for (WPARAM command : kCopyCommands) {
    if (!messenger->Send(window, WM_COMMAND, command, 0) || TextOnClipboard()) return;
  }
}

struct DescendantWalk {
  ForeignMessenger* messenger;
};

BOOL CALLBACK SendCopyCommandsToChild(HWND child, LPARAM walkAddress) {
  auto* walk = reinterpret_cast<DescendantWalk*>(walkAddress);
  SendCopyCommands(walk->messenger, child);
  return !walk->messenger->ended() && !TextOnClipboard();
}

// The request to the window, then (mouse) up its parents, or (hot key) the
// copy commands to each of its descendants, until text is there.
void SendToWindowChain(ForeignMessenger* messenger, HWND window, CaptureMode mode,
                       CopyRequest request) {
  request(messenger, window);
  if (messenger->ended() || TextOnClipboard()) return;
  if (mode == CaptureMode::kMouse) {
    for (HWND parent = GetParent(window); parent; parent = GetParent(parent)) {
      request(messenger, parent);
      if (messenger->ended() || TextOnClipboard()) return;
    }
    return;
  }
  DescendantWalk walk = {messenger};
  EnumChildWindows(window, SendCopyCommandsToChild, reinterpret_cast<LPARAM>(&walk));
}

// The window that has the keyboard focus in the window's thread, when it is
// one of the window's descendants: a plain edit field copies only when
// asked itself.
HWND FocusedDescendant(HWND window) {
  GUITHREADINFO info = {};
  info.cbSize = sizeof info;
  if (!GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info)) return nullptr;
  return info.hwndFocus && IsChild(window, info.hwndFocus) ? info.hwndFocus : nullptr;
}

bool OpenClipboardFor(HWND owner) {
  for (int attempt = 0; attempt < kClipboardAttempts; ++attempt) {
    if (attempt > 0) Sleep(kClipboardRetryDelayMs);
    if (OpenClipboard(owner)) return true;
  }
  return false;
}

// The user's text on the clipboard, with its locale when it has one.
class KeptClipboardText {
 public:
  // With the clipboard open: takes a copy, bounded by the memory behind it.
  void Take() {
    HANDLE text = GetClipboardData(CF_UNICODETEXT);
    const void* locked = text ? GlobalLock(text) : nullptr;
    if (!locked) return;
    const size_t capacity = GlobalSize(text) / sizeof(wchar_t);
    const auto* characters = static_cast<const wchar_t*>(locked);
    text_.assign(characters, wcsnlen(characters, capacity));
    GlobalUnlock(text);
    kept_ = true;
    HANDLE locale = GetClipboardData(CF_LOCALE);
    const void* lockedLocale = locale ? GlobalLock(locale) : nullptr;
    if (!lockedLocale) return;
    if (GlobalSize(locale) >= sizeof locale_) {
      std::memcpy(&locale_, lockedLocale, sizeof locale_);
      hasLocale_ = true;
    }
    GlobalUnlock(locale);
  }

  // Puts the text back in place of whatever the capture left there. Only
  // the clipboard's owner may set data after emptying it.
  void PutBack(HWND owner) const {
    if (!kept_ || !OpenClipboardFor(owner)) return;
    if (EmptyClipboard()) {
      SetData(CF_UNICODETEXT, text_.c_str(), (text_.size() + 1) * sizeof(wchar_t));
      if (hasLocale_) SetData(CF_LOCALE, &locale_, sizeof locale_);
    }
    CloseClipboard();
  }

 private:
  static void SetData(UINT format, const void* data, size_t size) {
    HGLOBAL memory = GlobalAlloc(GMEM_MOVEABLE, size);
    void* locked = memory ? GlobalLock(memory) : nullptr;
    if (!locked) {
      if (memory) GlobalFree(memory);
      return;
    }
    std::memcpy(locked, data, size);
    GlobalUnlock(memory);
    if (!SetClipboardData(format, memory)) GlobalFree(memory);
  }

  std::wstring text_;
  LCID locale_ = 0;
  bool kept_ = false;
  bool hasLocale_ = false;
};

// Keeps the user's text and empties the clipboard; false when the clipboard
// could not be had or emptied: its old text would pass for the selection.
bool KeepAndEmptyClipboard(HWND owner, KeptClipboardText* kept) {
  for (int attempt = 0; attempt < kClipboardAttempts; ++attempt) {
    if (attempt > 0) Sleep(kClipboardRetryDelayMs);
    if (!OpenClipboard(owner)) continue;
    kept->Take();
    const bool emptied = EmptyClipboard() != FALSE;
    CloseClipboard();
    if (emptied) return true;
  }
  return false;
}

std::string ClipboardText(HANDLE text) {
  char buffer[kClipboardBufferSize] = {};
  const char* locked = static_cast<const char*>(GlobalLock(text));
  if (!locked) return std::string();
  const size_t limit = std::min(kClipboardTextLimit, static_cast<size_t>(GlobalSize(text)));
  const size_t length = strnlen(locked, limit);
  std::memcpy(buffer, locked, length);
  GlobalUnlock(text);
  return std::string(buffer, length);
}

std::string WindowText(ForeignMessenger* messenger, HWND window) {
  char buffer[kWindowTextBufferSize] = {};
  if (!messenger->Send(window, WM_GETTEXT, kWindowTextCapacity, reinterpret_cast<LPARAM>(buffer))) {
    return std::string();
  }
  return std::string(buffer, strnlen(buffer, kWindowTextCapacity - 1));
}

}  // namespace

bool IsAnsiLetter(unsigned char c) { return IsCharAlphaA(static_cast<CHAR>(c)) != FALSE; }

bool ReadClipboardWord(std::string* word) {
  if (!TextOnClipboard() || !OpenClipboardFor(nullptr)) return false;
  HANDLE clipboardText = GetClipboardData(CF_TEXT);
  *word = clipboardText ? ClipboardText(clipboardText) : std::string();
  CloseClipboard();
  TrimCapturedWord(word, IsAnsiLetter);
  return clipboardText != nullptr;
}

bool CaptureSelection(HWND window, CaptureMode mode, HWND clipboardOwner, std::string* text) {
  KeptClipboardText kept;
  if (!KeepAndEmptyClipboard(clipboardOwner, &kept)) return false;

  ForeignMessenger messenger;
  HWND focus = mode == CaptureMode::kHotKey ? FocusedDescendant(window) : nullptr;
  if (focus) SendCopy(&messenger, focus);
  if (!messenger.ended() && !TextOnClipboard()) {
    SendToWindowChain(&messenger, window, mode, SendCopy);
  }
  if (!messenger.ended() && !TextOnClipboard()) {
    SendToWindowChain(&messenger, window, mode, SendCopyCommands);
  }

  bool captured = false;
  if (!messenger.ended() && TextOnClipboard() && OpenClipboardFor(clipboardOwner)) {
    HANDLE clipboardText = GetClipboardData(CF_TEXT);
    *text = clipboardText ? ClipboardText(clipboardText) : WindowText(&messenger, window);
    captured = !messenger.ended();
    CloseClipboard();
  }
  kept.PutBack(clipboardOwner);
  return captured;
}

}  // namespace morvex::solo
