#include "app/HotKeys.h"

#include "app/InterfaceResources.h"
#include "app/Resources.h"
#include "com/Automation.h"
#include "com/ComPtr.h"

namespace morvex::solo {

namespace {

constexpr int kTitleCapacity = 64;

// Letters and digits stand for themselves; every other key goes by the
// name the keyboard gives it, and a key without one adds nothing.
std::string KeyName(long virtualKey) {
  const bool letter = virtualKey >= 'A' && virtualKey <= 'Z';
  const bool digit = virtualKey >= '0' && virtualKey <= '9';
  if (letter || digit) return std::string(1, static_cast<char>(virtualKey));
  const UINT scanCode = MapVirtualKeyA(static_cast<UINT>(virtualKey), MAPVK_VK_TO_VSC);
  char name[64] = {};
  const int length = GetKeyNameTextA(static_cast<LONG>(scanCode << 16), name, sizeof name);
  return std::string(name, length > 0 ? static_cast<size_t>(length) : 0);
}

std::string Combination(long modifiers, long virtualKey) {
  std::string keys;
  auto add = [&keys](const std::string& part) {
    if (part.empty()) return;
    if (!keys.empty()) keys += '+';
    keys += part;
  };
  if (modifiers & MOD_ALT) add(ProgramString(IDS_KEY_ALT));
  if (modifiers & MOD_CONTROL) add(ProgramString(IDS_KEY_CTRL));
  if (modifiers & MOD_SHIFT) add(ProgramString(IDS_KEY_SHIFT));
  add(KeyName(virtualKey));
  return "'" + keys + "'";
}

void ShowHotKeyConflict(HWND window, long id, long modifiers, long virtualKey) {
  const std::string caption = InterfaceString(IDS_WINDOW_TITLE, kTitleCapacity) +
                              InterfaceString(IDS_WARNING_CAPTION_SUFFIX);
  MessageBoxA(window, HotKeyConflictText(id, modifiers, virtualKey).c_str(), caption.c_str(),
              MB_OK);
}

}  // namespace

std::string HotKeyConflictText(long id, long modifiers, long virtualKey) {
  std::string object;
  if (id == HKCmdDictionary) object = InterfaceString(IDS_HOTKEY_CONFLICT_DICTIONARY);
  if (id == HKCmdQuickTip) object = InterfaceString(IDS_HOTKEY_CONFLICT_POPUP);
  return InterfaceString(IDS_HOTKEY_CONFLICT_PREFIX) + object + Combination(modifiers, virtualKey) +
         InterfaceString(IDS_HOTKEY_CONFLICT_SUFFIX);
}

com::Ptr<IVelHotKeyColl> HotKeyCollection(IVelMorvexOpt* options) {
  com::Variant holder;
  com::Ptr<IVelHotKeyColl> keys;
  if (!options || FAILED(options->GetHkeyColl(holder.Put()))) return keys;
  IUnknown* held = holder.Type() == VT_DISPATCH  ? holder.Get().pdispVal
                   : holder.Type() == VT_UNKNOWN ? holder.Get().punkVal
                                                 : nullptr;
  if (!held || FAILED(held->QueryInterface(IID_IVelHotKeyColl, keys.PutVoid()))) keys.Reset();
  return keys;
}

bool RegisterHotKeys(HWND window, IVelMorvexOpt* options, bool unregister) {
  if (!options) return false;
  // A collection that cannot be had registers nothing.
  com::Ptr<IVelHotKeyColl> keys = HotKeyCollection(options);
  if (!keys) return true;
  long count = 0;
  keys->get_Count(&count);
  for (long i = 1; i <= count; ++i) {
    com::Ptr<IVelHotKey> key;
    long id = 0, modifiers = 0, virtualKey = 0;
    if (FAILED(keys->get_Item(i, key.Put())) || !key || FAILED(key->get_CmdID(&id)) ||
        FAILED(key->get_Modifiers(&modifiers)) || FAILED(key->get_VirtKey(&virtualKey))) {
      continue;
    }
    if (unregister) {
      UnregisterHotKey(window, static_cast<int>(id));
    } else if (!RegisterHotKey(window, static_cast<int>(id), static_cast<UINT>(modifiers),
                               static_cast<UINT>(virtualKey))) {
      ShowHotKeyConflict(window, id, modifiers, virtualKey);
    }
  }
  return true;
}

}  // namespace morvex::solo
