// CTestThing: properties, failures with error information, and events.
#include "TestServer.h"
#include "TestServerClasses.h"
#include "com/Automation.h"
#include "com/ComObject.h"
#include "com/ConnectionPoints.h"
#include "com/Dispatch.h"
#include "com/ErrorInfo.h"

namespace {

namespace com = morvex::com;

const com::ErrorSource kError = {&IID_ITestThing, L"MorvexComTest.TestThing.1"};

class CTestThing : public com::Object<com::Dispatch<ITestThing>, com::SupportErrorInfo<ITestThing>,
                                      com::ConnectionPointContainer<_ITestThingEvents>> {
 public:
  static const com::InterfaceEntry* Interfaces() {
    static const com::InterfaceEntry table[] = {
        com::Entry<CTestThing, ITestThing>(), com::Entry<CTestThing, IDispatch, ITestThing>(),
        com::Entry<CTestThing, ISupportErrorInfo>(),
        com::Entry<CTestThing, IConnectionPointContainer>(), com::kEndOfInterfaces};
    return table;
  }

  STDMETHODIMP get_Name(BSTR* name) override { return name_.CopyTo(name); }
  STDMETHODIMP put_Name(BSTR name) override {
    name_ = com::Bstr(name, SysStringLen(name));
    return S_OK;
  }
  STDMETHODIMP get_Count(long* count) override {
    if (!count) return E_POINTER;
    *count = count_;
    return S_OK;
  }
  STDMETHODIMP put_Count(long count) override {
    count_ = count;
    return S_OK;
  }
  STDMETHODIMP get_Shade(TestShade* shade) override {
    if (!shade) return E_POINTER;
    *shade = shade_;
    return S_OK;
  }
  STDMETHODIMP put_Shade(TestShade shade) override {
    shade_ = shade;
    return S_OK;
  }
  STDMETHODIMP Fail(long stringId) override {
    return com::ReportError(kError, static_cast<UINT>(stringId));
  }
  STDMETHODIMP FailWithText(BSTR text) override { return com::ReportError(kError, text, E_FAIL); }
  STDMETHODIMP Fire(BSTR word, long number) override {
    Point<_ITestThingEvents>().FireDispatch(1, {com::Variant(word), com::Variant(number)});
    return Point<_ITestThingEvents>().FireDispatch(2);
  }
  STDMETHODIMP Add(long a, long b, long* sum) override {
    if (!sum) return E_POINTER;
    *sum = a + b;
    return S_OK;
  }

 protected:
  CTestThing() = default;

 private:
  com::Bstr name_;
  long count_ = 0;
  TestShade shade_ = tsLight;
};

}  // namespace

HRESULT CreateTestThing(REFIID iid, void** out) { return com::CreateObject<CTestThing>(iid, out); }
