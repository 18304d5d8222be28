// Every control the installer ships comes up by its ProgID in a host of
// ours, in the prefix the installer installed into: what the program's
// control chain and the viewer will ask of them.
#include <gtest/gtest.h>
#include <windows.h>

#include "com/testing/ControlHosting.h"

namespace morvex::e2e {

namespace {

using com::testing::ControlTestEnvironment;
using com::testing::HostClass;

const auto* const kEnvironment = ::testing::AddGlobalTestEnvironment(
    new ControlTestEnvironment(nullptr, HostClass::kRegistered));

TEST(InstalledControlsTest, EachShippedControlIsHostedByItsProgId) {
  HWND frame = CreateWindowExA(0, "STATIC", "", WS_POPUP, 0, 0, 400, 300, nullptr, nullptr,
                               GetModuleHandleA(nullptr), nullptr);
  ASSERT_NE(frame, nullptr);
  const char* const progIds[] = {"PageStrip.VelPageStrip.1",         "PickList.PickListCtrl.1",
                                 "LetterStrip.VelLetterStripCtrl.1", "ShelfView.ShelfViewCtrl.1",
                                 "QuickHint.QuickHintCtrl.1",        "AboutPanel.AboutPanelCtrl.1",
                                 "SettingsSheet.SettingsSheetCtrl.1"};
  for (const char* progId : progIds) {
    HWND host = nullptr;
    com::Ptr<IUnknown> control;
    EXPECT_TRUE(com::testing::HostControl(frame, progId, {0, 0, 300, 200}, 1000, &host, &control));
    control.Reset();
    DestroyWindow(host);
  }
  DestroyWindow(frame);
}

}  // namespace

}  // namespace morvex::e2e
