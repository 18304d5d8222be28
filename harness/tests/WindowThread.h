// Test windows on a thread of their own that pumps messages the whole
// time, as another program's windows are to a probe in a second process or
// to real input, and a window class that notes what a test posts to it or
// clicks on it, for the test to wait on.
//
// Used by the harness's tests of the window tree, of posting and of clicks.
#pragma once

#include <windows.h>

#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>
#include <vector>

namespace harness_test {

// Windows of this class (double clicks on) note the messages of the
// application range (WM_APP to 0xBFFF) and the mouse-button messages.
extern const wchar_t kNotingClass[];

struct NotedMessage {
  HWND window;
  UINT message;
  WPARAM wParam;
  LPARAM lParam;
};

class WindowThread {
 public:
  // build runs on the new thread, creates the windows and returns the
  // top-level one; the constructor returns once it has.
  explicit WindowThread(std::function<HWND(HINSTANCE)> build);
  WindowThread(const WindowThread&) = delete;
  WindowThread& operator=(const WindowThread&) = delete;
  // Destroys the windows and ends the thread.
  ~WindowThread();

  HWND top() const { return top_; }

  // What the noting windows noted, once there are at least count messages
  // or timeoutMs passed; the notes are handed over and cleared.
  std::vector<NotedMessage> WaitForNoted(size_t count, DWORD timeoutMs);

  // The thread stops answering, as a hung program does, until Resume (or
  // for half a minute at most). False when it did not get so far.
  bool Stall();
  void Resume();

  // Called by the noting windows, on the window thread.
  void Note(const NotedMessage& message);

 private:
  void Run(const std::function<HWND(HINSTANCE)>& build);

  std::mutex mutex_;
  std::condition_variable changed_;
  bool ready_ = false;
  std::vector<NotedMessage> noted_;
  HWND top_ = nullptr;
  DWORD threadId_ = 0;
  HANDLE stalled_ = nullptr;
  HANDLE resume_ = nullptr;
  std::thread thread_;
};

}  // namespace harness_test
