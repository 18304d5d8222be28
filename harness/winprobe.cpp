// winprobe: finds windows of any Wine process, prints their text or their
// whole tree, posts messages to them and closes them, so that tests look
// at a program from outside and no message box blocks a test run.
//
//   winprobe list   [--class NAME] [--caption TEXT]
//   winprobe dialog [--class NAME] [--caption TEXT] [--timeout MS] [--press BUTTON | --keep]
//       waits for the window (class "#32770" unless told), prints its text,
//       then presses BUTTON (its text, or "#" and its id: "#7"), or closes
//       it unless --keep is given
//   winprobe close  [--class NAME] [--caption TEXT]
//       closes every matching window
//   winprobe tree   [--class NAME] [--caption TEXT] | --handle 0xHEX
//       prints every matching window with all its descendants; a handle
//       may name a hidden or a child window
//   winprobe post   (--class NAME [--caption TEXT] | --handle 0xHEX)
//                   --message N [--wparam N] [--lparam N]
//       posts the message to the first matching window and returns at once
// Numbers are decimal or 0x hexadecimal. Class and caption match visible
// top-level windows only.
//
// Output of list, dialog and close, one line per window and per child that
// carries text:
//   window "Caption" class "#32770"
//     Static 65535 "The message"
//     Button 1 "OK"
// Output of tree, one line per window, indented two spaces a level,
// children in creation order: class, id (0 for a top-level window),
// handle, window and client rectangles in screen pixels (left,top,right,
// bottom), shown on screen or hidden, styles, then the text, or
// (no answer) when the window's thread did not answer in time:
//   Main 0 0x0001004A rect 0,0,400,300 client 4,27,396,296 visible
//       style 0x14CF0000 exstyle 0x00000100 "Caption"        (one line)
//     Button 101 0x0001004C rect 14,37,114,61 client 14,37,114,61 hidden
//       style 0x40000000 exstyle 0x00000000 "&Go"            (one line)
// Output of post:
//   posted to 0x0001004A
// Exit codes: 0 done, 1 no matching window, 2 bad usage, 3 no such button
// (the window is closed all the same), 4 the window would not close,
// 5 the system refused the message.
#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "harness/Console.h"
#include "harness/NumberText.h"
#include "harness/WindowProbe.h"
#include "harness/WindowTree.h"

namespace {

enum ExitCode {
  kDone = 0,
  kNoWindow = 1,
  kUsage = 2,
  kNoSuchButton = 3,
  kStillOpen = 4,
  kRefused = 5,
};

constexpr DWORD kDefaultTimeoutMs = 10000;
constexpr DWORD kCloseTimeoutMs = 3000;
// A bounded wait stays bounded: no timeout reaches INFINITE.
constexpr uint64_t kLongestTimeoutMs = 0x7FFFFFFF;

enum Option : unsigned {
  kClass = 1u << 0,
  kCaption = 1u << 1,
  kTimeout = 1u << 2,
  kPress = 1u << 3,
  kKeep = 1u << 4,
  kHandle = 1u << 5,
  kMessage = 1u << 6,
  kWParam = 1u << 7,
  kLParam = 1u << 8,
};

struct OptionName {
  const wchar_t* name;
  Option option;
  bool takesValue;
};

const OptionName kOptionNames[] = {
    {L"--class", kClass, true},     {L"--caption", kCaption, true}, {L"--timeout", kTimeout, true},
    {L"--press", kPress, true},     {L"--keep", kKeep, false},      {L"--handle", kHandle, true},
    {L"--message", kMessage, true}, {L"--wparam", kWParam, true},   {L"--lparam", kLParam, true},
};

struct Options {
  unsigned given = 0;  // Option bits
  harness::WindowMatch match;
  DWORD timeoutMs = kDefaultTimeoutMs;
  std::wstring press;
  HWND handle = nullptr;
  UINT message = 0;
  WPARAM wParam = 0;
  LPARAM lParam = 0;

