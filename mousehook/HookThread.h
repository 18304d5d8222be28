// The low-level mouse hook on a thread of the library's own, which does
// nothing but wait for mouse events, so that the mouse never waits on the
// program's thread however busy it is. Started and stopped by the entry
// points, never from DllMain (the loader lock would deadlock the join).
//
// Used by InstallFilter (HookExports.cpp). Not thread-safe: the caller
// serialises Start and Stop.
#pragma once

#include <windows.h>

namespace morvex::mousehook {

class HookThread {
 public:
  // No destructor that joins: a thread still running when the process
  // ends goes with it, and the library stays loaded as long as it runs.

  // Starts the thread and returns once the hook is in place: true, or
  // false with no thread left behind when the system refused the hook.
  bool Start();

  // Removes the hook and returns once the thread has ended.
  void Stop();

  bool Running() const { return thread_ != nullptr; }

 private:
  HANDLE thread_ = nullptr;
  DWORD threadId_ = 0;
};

}  // namespace morvex::mousehook
