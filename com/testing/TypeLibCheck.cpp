// The LIBID checks of the servers' tests.
#include "com/testing/TypeLibCheck.h"

#include <cstdio>
#include <string>
#include <utility>

#include "com/ComPtr.h"
#include "com/WideText.h"

namespace morvex::com::testing {
namespace {

std::string Text(REFGUID guid) {
  wchar_t text[40] = {};
  StringFromGUID2(guid, text, 40);
  return Utf8FromWide(text);
}

std::string Hex(HRESULT hr) {
  char text[16];
  std::snprintf(text, sizeof text, "0x%08lX", static_cast<unsigned long>(hr));
  return text;
}

::testing::AssertionResult HasLibid(ITypeLib* library, REFGUID libid) {
  TLIBATTR* attributes = nullptr;
  HRESULT hr = library->GetLibAttr(&attributes);
  if (FAILED(hr)) return ::testing::AssertionFailure() << "GetLibAttr failed: " << Hex(hr);
  GUID found = attributes->guid;
  library->ReleaseTLibAttr(attributes);
  if (!IsEqualGUID(found, libid))
    return ::testing::AssertionFailure()
           << "the type library carries LIBID " << Text(found) << ", the header " << Text(libid);
  return ::testing::AssertionSuccess();
}

}  // namespace

::testing::AssertionResult EmbeddedLibidIs(const wchar_t* modulePath, REFGUID libid) {
  Ptr<ITypeLib> library;
  HRESULT hr = LoadTypeLibEx(modulePath, REGKIND_NONE, library.Put());
  if (FAILED(hr))
    return ::testing::AssertionFailure()
           << "no type library in " << Utf8FromWide(modulePath) << ": " << Hex(hr);
  return HasLibid(library.Get(), libid);
}

::testing::AssertionResult RegisteredLibidIs(REFGUID libid, WORD major, WORD minor) {
  Ptr<ITypeLib> library;
  HRESULT hr = LoadRegTypeLib(libid, major, minor, LOCALE_NEUTRAL, library.Put());
  if (FAILED(hr))
    return ::testing::AssertionFailure() << "LIBID " << Text(libid) << " " << major << "." << minor
                                         << " is not registered: " << Hex(hr);
  return HasLibid(library.Get(), libid);
}

std::ostream& operator<<(std::ostream& out, const VtableMember& member) {
  return out << "slot " << member.slot << " " << Utf8FromWide(member.name) << " dispid "
             << member.dispid << " kind " << member.kind;
}

std::vector<VtableMember> VtableMembers(ITypeInfo* dual) {
  std::vector<VtableMember> members;
  HREFTYPE vtableRef = 0;
  Ptr<ITypeInfo> vtable;
  TYPEATTR* attributes = nullptr;
  if (!dual || FAILED(dual->GetRefTypeOfImplType(-1, &vtableRef)) ||
      FAILED(dual->GetRefTypeInfo(vtableRef, vtable.Put())) ||
      FAILED(vtable->GetTypeAttr(&attributes))) {
    return members;
  }
  for (UINT i = 0; i < attributes->cFuncs; ++i) {
    FUNCDESC* function = nullptr;
    if (FAILED(vtable->GetFuncDesc(i, &function))) continue;
    BSTR name = nullptr;
    vtable->GetDocumentation(function->memid, &name, nullptr, nullptr, nullptr);
    VtableMember member = {function->oVft / static_cast<int>(sizeof(void*)), name ? name : L"",
                           function->memid, function->invkind};
    SysFreeString(name);
    for (SHORT p = 0; p < function->cParams; ++p) {
      member.parameters.push_back(function->lprgelemdescParam[p].tdesc.vt);
    }
    members.push_back(std::move(member));
    vtable->ReleaseFuncDesc(function);
  }
  vtable->ReleaseTypeAttr(attributes);
  return members;
}

VARTYPE FirstParameterType(const std::vector<VtableMember>& members, DISPID dispid) {
  for (const VtableMember& member : members) {
    if (member.dispid == dispid && !member.parameters.empty()) return member.parameters[0];
  }
  return VT_EMPTY;
}

}  // namespace morvex::com::testing
