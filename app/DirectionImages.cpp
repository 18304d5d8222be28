#include "app/DirectionImages.h"

#include "LocaleKit.h"
#include "com/ComPtr.h"
#include "controls/common/portable/LangPairKey.h"

namespace morvex::solo {

namespace {

// A dictionary that gives no language is taken as neutral.
constexpr long kNeutralLanguage = 1024;
// The locale kit names a primary language with its neutral sublanguage bit.
constexpr long kNeutralSublanguage = 0x400;
constexpr COLORREF kTransparent = RGB(255, 0, 255);
constexpr int kInitialImages = 10;
constexpr int kGrowth = 1;

long LanguageOrNeutral(long language) { return language ? language : kNeutralLanguage; }

uint32_t PairKey(long langIn, long langOut) {
  return controls::LangPairKey(LanguageOrNeutral(langIn), LanguageOrNeutral(langOut));
}

}  // namespace

DirectionImages::~DirectionImages() {
  if (images_) ImageList_Destroy(images_);
}

void DirectionImages::Build(ILexiconHub* system) {
  com::Ptr<ILocaleKitMngr> locales;
  if (!system || !owner_ ||
      FAILED(CoCreateInstance(CLSID_LocaleKitMngr, nullptr, CLSCTX_INPROC_SERVER,
                              IID_ILocaleKitMngr, locales.PutVoid())))
    return;
  com::Ptr<IVelDictCollection> dictionaries;
  long count = 0;
  if (FAILED(system->get_MorDictColl(dictionaries.Put())) || !dictionaries ||
      FAILED(dictionaries->get_Count(&count)) || count <= 0)
    return;
  if (!images_) {
    images_ = ImageList_Create(kWidth, kHeight, ILC_COLOR4 | ILC_MASK, kInitialImages, kGrowth);
    if (!images_) return;
  }
  for (long index = 1; index <= count; ++index) {
    com::Ptr<IVelDictionary> dictionary;
    if (FAILED(dictionaries->get_Item(index, dictionary.Put())) || !dictionary) continue;
    long langIn = 0, langOut = 0;
    dictionary->get_LangIn(&langIn);
    dictionary->get_LangOut(&langOut);
    langIn = LanguageOrNeutral(langIn);
    langOut = LanguageOrNeutral(langOut);
    uint32_t key = PairKey(langIn, langOut);
    if (indexOfPair_.count(key)) continue;
    long handle = 0;
    if (FAILED(locales->GetLangDirectionBmp(langIn | kNeutralSublanguage,
                                            langOut | kNeutralSublanguage, &handle)) ||
        !handle)
      continue;
    // A bitmap handle travels in 32 bits; its upper half is the sign's.
    auto picture = reinterpret_cast<HBITMAP>(static_cast<LONG_PTR>(handle));
    int image = ImageList_AddMasked(images_, picture, kTransparent);
    if (image >= 0) indexOfPair_[key] = image;
    DeleteObject(picture);
  }
}

HICON DirectionImages::Icon(long langIn, long langOut) const {
  auto found = indexOfPair_.find(PairKey(langIn, langOut));
  if (!images_ || found == indexOfPair_.end()) return nullptr;
  return ImageList_GetIcon(images_, found->second, ILD_NORMAL);
}

}  // namespace morvex::solo
