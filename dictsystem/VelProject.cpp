// VelProject: a language pair with its user-facing settings and the
// dictionaries of the pair in each direction.
#include <windows.h>

#include "HubClasses.h"
#include "HubResource.h"
#include "com/Automation.h"
#include "com/ComObject.h"
#include "com/Dispatch.h"
#include "com/ErrorInfo.h"
#include "com/PropertyAccess.h"

namespace {

namespace com = morvex::com;
using com::GetProperty;
using com::PutProperty;

constexpr long kAnyLanguage = 1024;

class CVelProject
    : public com::Object<com::Dispatch<IVelProject>, com::SupportErrorInfo<IVelProject>> {
 public:
  static const com::InterfaceEntry* Interfaces() {
    static const com::InterfaceEntry table[] = {
        com::Entry<CVelProject, IVelProject>(), com::Entry<CVelProject, IDispatch, IVelProject>(),
        com::Entry<CVelProject, ISupportErrorInfo>(), com::kEndOfInterfaces};
    return table;
  }

  STDMETHODIMP get_LangIn(long* out) override { return GetProperty(langIn_, out); }
  STDMETHODIMP put_LangIn(long value) override { return PutProperty(&langIn_, value); }
  STDMETHODIMP get_LangOut(long* out) override { return GetProperty(langOut_, out); }
  STDMETHODIMP put_LangOut(long value) override { return PutProperty(&langOut_, value); }
  STDMETHODIMP get_AutoSwich(long* out) override { return GetProperty(autoSwitch_, out); }
  STDMETHODIMP put_AutoSwich(long value) override { return PutProperty(&autoSwitch_, value); }
  STDMETHODIMP get_ShowSynonyms(long* out) override { return GetProperty(showSynonyms_, out); }
  STDMETHODIMP put_ShowSynonyms(long value) override { return PutProperty(&showSynonyms_, value); }
  STDMETHODIMP get_UseExceptions(long* out) override { return GetProperty(useExceptions_, out); }
  STDMETHODIMP put_UseExceptions(long value) override {
    return PutProperty(&useExceptions_, value);
  }
  STDMETHODIMP get_TransStyle(VdsPrjStyle* out) override { return GetProperty(style_, out); }
  STDMETHODIMP put_TransStyle(VdsPrjStyle value) override {
    if (value < vpsDefault || value > vpsSaveStyle) return Fail(IDS_ERR_PROJECT_VALUE);
    return PutProperty(&style_, value);
  }
  STDMETHODIMP get_WordGathering(VdsPrjGather* out) override {
    return GetProperty(gathering_, out);
  }
  STDMETHODIMP put_WordGathering(VdsPrjGather value) override {
    if (value < vpgNoGather || value > vpgUnknownGather) return Fail(IDS_ERR_PROJECT_VALUE);
    return PutProperty(&gathering_, value);
  }
  STDMETHODIMP get_ProjName(BSTR* out) override { return name_.CopyTo(out); }
  STDMETHODIMP put_ProjName(BSTR value) override { return SetText(&name_, value); }
  STDMETHODIMP get_PrjDescription(BSTR* out) override { return description_.CopyTo(out); }
  STDMETHODIMP put_PrjDescription(BSTR value) override { return SetText(&description_, value); }
  STDMETHODIMP get_ThemesEn(BSTR* out) override { return themesEnabled_.CopyTo(out); }
  STDMETHODIMP put_ThemesEn(BSTR value) override { return SetText(&themesEnabled_, value); }
  STDMETHODIMP get_ThemesDis(BSTR* out) override { return themesDisabled_.CopyTo(out); }
  STDMETHODIMP put_ThemesDis(BSTR value) override { return SetText(&themesDisabled_, value); }

  STDMETHODIMP get_InOutDictColl(IVelDictCollection** out) override {
    return GetCollection(forward_, out);
  }
  STDMETHODIMP get_OutInDictColl(IVelDictCollection** out) override {
    return GetCollection(reverse_, out);
  }

 protected:
  CVelProject() = default;

  HRESULT Initialize() {
    HRESULT hr = CreateVelDictCollection(IID_IVelDictCollection, forward_.PutVoid());
    if (SUCCEEDED(hr)) hr = CreateVelDictCollection(IID_IVelDictCollection, reverse_.PutVoid());
    return hr;
  }

 private:
  static HRESULT SetText(com::Bstr* field, BSTR value) {
    *field = com::Bstr(value, SysStringLen(value));
    return S_OK;
  }
  static HRESULT Fail(UINT errorId) { return com::ReportError(kProjectErrors, errorId); }

  static HRESULT GetCollection(const com::Ptr<IVelDictCollection>& collection,
                               IVelDictCollection** out) {
    if (!out) return Fail(IDS_ERR_PROJECT_NULL);
    collection.CopyTo(out);
    return S_OK;
  }

  long langIn_ = kAnyLanguage;
  long langOut_ = kAnyLanguage;
  long autoSwitch_ = 0;
  long showSynonyms_ = 0;
  long useExceptions_ = 0;
  VdsPrjStyle style_ = vpsDefault;
  VdsPrjGather gathering_ = vpgNoGather;
  com::Bstr name_;
  com::Bstr description_;
  com::Bstr themesEnabled_;
  com::Bstr themesDisabled_;
  com::Ptr<IVelDictCollection> forward_;
  com::Ptr<IVelDictCollection> reverse_;
};

}  // namespace

HRESULT CreateVelProject(REFIID iid, void** out) {
  return com::CreateObject<CVelProject>(iid, out);
}
