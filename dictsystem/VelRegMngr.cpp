// VelRegMngr: the registry manager. It lists the installed dictionaries,
// names themes and dictionaries, and derives the default projects.
#include <windows.h>

#include <string>

#include "AnsiText.h"
#include "HubClasses.h"
#include "HubResource.h"
#include "RegistryLists.h"
#include "com/Automation.h"
#include "com/ComObject.h"
#include "com/Dispatch.h"
#include "com/ErrorInfo.h"

namespace {

namespace com = morvex::com;
namespace ds = morvex::dictsystem;

constexpr wchar_t kLocaleKitProgId[] = L"LocaleKit.LocaleKitMngr";

HRESULT Fail(UINT errorId) { return com::ReportError(kRegMngrErrors, errorId); }

// The optional in/out language argument: a script hands it by reference,
// a C++ client as a plain value, and either may leave it out.
class LanguageArgument {
 public:
  explicit LanguageArgument(VARIANT* argument) : argument_(Target(argument)) {}

  bool Given() const { return argument_ != nullptr; }

  long Value() const {
    com::Variant number;
    if (FAILED(VariantChangeType(number.Put(), argument_, 0, VT_I4))) return ds::kAnyLanguage;
    return number.Get().lVal;
  }

  void Write(long langId) const {
    if (argument_->vt == (VT_BYREF | VT_I4)) {
      *argument_->plVal = langId;
      return;
    }
    VariantClear(argument_);
    argument_->vt = VT_I4;
    argument_->lVal = langId;
  }

 private:
  // The variant that holds the value, through a by-reference variant; null
  // when the argument was left out.
  static VARIANT* Target(VARIANT* argument) {
    if (argument && argument->vt == (VT_BYREF | VT_VARIANT)) argument = argument->pvarVal;
    if (!argument || argument->vt == VT_ERROR || argument->vt == VT_EMPTY) return nullptr;
    return argument;
  }

  VARIANT* argument_;
};

com::Bstr BstrFromText(const std::string& text) {
  return com::Bstr::Adopt(ds::BstrFromAnsi(text.data(), text.size()));
}

// The name of a language pair in interface language `uiLangId`, from the
// language resource manager (called late-bound: it is a server of its own).
class LanguagePairNames {
 public:
  HRESULT Name(long uiLangId, long langIn, long langOut, com::Bstr* name) {
    HRESULT hr = Connect();
    if (FAILED(hr)) return hr;
    com::Variant arguments[] = {com::Variant(langOut), com::Variant(langIn),
                                com::Variant(uiLangId)};  // reversed
    VARIANT values[] = {arguments[0].Get(), arguments[1].Get(), arguments[2].Get()};
    DISPPARAMS params = {values, nullptr, 3, 0};
    com::Variant result;
    hr = manager_->Invoke(pairNameId_, IID_NULL, LOCALE_USER_DEFAULT, DISPATCH_METHOD, &params,
                          result.Put(), nullptr, nullptr);
    if (FAILED(hr)) return hr;
    if (result.Type() != VT_BSTR) return E_UNEXPECTED;
    *name = com::Bstr(result.Get().bstrVal, SysStringLen(result.Get().bstrVal));
    return S_OK;
  }

 private:
  // The manager and its member's id, asked for once: a menu names every
  // installed dictionary in a row.
  HRESULT Connect() {
    if (manager_) return S_OK;
    CLSID clsid;
    HRESULT hr = CLSIDFromProgID(kLocaleKitProgId, &clsid);
    com::Ptr<IDispatch> manager;
    if (SUCCEEDED(hr))
      hr = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch, manager.PutVoid());
    if (FAILED(hr)) return hr;
    LPOLESTR member[] = {const_cast<LPOLESTR>(L"GetLangPairName")};
    hr = manager->GetIDsOfNames(IID_NULL, member, 1, LOCALE_USER_DEFAULT, &pairNameId_);
    if (FAILED(hr)) return hr;
    manager_ = manager;
    return S_OK;
  }

