// Real input for the hook tests: keys and clicks pressed through xdotool on
// the X display the test runs on, so that they reach Wine as a user's do
// (from the X server, into the driver of the process whose window lies
// under the pointer, then past the low-level hooks), and waits for what
// they cause, with a bound.
//
// Used by the hook-library tests. xdotool's Windows path comes from the
// environment variable MORVEX_XDOTOOL (the build sets it; Wine runs a Linux
// program named by its Z: path). Wine hands back no process handle for a
// Linux program, so nobody can wait for xdotool to end or read its exit
// code: each step waits instead for what its input causes.
#pragma once

#include <windows.h>

#include <functional>
#include <string>

namespace mousehook_test {

// xdotool's buttons.
constexpr int kXLeftButton = 1;
constexpr int kXMiddleButton = 2;
constexpr int kXRightButton = 3;

// True when xdotool is where MORVEX_XDOTOOL says.
bool XdotoolFound();

// Starts xdotool with the arguments and returns at once; true when it
// started.
bool StartXdotool(const std::wstring& arguments);

// Dispatches the calling thread's messages until done() answers true or
// timeoutMs passed, looking again at least every few dozen milliseconds
// (done may watch another process); returns done()'s last answer. What
// was posted to the thread before done() held has been dispatched by then.
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs);

// A key held down through xdotool, by its xdotool name ("shift", "ctrl"),
// until the object goes. Both ends wait until the system's key state says
// so, so that a click sent after the constructor sees the key down.
class HeldKey {
 public:
  HeldKey(const wchar_t* name, int virtualKey);
  HeldKey(const HeldKey&) = delete;
  HeldKey& operator=(const HeldKey&) = delete;
  ~HeldKey() { Release(); }

  // False when the key did not go down within the bound.
  bool down() const { return down_; }
  // Releases it early; true once the system's state shows it up.
  bool Release();

 private:
  std::wstring name_;
  int virtualKey_;
  bool pressed_ = false;
  bool down_ = false;
};

}  // namespace mousehook_test
