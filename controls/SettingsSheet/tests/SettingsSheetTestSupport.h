// What SettingsSheet's tests share: the control hosted by ProgID in a frame
// of the test as the program hosts it, its events recorded, and the modal
// dialog driven from inside its own loop by a script of steps run on a
// thread timer: each step waits for its condition, then acts. Whatever the
// script leaves open (the colour or font dialog, the settings dialog) is
// closed when it ends or runs past its bound, so no dialog ever waits for
// a person. The program's status-bar test drives the dialog it opens with
// the same scripts.
#pragma once

#include <gtest/gtest.h>
#include <ocidl.h>
#include <windows.h>

#include <functional>
#include <string>
#include <vector>

#include "SettingsSheet.h"
#include "com/ComPtr.h"
#include "com/EventSink.h"
#include "com/testing/ServerClient.h"

namespace morvex::settingssheet::testing {

using morvex::com::testing::Hr;

inline constexpr wchar_t kSettingsSheetDll[] = L"SettingsSheet.dll";
inline constexpr char kProgId[] = "SettingsSheet.SettingsSheetCtrl";

// One step of a script: when `ready` holds (null: at once), `act` runs.
struct Step {
  std::function<bool()> ready;
  std::function<void()> act;
};

// One event as the sink heard it.
struct Event {
  DISPID id;
  long first;
  long second;
};

// Runs `modal` (a call that runs a modal loop on this thread, such as
// InvokeDialog) while the steps run on a thread timer. Fails the test when
// the steps do not all run, or do not finish within a bound; then every
// dialog of the thread is closed.
void RunScripted(std::vector<Step> steps, const std::function<void()>& modal);
// The visible dialogs of this thread, in creation order.
std::vector<HWND> ThreadDialogs();

class SettingsSheetTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Runs InvokeDialog while the steps run; the dialog's exit code. The
  // steps must end the dialog; if they do not finish within a bound the
  // test fails and every open dialog is closed.
  long RunDialog(std::vector<Step> steps);

  // The settings dialog while it runs (null otherwise), and its item.
  HWND Dialog() const;
  HWND Item(int id) const { return GetDlgItem(Dialog(), id); }
  // A dialog of this thread other than the settings dialog (the colour or
  // font dialog), or null.
  HWND InnerDialog() const;
  // Presses a button of the settings dialog as a click does.
  void Click(int id) const;
  // A step that presses OK.
  Step PressOk() const;

  HWND frame_ = nullptr;
  HWND host_ = nullptr;
  com::Ptr<ISettingsSheetCtrl> control_;
  com::Ptr<com::EventSink> sink_;
  std::vector<Event> events_;
};

// The client area of `window` as painted now, 0x00BBGGRR per pixel.
struct Capture {
  int width = 0;
  int height = 0;
  std::vector<COLORREF> pixels;
  COLORREF At(int x, int y) const { return pixels[static_cast<size_t>(y * width + x)]; }
};
Capture CaptureClient(HWND window);
// Writes the capture as a 24-bit BMP file.
bool SaveCapture(const Capture& capture, const char* path);

}  // namespace morvex::settingssheet::testing
