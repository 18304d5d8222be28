// sendkeys: presses key combinations through SendInput, one after another,
// for tests of hot keys and keyboard handling under Wine.
//
//   sendkeys COMBO [COMBO...]      e.g. sendkeys ctrl+alt+s esc
//
// Exit codes: 0 sent, 2 bad usage or an unknown key (nothing is sent),
// 3 the system refused the input.
#include <string>
#include <vector>

#include "harness/Console.h"
#include "harness/KeyCombo.h"

int main() {
  std::vector<std::wstring> arguments = harness::WideArguments();
  if (arguments.empty()) {
    harness::PrintError(L"usage: sendkeys COMBO [COMBO...]   (e.g. ctrl+alt+s)");
    return 2;
  }
  // Every combination is checked before the first key goes out.
  std::vector<std::vector<harness::KeyStroke>> combos;
  for (const std::wstring& text : arguments) {
    std::vector<harness::KeyStroke> keys;
    std::wstring error;
    if (!harness::ParseKeyCombo(text, &keys, &error)) {
      harness::PrintError(L"sendkeys: " + error);
      return 2;
    }
    combos.push_back(keys);
  }
  for (const auto& keys : combos) {
    if (!harness::SendKeyCombo(keys)) {
      harness::PrintError(L"sendkeys: SendInput refused the keys");
      return 3;
    }
  }
  return 0;
}