  bool Has(unsigned options) const { return (given & options) != 0; }
};

struct Command {
  const wchar_t* name;
  unsigned options;  // the Option bits it accepts
  int (*run)(const Options&);
};

const wchar_t kUsageText[] =
    L"usage: winprobe list|close [--class NAME] [--caption TEXT]\n"
    L"       winprobe dialog [--class NAME] [--caption TEXT] [--timeout MS]"
    L" [--press BUTTON | --keep]\n"
    L"       winprobe tree [--class NAME] [--caption TEXT] | --handle 0xHEX\n"
    L"       winprobe post (--class NAME [--caption TEXT] | --handle 0xHEX) --message N"
    L" [--wparam N] [--lparam N]";

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

// "0x" and at least eight upper-case digits: handles and styles line up.
std::wstring Hex(uint64_t value) {
  const wchar_t kDigits[] = L"0123456789ABCDEF";
  std::wstring digits;
  do {
    digits.insert(digits.begin(), kDigits[value & 0xF]);
    value >>= 4;
  } while (value != 0);
  if (digits.size() < 8) digits.insert(0, 8 - digits.size(), L'0');
  return L"0x" + digits;
}

std::wstring HandleText(HWND window) { return Hex(reinterpret_cast<uintptr_t>(window)); }

std::wstring RectText(const RECT& rect) {
  return std::to_wstring(rect.left) + L"," + std::to_wstring(rect.top) + L"," +
         std::to_wstring(rect.right) + L"," + std::to_wstring(rect.bottom);
}

bool SetOption(Option option, const std::wstring& value, Options* options) {
  uint64_t number = 0;
  switch (option) {
    case kClass:
      options->match.className = value;
      return true;
    case kCaption:
      options->match.caption = value;
      return true;
    case kPress:
      options->press = value;
      return !value.empty();
    case kKeep:
      return true;
    case kTimeout:
      if (!harness::ParseUnsigned(value, kLongestTimeoutMs, &number)) return false;
      options->timeoutMs = static_cast<DWORD>(number);
      return true;
    case kHandle:
      if (!harness::ParseUnsigned(value, UINTPTR_MAX, &number)) return false;
      options->handle = reinterpret_cast<HWND>(static_cast<uintptr_t>(number));
      return true;
    case kMessage:
      if (!harness::ParseUnsigned(value, UINT32_MAX, &number)) return false;
      options->message = static_cast<UINT>(number);
      return true;
    case kWParam:
      if (!harness::ParseUnsigned(value, UINTPTR_MAX, &number)) return false;
      options->wParam = static_cast<WPARAM>(number);
      return true;
    case kLParam:
      if (!harness::ParseUnsigned(value, UINTPTR_MAX, &number)) return false;
      options->lParam = static_cast<LPARAM>(number);
      return true;
  }
  return false;
}

// The rules that tie options together, whichever command takes them.
bool Consistent(const Command& command, const Options& options) {
  if (options.Has(kKeep) && options.Has(kPress)) return false;
  if (options.Has(kHandle) && options.Has(kClass | kCaption)) return false;
  // Posting to whatever window happens to be first is never meant.
  if (command.options & kMessage) {
    return options.Has(kMessage) && options.Has(kHandle | kClass | kCaption);
  }
  return true;
}

bool ParseOptions(const std::vector<std::wstring>& arguments, const Command& command,
                  Options* options) {
  for (size_t i = 1; i < arguments.size(); ++i) {
    const OptionName* known = nullptr;
    for (const OptionName& option : kOptionNames) {
      if (arguments[i] == option.name) known = &option;
    }
    if (!known || !(command.options & known->option)) return false;
    std::wstring value;
    if (known->takesValue) {
      if (i + 1 >= arguments.size()) return false;
      value = arguments[++i];
    }
    if (!SetOption(known->option, value, options)) return false;
    options->given |= known->option;
  }
  return Consistent(command, *options);
}

// The window named by --handle, or the visible top-level windows that match.
std::vector<HWND> Targets(const Options& options) {
  if (options.Has(kHandle)) {
    if (!IsWindow(options.handle)) return {};
    return {options.handle};
  }
  return harness::FindWindows(options.match);
}

void PrintWindow(HWND window) {
  harness::WindowText text = harness::ReadWindowText(window);
  harness::PrintLine(L"window " + Quoted(text.caption) + L" class " + Quoted(text.className));
  for (const harness::WindowItem& item : text.items) {
    harness::PrintLine(L"  " + item.className + L" " + std::to_wstring(item.id) + L" " +
                       Quoted(item.text));
  }
}

void PrintTree(const harness::WindowNode& node, size_t depth) {
  harness::PrintLine(std::wstring(depth * 2, L' ') + node.className + L" " +
                     std::to_wstring(node.id) + L" " + HandleText(node.handle) + L" rect " +
                     RectText(node.window) + L" client " + RectText(node.client) +
                     (node.visible ? L" visible" : L" hidden") + L" style " + Hex(node.style) +
                     L" exstyle " + Hex(node.exStyle) + L" " +
                     (node.answered ? Quoted(node.text) : L"(no answer)"));
  for (const harness::WindowNode& child : node.children) PrintTree(child, depth + 1);
}

int NoWindow() {
  harness::PrintLine(L"no window");
  return kNoWindow;
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
  harness::WindowMatch match = options.match;
  if (!options.Has(kClass)) match.className = harness::kDialogClass;
  HWND window = harness::WaitForWindow(match, options.timeoutMs);
  if (!window) return NoWindow();
  PrintWindow(window);
  if (options.Has(kKeep)) return kDone;
  if (!options.Has(kPress)) return Close(window);
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

int Tree(const Options& options) {
  std::vector<HWND> windows = Targets(options);
  if (windows.empty()) return NoWindow();
  for (HWND window : windows) PrintTree(harness::ReadWindowTree(window), 0);
  return kDone;
}

int Post(const Options& options) {
  std::vector<HWND> windows = Targets(options);
  if (windows.empty()) return NoWindow();
  if (!harness::PostToWindow(windows.front(), options.message, options.wParam, options.lParam)) {
    harness::PrintLine(L"refused, error " + std::to_wstring(GetLastError()));
    return kRefused;
  }
  harness::PrintLine(L"posted to " + HandleText(windows.front()));
  return kDone;
}

const Command kCommands[] = {
    {L"list", kClass | kCaption, List},
    {L"dialog", kClass | kCaption | kTimeout | kPress | kKeep, Dialog},
    {L"close", kClass | kCaption, CloseAll},
    {L"tree", kClass | kCaption | kHandle, Tree},
    {L"post", kClass | kCaption | kHandle | kMessage | kWParam | kLParam, Post},
};

}  // namespace

int main() {
  std::vector<std::wstring> arguments = harness::WideArguments();
  for (const Command& command : kCommands) {
    if (arguments.empty() || arguments[0] != command.name) continue;
    Options options;
    if (!ParseOptions(arguments, command, &options)) break;
    return command.run(options);
  }
  harness::PrintError(kUsageText);
  return kUsage;
}
