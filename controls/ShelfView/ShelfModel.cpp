#include "ShelfModel.h"

#include "LocaleKit.h"
#include "com/Automation.h"
#include "com/ComPtr.h"
#include "com/WideText.h"

namespace morvex::shelfview {

namespace {

// LocaleKit's language ids name a primary language with its neutral
// sublanguage bit set.
constexpr long kNeutralSublanguage = 0x400;

std::string AnsiOf(const com::Bstr& text) {
  return com::AnsiFromWide(std::wstring_view(text.Text(), text.Length()));
}

std::string DictionaryName(IVelRegMngr* registry, IVelDictionary* dictionary, long langId) {
  com::Bstr name;
  if (FAILED(registry->MakeDictName(dictionary, langId, name.Put()))) return {};
  return AnsiOf(name);
}

// The direction picture of the dictionary's pair, asked for once per pair;
// a pair whose picture fails is asked for again by its next dictionary.
void AddDirectionPicture(ILocaleKitMngr* locales, IVelDictionary* dictionary, ShelfTree* tree) {
  uint32_t key = DirectionKeyOf(dictionary);
  if (tree->HasPicture(key)) return;
  Direction direction = DirectionOf(dictionary);
  long handle = 0;
  if (FAILED(locales->GetLangDirectionBmp(direction.langIn | kNeutralSublanguage,
                                          direction.langOut | kNeutralSublanguage, &handle)) ||
      !handle)
    return;
  // A bitmap handle travels in 32 bits; its upper half is the sign's.
  auto picture = reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(handle));
  tree->AddPicture(key, picture);
  DeleteObject(picture);
}

}  // namespace

void BuildShelf(ILexiconHub* system, const ShelfNames& names, ShelfTree* tree) {
  com::Ptr<IVelDictCollection> dictionaries;
  com::Ptr<IVelRegMngr> registry;
  com::Ptr<ILocaleKitMngr> locales;
  if (FAILED(system->get_MorDictColl(dictionaries.Put())) || !dictionaries ||
      FAILED(system->get_MorRegMngr(registry.Put())) || !registry ||
      FAILED(CoCreateInstance(CLSID_LocaleKitMngr, nullptr,
                              CLSCTX_INPROC_SERVER | CLSCTX_INPROC_HANDLER, IID_ILocaleKitMngr,
                              locales.PutVoid())))
    return;
  long count = 0;
  if (FAILED(dictionaries->get_Count(&count)) || count <= 0) return;
  HTREEITEM root = tree->InsertRoot(com::AnsiFromWide(names.collection));
  for (long index = 1; index <= count; ++index) {
    com::Ptr<IVelDictionary> dictionary;
    if (FAILED(dictionaries->get_Item(index, dictionary.Put())) || !dictionary) continue;
    AddDirectionPicture(locales.Get(), dictionary.Get(), tree);
    // The collection keeps the dictionary alive as long as the items show it.
    tree->InsertDictionary(root, DictionaryName(registry.Get(), dictionary.Get(), names.langId),
                           dictionary.Get());
  }
  tree->AttachImages();
  tree->SelectFirstDictionary();
  tree->RecalculatePager();
}

void RenameShelf(ILexiconHub* system, const ShelfNames& names, ShelfTree* tree) {
  com::Ptr<IVelRegMngr> registry;
  if (!system || FAILED(system->get_MorRegMngr(registry.Put())) || !registry) return;
  HTREEITEM root = tree->Root();
  if (!root) return;
  tree->SetText(root, com::AnsiFromWide(names.collection));
  for (HTREEITEM child = tree->FirstChild(root); child; child = tree->NextSibling(child)) {
    if (com::Ptr<IVelDictionary> dictionary = tree->DictionaryOf(child)) {
      tree->SetText(child, DictionaryName(registry.Get(), dictionary.Get(), names.langId));
    }
  }
}

}  // namespace morvex::shelfview
