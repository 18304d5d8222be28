#include "com/testing/ControlHosting.h"

#include "com/AxHost.h"
#include "com/WideText.h"

namespace morvex::com::testing {

ControlTestEnvironment::ControlTestEnvironment(const wchar_t* heldDll, HostClass hostClass)
    : heldDll_(heldDll), hostClass_(hostClass) {}

void ControlTestEnvironment::SetUp() {
  ASSERT_TRUE(SUCCEEDED(OleInitialize(nullptr)));
  if (hostClass_ == HostClass::kRegistered) {
    ASSERT_TRUE(AtlAxWinInit());
  }
  if (heldDll_) {
    held_ = LoadLibraryW(heldDll_);
    ASSERT_NE(held_, nullptr) << "cannot load the control's DLL";
  }
}

void ControlTestEnvironment::TearDown() { OleUninitialize(); }

bool RegisterTestWindowClass(const wchar_t* name, HBRUSH background, WNDPROC procedure) {
  WNDCLASSEXW windowClass = {};
  windowClass.cbSize = sizeof windowClass;
  windowClass.lpfnWndProc = procedure;
  windowClass.hInstance = GetModuleHandleW(nullptr);
  windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
  windowClass.hbrBackground = background;
  windowClass.lpszClassName = name;
  return RegisterClassExW(&windowClass) != 0;
}

::testing::AssertionResult HostControl(HWND parent, const char* progId, const RECT& place, UINT id,
                                       HWND* host, Ptr<IUnknown>* control) {
  *host = AxCreateHostWindow(parent, progId, place, id);
  if (!*host) return ::testing::AssertionFailure() << "no host window for " << progId;
  HRESULT hr = AtlAxGetControl(*host, control->Put());
  if (hr == S_OK && *control) return ::testing::AssertionSuccess();
  // Told apart: a class the registry does not name, one whose object
  // cannot be made, and an object made but not taken in by the host.
  CLSID clsid = {};
  const HRESULT named = CLSIDFromProgID(WideFromAnsi(progId).c_str(), &clsid);
  HRESULT made = named;
  if (SUCCEEDED(named)) {
    Ptr<IUnknown> object;
    made = CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IUnknown, object.PutVoid());
  }
  return ::testing::AssertionFailure()
         << "no control in the host of " << progId << ": " << ::testing::PrintToString(Hr{hr})
         << "; its class from the registry: " << ::testing::PrintToString(Hr{named})
         << ", an object of it made alone: " << ::testing::PrintToString(Hr{made});
}

}  // namespace morvex::com::testing
