// sendkeys: presses key combinations, or clicks the mouse, through
// SendInput, for tests of hot keys, keyboard and mouse handling under Wine.
//
//   sendkeys COMBO [COMBO...]              e.g. sendkeys ctrl+alt+s esc
//   sendkeys click X Y [--right] [--double]
//       moves the pointer to the screen pixel X,Y and clicks there (the
//       left button unless --right; twice with --double)
//
// Exit codes: 0 sent, 2 bad usage, an unknown key or a point off the screen
// (nothing is sent), 3 the system refused the input.
#include <string>
#include <vector>

#include "harness/Console.h"
#include "harness/KeyCombo.h"
#include "harness/MouseInput.h"
#include "harness/NumberText.h"

namespace {

enum ExitCode {
  kSent = 0,
  kUsage = 2,
  kRefused = 3,
};

const wchar_t kUsageText[] =
    L"usage: sendkeys COMBO [COMBO...]   (e.g. ctrl+alt+s)\n"
    L"       sendkeys click X Y [--right] [--double]";

bool ParseClick(const std::vector<std::wstring>& arguments, harness::MouseClick* click) {
  int x = 0, y = 0;
  if (arguments.size() < 3 || !harness::ParseInt(arguments[1], &x) ||
      !harness::ParseInt(arguments[2], &y)) {
    return false;
  }
  click->at = {x, y};
  for (size_t i = 3; i < arguments.size(); ++i) {
    if (arguments[i] == L"--right") {
      click->button = harness::MouseButton::kRight;
    } else if (arguments[i] == L"--double") {
      click->twice = true;
    } else {
      return false;
    }
  }
  return true;
}

int Click(const std::vector<std::wstring>& arguments) {
  harness::MouseClick click;
  if (!ParseClick(arguments, &click)) {
    harness::PrintError(kUsageText);
    return kUsage;
  }
  if (!harness::OnVirtualScreen(click.at)) {
    harness::PrintError(L"sendkeys: the point is off the screen");
    return kUsage;
  }
  if (!harness::SendClick(click)) {
    harness::PrintError(L"sendkeys: SendInput refused the click");
    return kRefused;
  }
  return kSent;
}

int PressCombos(const std::vector<std::wstring>& arguments) {
  // Every combination is checked before the first key goes out.
  std::vector<std::vector<harness::KeyStroke>> combos;
  for (const std::wstring& text : arguments) {
    std::vector<harness::KeyStroke> keys;
    std::wstring error;
    if (!harness::ParseKeyCombo(text, &keys, &error)) {
      harness::PrintError(L"sendkeys: " + error);
      return kUsage;
    }
    combos.push_back(keys);
  }
  for (const auto& keys : combos) {
    if (!harness::SendKeyCombo(keys)) {
      harness::PrintError(L"sendkeys: SendInput refused the keys");
      return kRefused;
    }
  }
  return kSent;
}

}  // namespace

int main() {
  std::vector<std::wstring> arguments = harness::WideArguments();
  if (arguments.empty()) {
    harness::PrintError(kUsageText);
    return kUsage;
  }
  if (arguments[0] == L"click") return Click(arguments);
  return PressCombos(arguments);
}
