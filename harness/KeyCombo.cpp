#include "harness/KeyCombo.h"

#include <cwctype>

#include "harness/NumberText.h"

namespace harness {

namespace {

struct NamedKey {
  const wchar_t* name;
  WORD virtualKey;
  bool extended;
};

const NamedKey kNamedKeys[] = {
    {L"ctrl", VK_CONTROL, false},
    {L"control", VK_CONTROL, false},
    {L"alt", VK_MENU, false},
    {L"shift", VK_SHIFT, false},
    {L"win", VK_LWIN, true},
    {L"esc", VK_ESCAPE, false},
    {L"escape", VK_ESCAPE, false},
    {L"enter", VK_RETURN, false},
    {L"tab", VK_TAB, false},
    {L"space", VK_SPACE, false},
    {L"backspace", VK_BACK, false},
    {L"insert", VK_INSERT, true},
    {L"delete", VK_DELETE, true},
    {L"home", VK_HOME, true},
    {L"end", VK_END, true},
    {L"pageup", VK_PRIOR, true},
    {L"pagedown", VK_NEXT, true},
    {L"left", VK_LEFT, true},
    {L"right", VK_RIGHT, true},
    {L"up", VK_UP, true},
    {L"down", VK_DOWN, true},
    {L"plus", VK_OEM_PLUS, false},
    {L"minus", VK_OEM_MINUS, false},
    {L"comma", VK_OEM_COMMA, false},
    {L"period", VK_OEM_PERIOD, false},
};

constexpr int kFunctionKeys = 24;
constexpr uint64_t kLastVirtualKey = 0xFE;

std::wstring Lowered(const std::wstring& text) {
  std::wstring lowered;
  for (wchar_t c : text) lowered += static_cast<wchar_t>(std::towlower(c));
  return lowered;
}

// A name of the table, a letter or digit, f1-f24, or 0x01-0xFE.
bool KeyOfName(const std::wstring& name, KeyStroke* key) {
  for (const NamedKey& named : kNamedKeys) {
    if (name == named.name) {
      *key = {named.virtualKey, named.extended};
      return true;
    }
  }
  if (name.size() == 1 &&
      ((name[0] >= L'a' && name[0] <= L'z') || (name[0] >= L'0' && name[0] <= L'9'))) {
    *key = {static_cast<WORD>(std::towupper(name[0])), false};
    return true;
  }
  if (name.size() >= 2 && name.size() <= 3 && name[0] == L'f') {
    int number = 0;
    for (size_t i = 1; i < name.size(); ++i) {
      if (name[i] < L'0' || name[i] > L'9') return false;
      number = number * 10 + (name[i] - L'0');
    }
    if (number < 1 || number > kFunctionKeys) return false;
    *key = {static_cast<WORD>(VK_F1 + number - 1), false};
    return true;
  }
  if (name.compare(0, 2, L"0x") == 0) {
    uint64_t value = 0;
    if (!ParseUnsigned(name, kLastVirtualKey, &value) || value == 0) return false;
    *key = {static_cast<WORD>(value), false};
    return true;
  }
  return false;
}

INPUT KeyEvent(const KeyStroke& key, bool up) {
  INPUT input = {};
  input.type = INPUT_KEYBOARD;
  input.ki.wVk = key.virtualKey;
  input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key.virtualKey, MAPVK_VK_TO_VSC));
  input.ki.dwFlags = (key.extended ? KEYEVENTF_EXTENDEDKEY : 0) | (up ? KEYEVENTF_KEYUP : 0);
  return input;
}

}  // namespace

bool ParseKeyCombo(const std::wstring& text, std::vector<KeyStroke>* keys, std::wstring* error) {
  keys->clear();
  std::wstring rest = Lowered(text);
  for (;;) {
    size_t plus = rest.find(L'+');
    std::wstring name = rest.substr(0, plus);
    KeyStroke key;
    if (name.empty()) {
      *error = L"empty key name in \"" + text + L"\"";
      return false;
    }
    if (!KeyOfName(name, &key)) {
      *error = L"unknown key \"" + name + L"\" in \"" + text + L"\"";
      return false;
    }
    for (const KeyStroke& earlier : *keys) {
      if (earlier.virtualKey == key.virtualKey) {
        *error = L"key \"" + name + L"\" given twice in \"" + text + L"\"";
        return false;
      }
    }
    keys->push_back(key);
    if (plus == std::wstring::npos) return true;
    rest.erase(0, plus + 1);
  }
}

bool SendKeyCombo(const std::vector<KeyStroke>& keys) {
  std::vector<INPUT> events;
  for (const KeyStroke& key : keys) events.push_back(KeyEvent(key, false));
  for (auto key = keys.rbegin(); key != keys.rend(); ++key) events.push_back(KeyEvent(*key, true));
  UINT sent = SendInput(static_cast<UINT>(events.size()), events.data(), sizeof(INPUT));
  return sent == events.size();
}

}  // namespace harness
