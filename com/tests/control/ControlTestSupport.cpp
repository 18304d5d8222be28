#include "com/tests/control/ControlTestSupport.h"

#include <gtest/gtest.h>

#include "com/ProcAddress.h"
#include "com/testing/ControlHosting.h"
#include "com/testing/ServerClient.h"

namespace morvex::com::testing {

namespace {

std::wstring ControlDllPath() {
  wchar_t path[MAX_PATH] = {};
  GetModuleFileNameW(nullptr, path, MAX_PATH);
  std::wstring dll(path);
  dll.resize(dll.find_last_of(L"\\/") + 1);
  return dll + L"MorvexTestControl.dll";
}

const std::wstring& ControlDll() {
  static const std::wstring path = ControlDllPath();
  return path;
}

// The tests register our host class themselves when they need it: the
// cross-check program hosts in the system's atl.dll, whose class has the
// same name.
const auto* const kEnvironment =
    static_cast<ControlTestEnvironment*>(::testing::AddGlobalTestEnvironment(
        new ControlTestEnvironment(ControlDll().c_str(), HostClass::kLeftOut)));

}  // namespace

HMODULE ControlModule() { return kEnvironment->HeldModule(); }

RECT ClientRect(HWND window) {
  RECT rect = {};
  GetClientRect(window, &rect);
  return rect;
}

std::wstring ClassName(HWND window) {
  wchar_t name[128] = {};
  GetClassNameW(window, name, 128);
  return name;
}

std::ostream& operator<<(std::ostream& out, const FontTraits& traits) {
  return out << traits.points << "pt" << (traits.italic ? " italic" : "")
             << (traits.bold ? " bold" : "");
}

FontTraits TraitsOf(IFontDisp* font) {
  Ptr<IFont> details;
  if (!font || FAILED(font->QueryInterface(IID_IFont, details.PutVoid()))) return {0, false, false};
  CY size = {};
  BOOL italic = FALSE, bold = FALSE;
  details->get_Size(&size);
  details->get_Italic(&italic);
  details->get_Bold(&bold);
  return {static_cast<int>((size.int64 + 5000) / 10000), italic != FALSE, bold != FALSE};
}

const InterfaceEntry* PropertySink::Interfaces() {
  static const InterfaceEntry table[] = {Entry<PropertySink, IPropertyNotifySink>(),
                                         kEndOfInterfaces};
  return table;
}

STDMETHODIMP PropertySink::OnChanged(DISPID dispid) {
  changed.push_back(dispid);
  return S_OK;
}

STDMETHODIMP PropertySink::OnRequestEdit(DISPID dispid) {
  requested.push_back(dispid);
  return refuse ? S_FALSE : S_OK;
}

std::string ControlJournal() {
  auto journal = ProcAddress<const char* (*)()>(ControlModule(), "MorvexTestJournal");
  return journal ? journal() : "(no journal)";
}

void ClearControlJournal() {
  auto clear = ProcAddress<void (*)()>(ControlModule(), "MorvexTestClearJournal");
  if (clear) clear();
}

void FramedControlTest::SetUp() {
  ClearControlJournal();
  frame_ = CreateWindowExA(0, "STATIC", "Control test frame",
                           WS_OVERLAPPEDWINDOW | WS_CLIPCHILDREN | WS_VISIBLE, 0, 0, 640, 480,
                           nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
  ASSERT_NE(frame_, nullptr);
}

void FramedControlTest::TearDown() {
  DestroyWindow(frame_);
  Pump(20);
  CoFreeUnusedLibraries();
  EXPECT_EQ(ServerEntryOf(ControlModule(), "DllCanUnloadNow")(), S_OK) << "an object lives on";
  WNDCLASSEXW info = {};
  info.cbSize = sizeof info;
  EXPECT_FALSE(GetClassInfoExW(ControlModule(), kControlWindowClass, &info)) << "the class stays";
}

}  // namespace morvex::com::testing
