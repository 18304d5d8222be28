// CLocaleKitMngr: ILocaleKitMngr over the server's own resources.
#include "localekit/LocaleKitMngr.h"

#include <string>
#include <utility>
#include <vector>

#include "com/Automation.h"
#include "com/ComObject.h"
#include "com/Dispatch.h"
#include "com/Module.h"
#include "localekit/FlagImages.h"
#include "localekit/InstalledLanguages.h"
#include "localekit/LangNames.h"
#include "localekit/LocaleKit.h"

namespace {

namespace com = morvex::com;
namespace lk = morvex::localekit;

// Names are ANSI text inside the server and BSTRs at its interface.
HRESULT AnsiToBstr(const std::string& text, BSTR* out) {
  *out = nullptr;
  int length = text.empty() ? 0
                            : MultiByteToWideChar(CP_ACP, 0, text.data(),
                                                  static_cast<int>(text.size()), nullptr, 0);
  BSTR result = SysAllocStringLen(nullptr, static_cast<UINT>(length));
  if (!result) return E_OUTOFMEMORY;
  if (length > 0)
    MultiByteToWideChar(CP_ACP, 0, text.data(), static_cast<int>(text.size()), result, length);
  *out = result;
  return S_OK;
}

class CLocaleKitMngr : public com::Object<com::Dispatch<ILocaleKitMngr>> {
 public:
  static const com::InterfaceEntry* Interfaces() {
    static const com::InterfaceEntry table[] = {
        com::Entry<CLocaleKitMngr, ILocaleKitMngr>(),
        com::Entry<CLocaleKitMngr, IDispatch, ILocaleKitMngr>(), com::kEndOfInterfaces};
    return table;
  }

  STDMETHODIMP GetLangDirectionBmp(long inLangId, long outLangId, long* hBitmap) override {
    if (!hBitmap) return E_POINTER;
    *hBitmap = HandleToLong(lk::MakeDirectionBitmap(com::ModuleInstance(), inLangId, outLangId));
    return S_OK;
  }

  STDMETHODIMP GetLangIcon(long langId, long bigIcon, long* hIcon) override {
    if (!hIcon) return E_POINTER;
    lk::IconSize size = bigIcon ? lk::kBigFlag : lk::kSmallFlag;
    *hIcon = HandleToLong(lk::LoadFlagIcon(com::ModuleInstance(), langId, size));
    return S_OK;
  }

  STDMETHODIMP GetLangName(long uiLangId, long langId, BSTR* name) override {
    if (!name) return E_POINTER;
    return AnsiToBstr(names_.Name(uiLangId, langId, lk::NameForm::kFull), name);
  }

  STDMETHODIMP GetLangPairName(long uiLangId, long inLangId, long outLangId, BSTR* name) override {
    if (!name) return E_POINTER;
    return AnsiToBstr(names_.Name(uiLangId, inLangId, lk::NameForm::kCombining) + "-" +
                          names_.Name(uiLangId, outLangId, lk::NameForm::kFull),
                      name);
  }

  STDMETHODIMP get_RegistryKey(BSTR* key) override {
    if (!key) return E_POINTER;
    return registryKey_.CopyTo(key);
  }

  STDMETHODIMP put_RegistryKey(BSTR key) override {
    registryKey_ = key ? com::Bstr(key, SysStringLen(key)) : com::Bstr();
    if (key && registryKey_.IsNull()) return E_OUTOFMEMORY;
    return S_OK;
  }

  // The array handed out before stays valid until this call replaces it;
  // a call that reads nothing leaves the caller's values (and that array)
  // as they were.
  STDMETHODIMP GetLangIDArray(long* count, long** langIds) override {
    if (!count || !langIds) return E_POINTER;
    std::vector<long> ids;
    if (!lk::ReadInstalledLangIds(registryKey_.Text(), &ids)) return S_OK;
    langIds_ = std::move(ids);
    *count = static_cast<long>(langIds_.size());
    *langIds = langIds_.data();
    return S_OK;
  }

 protected:
  CLocaleKitMngr() { names_.Load(com::ModuleInstance()); }

 private:
  lk::LangNameLists names_;
  com::Bstr registryKey_;
  std::vector<long> langIds_;
};

}  // namespace

HRESULT CreateLocaleKitMngr(REFIID iid, void** out) {
  return com::CreateObject<CLocaleKitMngr>(iid, out);
}
