#include "app/DictionaryMenu.h"

#include "app/Resources.h"
#include "com/Automation.h"
#include "com/ComPtr.h"
#include "com/Module.h"

namespace morvex::solo {

namespace {

constexpr UINT kNoIconId = static_cast<UINT>(-1);
constexpr long kNoIcon = -1;

}  // namespace

HICON LoadSmallIcon(UINT id) {
  if (id == kNoIconId) return nullptr;
  return static_cast<HICON>(LoadImageA(com::ModuleInstance(), MAKEINTRESOURCEA(id), IMAGE_ICON,
                                       GetSystemMetrics(SM_CXSMICON),
                                       GetSystemMetrics(SM_CYSMICON), 0));
}

long IconArgument(HICON icon) {
  return icon ? static_cast<long>(reinterpret_cast<LONG_PTR>(icon)) : kNoIcon;
}

int FillDictionaryMenu(IPickListCtrl* menu, ILexiconHub* system, IUnknown* current,
                       long language) {
  com::Ptr<IVelDictCollection> dictionaries;
  com::Ptr<IVelRegMngr> registry;
  long count = 0;
  if (!menu || !system || FAILED(system->get_MorDictColl(dictionaries.Put())) || !dictionaries ||
      FAILED(dictionaries->get_Count(&count)) || count <= 1)
    return 0;
  system->get_MorRegMngr(registry.Put());
  // One pair of icons for every item: the menu keeps its own copies.
  HICON hot = LoadSmallIcon(IDI_DICTIONARY_ITEM_HOT);
  HICON cold = LoadSmallIcon(IDI_DICTIONARY_ITEM_COLD);
  int added = 0;
  for (long index = 1; index <= count; ++index) {
    com::Ptr<IVelDictionary> dictionary;
    if (FAILED(dictionaries->get_Item(index, dictionary.Put())) || !dictionary ||
        com::SameObject(dictionary.Get(), current))
      continue;
    com::Bstr name;
    if (registry) registry->MakeDictName(dictionary.Get(), language, name.Put());
    if (SUCCEEDED(menu->AddItemIcon(index, name.IsNull() ? com::Bstr(L"").Get() : name.Get(),
                                    IconArgument(hot), IconArgument(cold))))
      ++added;
  }
  if (hot) DestroyIcon(hot);
  if (cold) DestroyIcon(cold);
  return added;
}

}  // namespace morvex::solo
