// winprobe: finds top-level windows and dialogs of any Wine process, prints
// their text and closes them, so that no message box blocks a test run.
//
//   winprobe list   [--class NAME] [--caption TEXT]
//   winprobe dialog [--class NAME] [--caption TEXT] [--timeout MS] [--press BUTTON | --keep]
//       waits for the window (class "#32770" unless told), prints its text,
//       then presses BUTTON (its text, or "#" and its id: "#7"), or closes
//       it unless --keep is given
//   winprobe close  [--class NAME] [--caption TEXT]
//       closes every matching window
//
// Output, one line per window and per child that carries text:
//   window "Caption" class "#32770"
//     Static 65535 "The message"
//     Button 1 "OK"
// Exit codes: 0 done, 1 no matching window, 2 bad usage, 3 no such button
// (the window is closed all the same), 4 the window would not close.
#include <windows.h>

#include <cwchar>
#include <string>
#include <vector>

#include "harness/Console.h"
#include "harness/WindowProbe.h"

namespace {

enum ExitCode {
  kDone = 0,
  kNoWindow = 1,
  kUsage = 2,
  kNoSuchButton = 3,
  kStillOpen = 4,
};

constexpr DWORD kDefaultTimeoutMs = 10000;
constexpr DWORD kCloseTimeoutMs = 3000;

struct Options {
  std::wstring command;
  harness::WindowMatch match;
  DWORD timeoutMs = kDefaultTimeoutMs;
  std::wstring press;
  bool keep = false;
};

const wchar_t kUsageText[] =
    L"usage: winprobe list|dialog|close [--class NAME] [--caption TEXT] [--timeout MS]"
    L" [--press BUTTON | --keep]";

std::wstring Quoted(const std::wstring& text) {
  std::wstring quoted = L"\"";
  for (wchar_t c : text) {
    switch (c) {
      case L'"':
        quoted += L"\\\"";
        break;
      case L'\\':
        quoted += L"\\\\";
        break;
      case L'\n':
        quoted += L"\\n";
        break;
      case L'\r':
        quoted += L"\\r";
        break;
      case L'\t':
        quoted += L"\\t";
        break;
      default:
        quoted += c;
    }
  }
  return quoted + L"\"";
}

bool ParseMilliseconds(const std::wstring& text, DWORD* value) {
  if (text.empty() || text.size() > 9) return false;
  DWORD result = 0;
  for (wchar_t c : text) {
    if (c < L'0' || c > L'9') return false;
    result = result * 10 + (c - L'0');
  }
  *value = result;
  return true;
}

bool ParseOptions(const std::vector<std::wstring>& arguments, Options* options) {
  if (arguments.empty()) return false;
  options->command = arguments[0];
  if (options->command != L"list" && options->command != L"dialog" &&
      options->command != L"close") {
    return false;
  }
  if (options->command == L"dialog") options->match.className = harness::kDialogClass;
  for (size_t i = 1; i < arguments.size(); ++i) {
    const std::wstring& name = arguments[i];
    if (name == L"--keep") {
      options->keep = true;
      continue;
    }
    if (i + 1 >= arguments.size()) return false;
    const std::wstring& value = arguments[++i];
    if (name == L"--class") {
      options->match.className = value;
    } else if (name == L"--caption") {
      options->match.caption = value;
    } else if (name == L"--timeout") {
      if (!ParseMilliseconds(value, &options->timeoutMs)) return false;
    } else if (name == L"--press") {
      options->press = value;
    } else {
      return false;
    }
  }
  return !(options->keep && !options->press.empty());
}

void PrintWindow(HWND window) {
  harness::WindowText text = harness::ReadWindowText(window);
  harness::PrintLine(L"window " + Quoted(text.caption) + L" class " + Quoted(text.className));
  for (const harness::WindowItem& item : text.items) {
    harness::PrintLine(L"  " + item.className + L" " + std::to_wstring(item.id) + L" " +
                       Quoted(item.text));
  }
}

int List(const Options& options) {
  for (HWND window : harness::FindWindows(options.match)) PrintWindow(window);
  return kDone;
}

int Close(HWND window) {
  if (harness::CloseWindow(window, kCloseTimeoutMs)) {
    harness::PrintLine(L"closed");
    return kDone;
  }
  harness::PrintLine(L"still open");
  return kStillOpen;
}

int Dialog(const Options& options) {
  HWND window = harness::WaitForWindow(options.match, options.timeoutMs);
  if (!window) {
    harness::PrintLine(L"no window");
    return kNoWindow;
  }
  PrintWindow(window);
  if (options.keep) return kDone;
  if (options.press.empty()) return Close(window);
  if (harness::PressButton(window, options.press)) {
    harness::PrintLine(L"pressed " + Quoted(options.press));
    return harness::WaitUntilGone(window, kCloseTimeoutMs) ? kDone : kStillOpen;
  }
  harness::PrintLine(L"no button " + Quoted(options.press));
  Close(window);
  return kNoSuchButton;
}

int CloseAll(const Options& options) {
  std::vector<HWND> windows = harness::FindWindows(options.match);
  if (windows.empty()) return kNoWindow;
  int result = kDone;
  for (HWND window : windows) {
    PrintWindow(window);
    if (Close(window) != kDone) result = kStillOpen;
  }
  return result;
}

}  // namespace

int main() {
  Options options;
  if (!ParseOptions(harness::WideArguments(), &options)) {
    harness::PrintError(kUsageText);
    return kUsage;
  }
  if (options.command == L"list") return List(options);
  if (options.command == L"dialog") return Dialog(options);
  return CloseAll(options);
}
