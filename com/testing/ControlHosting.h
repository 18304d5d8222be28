// What the tests of every windowed control set up around it: OLE for the
// whole run, our "AtlAxWin" host class in the test program, the control's
// DLL held loaded when the tests ask its object count, window classes for
// the test's frames, and the control hosted by ProgID in one of them as a
// container hosts it.
//
// Used by the framework's control tests and by the tests of PageStrip,
// PickList and LetterStrip.
//
//   const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(
//       new ControlTestEnvironment(L"Strip.dll", HostClass::kRegistered));
//   ASSERT_TRUE(RegisterTestWindowClass(kFrameClass, GetSysColorBrush(COLOR_WINDOW)));
//   ASSERT_TRUE(HostByProgId(frame_, "Strip.Strip.1", {0, 0, 300, 200}, 1, &host_, &strip_));
#pragma once

#include <gtest/gtest.h>
#include <windows.h>

#include "com/ComPtr.h"
#include "com/testing/ServerClient.h"

namespace morvex::com::testing {

// Whether the run registers our host class in the test program. A program
// that hosts in the system's atl.dll leaves it out: the two classes share
// one name.
enum class HostClass { kRegistered, kLeftOut };

// OLE initialised around the whole run, the host class as asked, and
// `heldDll` (when not null) loaded for the whole run, so that every test's
// check of live objects asks the one module. Derived environments add
// their window classes after this SetUp.
class ControlTestEnvironment : public ::testing::Environment {
 public:
  ControlTestEnvironment(const wchar_t* heldDll, HostClass hostClass);
  void SetUp() override;
  void TearDown() override;

  // The held DLL; null before SetUp or when none is held.
  HMODULE HeldModule() const { return held_; }

 private:
  const wchar_t* heldDll_;
  HostClass hostClass_;
  HMODULE held_ = nullptr;
};

// Registers a window class of the test program for frames and the windows
// the tests put in them: the arrow cursor, `background`, `procedure`.
bool RegisterTestWindowClass(const wchar_t* name, HBRUSH background,
                             WNDPROC procedure = DefWindowProcW);

// Hosts the control registered under `progId` in our host class at `place`
// of `parent` (child id `id`), and asks it for `Itf`; fails, naming what
// went wrong, when there is no host window or no control in it.
::testing::AssertionResult HostControl(HWND parent, const char* progId, const RECT& place, UINT id,
                                       HWND* host, Ptr<IUnknown>* control);

template <class Itf>
::testing::AssertionResult HostByProgId(HWND parent, const char* progId, const RECT& place, UINT id,
                                        HWND* host, Ptr<Itf>* control) {
  Ptr<IUnknown> unknown;
  ::testing::AssertionResult hosted = HostControl(parent, progId, place, id, host, &unknown);
  if (!hosted) return hosted;
  HRESULT hr = unknown.As(control);
  if (FAILED(hr))
    return ::testing::AssertionFailure()
           << "the control of " << progId
           << " lacks the interface: " << ::testing::PrintToString(Hr{hr});
  return ::testing::AssertionSuccess();
}

}  // namespace morvex::com::testing
