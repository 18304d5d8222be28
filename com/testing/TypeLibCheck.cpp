// The LIBID checks of the servers' tests.
#include "com/testing/TypeLibCheck.h"

#include <cstdio>
#include <string>

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

}  // namespace morvex::com::testing
