#include "com/testing/ControlHosting.h"

#include "com/AxHost.h"

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
  if (hr != S_OK || !*control)
    return ::testing::AssertionFailure()
           << "no control in the host of " << progId << ": is its server registered? "
           << ::testing::PrintToString(Hr{hr});
  return ::testing::AssertionSuccess();
}

}  // namespace morvex::com::testing