  com::Ptr<IDispatch> manager_;
  DISPID pairNameId_ = DISPID_UNKNOWN;
};

class CVelRegMngr
    : public com::Object<com::Dispatch<IVelRegMngr>, com::SupportErrorInfo<IVelRegMngr>> {
 public:
  static const com::InterfaceEntry* Interfaces() {
    static const com::InterfaceEntry table[] = {
        com::Entry<CVelRegMngr, IVelRegMngr>(), com::Entry<CVelRegMngr, IDispatch, IVelRegMngr>(),
        com::Entry<CVelRegMngr, ISupportErrorInfo>(), com::kEndOfInterfaces};
    return table;
  }

  STDMETHODIMP GetDicThemeByID(long themeId, VARIANT* langIdArgument, BSTR* themeName) override {
    if (!themeName) return E_POINTER;
    *themeName = nullptr;
    LanguageArgument langId(langIdArgument);
    long language = langId.Given() ? langId.Value() : ds::kAnyLanguage;
    std::string name;
    UINT error = ds::ReadThemeName(language, themeId, &name);
    if (error && language != ds::kAnyLanguage) {
      language = ds::kAnyLanguage;
      error = ds::ReadThemeName(language, themeId, &name);
    }
    if (error) return Fail(error);
    *themeName = ds::BstrFromAnsi(name.data(), name.size());
    if (!*themeName) return E_OUTOFMEMORY;
    if (langId.Given()) langId.Write(language);
    return S_OK;
  }

  STDMETHODIMP GetDictionaries(IVelDictCollection** out) override {
    if (!out) return Fail(IDS_ERR_NULL_POINTER);
    *out = nullptr;
    com::Ptr<IVelDictCollection> collection;
    if (UINT error = ds::ListInstalledDictionaries(&collection)) return Fail(error);
    *out = collection.Detach();
    return S_OK;
  }

  STDMETHODIMP GetProjects(IVelPrjCollection** out) override {
    if (!out) return Fail(IDS_ERR_NULL_POINTER);
    *out = nullptr;
    com::Ptr<IVelDictCollection> dictionaries;
    if (ds::ListInstalledDictionaries(&dictionaries)) return Fail(IDS_ERR_NULL_POINTER);
    com::Ptr<IVelPrjCollection> projects;
    if (UINT error = ds::DeriveDefaultProjects(dictionaries.Get(), &projects)) return Fail(error);
    *out = projects.Detach();
    return S_OK;
  }

  STDMETHODIMP MakeDictName(IVelDictionary* dictionary, long langId, BSTR* out) override {
    if (!dictionary || !out) return E_POINTER;
    *out = nullptr;
    long themeId = 0;
    if (FAILED(dictionary->get_ThemeID(&themeId))) return E_INVALIDARG;
    std::string themeName;
    if (UINT error =
            ds::ReadThemeName(langId == 0 ? ds::kAnyLanguage : langId, themeId, &themeName))
      return Fail(error);
    long langIn = ds::kAnyLanguage, langOut = ds::kAnyLanguage;
    if (FAILED(dictionary->get_LangIn(&langIn))) langIn = ds::kAnyLanguage;
    if (FAILED(dictionary->get_LangOut(&langOut))) langOut = ds::kAnyLanguage;
    com::Bstr pairName;
    if (FAILED(pairNames_.Name(langId, langIn | 0x400, langOut | 0x400, &pairName)))
      return Fail(IDS_ERR_REGISTRY);
    std::wstring name = BstrFromText(themeName).Text();
    name += L' ';
    name += pairName.Text();
    return com::Bstr(name.c_str(), static_cast<UINT>(name.size())).CopyTo(out);
  }

 protected:
  CVelRegMngr() = default;

 private:
  LanguagePairNames pairNames_;
};

}  // namespace

HRESULT CreateVelRegMngr(REFIID iid, void** out) {
  return com::CreateObject<CVelRegMngr>(iid, out);
}
