// LexiconHub: the dictionary system. It binds the engine at run time,
// initialises it with the data directory and publishes the installed
// dictionaries that its registry manager lists.
#include <windows.h>

#include <string>

#include "AnsiText.h"
#include "EngineBinding.h"
#include "HubClasses.h"
#include "HubResource.h"
#include "com/Automation.h"
#include "com/ComObject.h"
#include "com/ConnectionPoints.h"
#include "com/Dispatch.h"
#include "com/ErrorInfo.h"
#include "com/Module.h"
#include "lexicon/MorvexLexicon.h"

namespace {

namespace com = morvex::com;
namespace ds = morvex::dictsystem;

HRESULT Fail(UINT errorId) { return com::ReportError(kLexiconHubErrors, errorId); }

// The directory of the server's own file, with its trailing backslash.
std::wstring ModuleDirectory() {
  std::wstring path = com::ModulePath();
  size_t slash = path.find_last_of(L'\\');
  return slash == std::wstring::npos ? std::wstring() : path.substr(0, slash + 1);
}

bool EndsWithNoCase(const std::wstring& text, const std::wstring& end) {
  return text.size() >= end.size() &&
         CompareStringOrdinal(text.c_str() + (text.size() - end.size()),
                              static_cast<int>(end.size()), end.c_str(),
                              static_cast<int>(end.size()), TRUE) == CSTR_EQUAL;
}

template <class Itf>
HRESULT HandOut(const com::Ptr<Itf>& held, Itf** out) {
  if (!out) return E_POINTER;
  *out = nullptr;
  if (!held) return Fail(IDS_ERR_NULL_POINTER);
  held.CopyTo(out);
  return S_OK;
}

class CLexiconHub
    : public com::Object<com::Dispatch<ILexiconHub>, com::SupportErrorInfo<ILexiconHub>,
                         com::ConnectionPointContainer<_ILexiconHubEvents>> {
 public:
  static const com::InterfaceEntry* Interfaces() {
    static const com::InterfaceEntry table[] = {
        com::Entry<CLexiconHub, ILexiconHub>(), com::Entry<CLexiconHub, IDispatch, ILexiconHub>(),
        com::Entry<CLexiconHub, ISupportErrorInfo>(),
        com::Entry<CLexiconHub, IConnectionPointContainer>(), com::kEndOfInterfaces};
    return table;
  }

  STDMETHODIMP get_Active(long* out) override {
    if (!out) return E_POINTER;
    *out = active_ ? 1 : 0;
    return S_OK;
  }
  STDMETHODIMP get_MorDictColl(IVelDictCollection** out) override {
    return HandOut(dictionaries_, out);
  }
  // Nothing in the system makes a project collection for the hub.
  STDMETHODIMP get_MorProjectColl(IVelPrjCollection** out) override {
    return HandOut(projects_, out);
  }
  STDMETHODIMP get_MorRegMngr(IVelRegMngr** out) override { return HandOut(registry_, out); }

  STDMETHODIMP get_PathToDicDll(BSTR* out) override { return CopyText(engineDirectory_, out); }
  STDMETHODIMP put_PathToDicDll(BSTR path) override {
    engineDirectory_.assign(path ? path : L"", SysStringLen(path));
    return S_OK;
  }
  STDMETHODIMP get_PathToData(BSTR* out) override { return CopyText(dataDirectory_, out); }
  STDMETHODIMP put_PathToData(BSTR path) override {
    dataDirectory_.assign(path ? path : L"", SysStringLen(path));
    return S_OK;
  }

  // A hub initialises once. A failed Init can be tried again: the engine
  // it loaded stays bound, and the engine's file name is never appended
  // twice to the path.
  STDMETHODIMP Init() override {
    if (dictionaries_) return Fail(IDS_ERR_INIT);
    std::wstring engineFile = com::ModuleString(IDS_ENGINE_FILE);
    if (engineFile.empty()) return Fail(IDS_ERR_INIT);
    if (!EndsWithNoCase(engineDirectory_, engineFile)) engineDirectory_ += engineFile;
    if (!holdsEngine_) {
      if (!ds::AcquireEngine(ds::AnsiFromWide(engineDirectory_.data(), engineDirectory_.size())))
        return Fail(IDS_ERR_INIT);
      holdsEngine_ = active_ = true;
    }
    auto init = ds::EngineEntry<MD_INIT_PROC>(IDS_MDINIT);
    std::string dataDirectory = ds::AnsiFromWide(dataDirectory_.data(), dataDirectory_.size());
    if (!init || init(dataDirectory.c_str()) != MD_OK) return Fail(IDS_ERR_INIT);
    com::Ptr<IVelDictCollection> dictionaries;
    if (FAILED(registry_->GetDictionaries(dictionaries.Put())) || !dictionaries)
      return Fail(IDS_ERR_INIT);
    dictionaries_ = std::move(dictionaries);
    return S_OK;
  }

  STDMETHODIMP Exit() override {
    CloseOpenDictionaries();
    if (!holdsEngine_) return S_OK;
    auto exit = ds::EngineEntry<MD_EXIT_PROC>(IDS_MDEXIT);
    if (!exit || exit() != MD_OK) return Fail(IDS_ERR_EXIT);
    ds::ReleaseEngine();
    holdsEngine_ = false;
    return S_OK;
  }

 protected:
  CLexiconHub() : engineDirectory_(ModuleDirectory()), dataDirectory_(engineDirectory_) {}

  HRESULT Initialize() { return CreateVelRegMngr(IID_IVelRegMngr, registry_.PutVoid()); }

 private:
  static HRESULT CopyText(const std::wstring& text, BSTR* out) {
    return com::Bstr(text.c_str(), static_cast<UINT>(text.size())).CopyTo(out);
  }

  // Closing errors are of no use to whoever shuts the system down.
  void CloseOpenDictionaries() {
    if (!dictionaries_) return;
    long count = 0;
    dictionaries_->get_Count(&count);
    for (long index = 1; index <= count; ++index) {
      com::Ptr<IVelDictionary> dictionary;
      long opened = 0;
      if (SUCCEEDED(dictionaries_->get_Item(index, dictionary.Put())) &&
          SUCCEEDED(dictionary->get_Opened(&opened)) && opened)
        dictionary->Close();
    }
    SetErrorInfo(0, nullptr);
  }

  com::Ptr<IVelRegMngr> registry_;
  com::Ptr<IVelDictCollection> dictionaries_;
  com::Ptr<IVelPrjCollection> projects_;
  std::wstring engineDirectory_;  // PathToDicDll; the engine's full path once Init loaded it
  std::wstring dataDirectory_;    // PathToData
  bool holdsEngine_ = false;      // this hub holds the process's engine
  bool active_ = false;           // the engine was loaded by this hub's Init; never reset
};

}  // namespace

HRESULT CreateLexiconHub(REFIID iid, void** out) {
  return com::CreateObject<CLexiconHub>(iid, out);
}
