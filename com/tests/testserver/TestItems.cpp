// CTestItem and CTestItems: a plain item and the 1-based collection of them.
#include "TestServer.h"
#include "TestServerClasses.h"
#include "com/Collection.h"
#include "com/ComObject.h"
#include "com/Dispatch.h"

namespace {

namespace com = morvex::com;

class CTestItem : public com::Object<com::Dispatch<ITestItem>> {
 public:
  static const com::InterfaceEntry* Interfaces() {
    static const com::InterfaceEntry table[] = {com::Entry<CTestItem, ITestItem>(),
                                                com::Entry<CTestItem, IDispatch, ITestItem>(),
                                                com::kEndOfInterfaces};
    return table;
  }

  STDMETHODIMP get_Value(long* value) override {
    if (!value) return E_POINTER;
    *value = value_;
    return S_OK;
  }
  STDMETHODIMP put_Value(long value) override {
    value_ = value;
    return S_OK;
  }

 protected:
  CTestItem() = default;

 private:
  long value_ = 0;
};

class CTestItems : public com::Object<com::Dispatch<ITestItems>> {
 public:
  static const com::InterfaceEntry* Interfaces() {
    static const com::InterfaceEntry table[] = {com::Entry<CTestItems, ITestItems>(),
                                                com::Entry<CTestItems, IDispatch, ITestItems>(),
                                                com::kEndOfInterfaces};
    return table;
  }

  STDMETHODIMP get_Count(long* count) override { return items_.Count(count); }
  STDMETHODIMP Add(ITestItem* item) override { return items_.Add(item); }
  STDMETHODIMP Remove(long index) override { return items_.Remove(index); }
  STDMETHODIMP get_Item(long index, ITestItem** item) override { return items_.Item(index, item); }
  STDMETHODIMP get__NewEnum(IUnknown** enumerator) override { return items_.NewEnum(enumerator); }

 protected:
  CTestItems() = default;

 private:
  com::Collection<ITestItem> items_;
};

}  // namespace

HRESULT CreateTestItem(REFIID iid, void** out) { return com::CreateObject<CTestItem>(iid, out); }

HRESULT CreateTestItems(REFIID iid, void** out) { return com::CreateObject<CTestItems>(iid, out); }
