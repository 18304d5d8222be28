// What the control tests share, whichever host they put the test control
// in: the control's DLL held loaded for the whole run, the message pumps of
// com/testing, window facts, fonts told apart by their traits, a recording
// property sink, the test control's journal, and the check that a test left
// nothing behind.
#pragma once

#include <gtest/gtest.h>
#include <ocidl.h>
#include <olectl.h>
#include <windows.h>

#include <ostream>
#include <string>
#include <vector>

#include "com/ComObject.h"
#include "com/testing/MessagePump.h"

namespace morvex::com::testing {

constexpr wchar_t kProgId[] = L"MorvexTest.TestControl.1";
constexpr char kProgIdAnsi[] = "MorvexTest.TestControl.1";
constexpr wchar_t kUnregisteredProgId[] = L"MorvexTest.NoSuchControl.1";
constexpr wchar_t kControlWindowClass[] = L"MorvexTestControlWindow";
constexpr RECT kHostRect = {10, 10, 310, 210};

// The test control's DLL, loaded by the test environment (OLE initialised
// around the whole run); its object count is asked after every test.
HMODULE ControlModule();

RECT ClientRect(HWND window);
std::wstring ClassName(HWND window);

// How a test tells fonts apart: the face name is no help, since Wine
// reports the face it actually chose (Tahoma and Arial both become "DejaVu
// Sans" here), and the size is the one of the pixel height it chose, so it
// is compared in whole points.
struct FontTraits {
  int points;
  bool italic;
  bool bold;
  bool operator==(const FontTraits& other) const {
    return points == other.points && italic == other.italic && bold == other.bold;
  }
};
std::ostream& operator<<(std::ostream& out, const FontTraits& traits);
FontTraits TraitsOf(IFontDisp* font);

// The test control's font when its container offers none.
constexpr FontTraits kDefaultFontTraits = {8, true, false};

// Records what a control tells its property sinks; may refuse every edit.
class PropertySink : public Object<IPropertyNotifySink> {
 public:
  static const InterfaceEntry* Interfaces();
  STDMETHODIMP OnChanged(DISPID dispid) override;
  STDMETHODIMP OnRequestEdit(DISPID dispid) override;

  bool refuse = false;
  std::vector<DISPID> requested;
  std::vector<DISPID> changed;

 protected:
  PropertySink() = default;
};

// What the test controls lived through ("SetClientSite InitNew ..."), and
// a fresh start of it.
std::string ControlJournal();
void ClearControlJournal();

// Every test runs in a frame window of its own, with a fresh journal, and
// must leave nothing behind: no object of the control's module
// (DllCanUnloadNow) and no window class of the test control.
class FramedControlTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  HWND frame_ = nullptr;
};

}  // namespace morvex::com::testing
