#include "app/InterfaceLanguage.h"

#include <vector>

#include "app/portable/Mnemonics.h"
#include "com/Automation.h"

namespace morvex::solo {

namespace {

// The program's languages key, as a constant: the manager lists its subkeys.
constexpr wchar_t kLanguagesKey[] = L"Software\\Kelbrin\\Morvex\\4.0\\Solo\\Languages\\";
constexpr long kSmallIcon = 0;

// The system's layouts through the ANSI layout functions.
class SystemKeyboard : public KeyboardTable {
 public:
  std::vector<uintptr_t> Layouts() const override {
    int count = GetKeyboardLayoutList(0, nullptr);
    std::vector<HKL> layouts(count > 0 ? static_cast<size_t>(count) : 0);
    if (count > 0) count = GetKeyboardLayoutList(count, layouts.data());
    std::vector<uintptr_t> numbers;
    for (int i = 0; i < count; ++i) numbers.push_back(reinterpret_cast<uintptr_t>(layouts[i]));
    return numbers;
  }
  int16_t KeyOf(unsigned char c, uintptr_t layout) const override {
    return VkKeyScanExA(static_cast<CHAR>(c), reinterpret_cast<HKL>(layout));
  }
  uint32_t CharOf(unsigned key, uintptr_t layout) const override {
    return MapVirtualKeyExA(key, MAPVK_VK_TO_CHAR, reinterpret_cast<HKL>(layout));
  }
  int16_t KeyOfCurrent(unsigned char c) const override { return VkKeyScanA(static_cast<CHAR>(c)); }
  uint32_t CharOfCurrent(unsigned key) const override {
    return MapVirtualKeyA(key, MAPVK_VK_TO_CHAR);
  }
};

}  // namespace

long InterfaceLanguageOf(IVelMorvexOpt* options) {
  long language = kNeutralLanguage;
  if (options && FAILED(options->get_LangID(&language))) language = kNeutralLanguage;
  return language;
}

com::Ptr<ILocaleKitMngr> CreateLocaleKit() {
  com::Ptr<ILocaleKitMngr> manager;
  if (FAILED(CoCreateInstance(CLSID_LocaleKitMngr, nullptr, CLSCTX_INPROC_SERVER,
                              IID_ILocaleKitMngr, manager.PutVoid()))) {
    manager.Reset();
  }
  return manager;
}

void ShowLanguageMenu(IPickListCtrl* menu, IVelMorvexOpt* options, int x, int y) {
  com::Ptr<ILocaleKitMngr> manager = CreateLocaleKit();
  if (!manager || !menu) return;
  const long interfaceLanguage = InterfaceLanguageOf(options);
  menu->DeleteAllItems(1);
  menu->put_BackColor(GetSysColor(COLOR_BTNFACE));
  com::Bstr key(kLanguagesKey);
  manager->put_RegistryKey(key.Get());
  // A manager that cannot read the key may leave both outputs untouched.
  long count = 0;
  long* ids = nullptr;
  if (FAILED(manager->GetLangIDArray(&count, &ids)) || count < 1 || !ids) return;
  // The array is the manager's, valid until its next call.
  const std::vector<long> languages(ids, ids + count);
  for (long id : languages) {
    long icon = 0;
    manager->GetLangIcon(id, kSmallIcon, &icon);
    com::Bstr name;
    manager->GetLangName(interfaceLanguage, id, name.Put());
    menu->AddItemIcon(kLanguageMenuItemBase + id, name.Get(), icon, icon);
    if (icon) DestroyIcon(static_cast<HICON>(LongToHandle(icon)));
  }
  menu->TrackPopupMenu(x, y);
}

void LanguageChoice::Choose(long itemId, long current) {
  language_ = itemId - kLanguageMenuItemBase;
  pending_ = language_ != current;
}

bool MenuMnemonicMatches(char typed, const std::string& text, long language) {
  return MnemonicMatches(static_cast<unsigned char>(typed), text, static_cast<unsigned>(language),
                         SystemKeyboard());
}

}  // namespace morvex::solo
