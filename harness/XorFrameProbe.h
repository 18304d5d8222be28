// Watches part of the screen while a program draws frames over it in XOR:
// a thread of its own captures the area again and again until stopped and
// compares each capture with a reference picture taken before. A pixel a
// frame covers is the reference XOR the frame's pen; drawn twice, the
// frame leaves the screen as it was.
//
// Used by the tests of the splash and about box animation: the host's
// in-process test (app/tests) and the installed program's (e2e/).
#pragma once

#include <windows.h>

#include <atomic>
#include <thread>

#include "harness/ScreenPixels.h"

namespace harness {

// Pixels of `now` unlike `reference`, outside `ignored` (empty: none left
// out); those that are not the reference XOR `pen` are added to *notXor.
long long ChangedPixels(const ScreenPixels& reference, const ScreenPixels& now, const RECT& ignored,
                        COLORREF pen, long long* notXor);

class XorFrameProbe {
 public:
  struct Sightings {
    int captures = 0;
    int withChanges = 0;         // captures that showed a frame
    long long notXorPixels = 0;  // changed pixels that no XOR frame explains
    // The middle of the changed pixels in the first and in the last
    // capture that showed a frame: where the frames began and ended.
    POINT first = {};
    POINT last = {};
  };

  // Starts watching at once: the reference's area outside `ignored`, where
  // a window may come or go. The reference must outlive the probe.
  XorFrameProbe(const ScreenPixels& reference, const RECT& ignored, COLORREF pen);
  ~XorFrameProbe();
  XorFrameProbe(const XorFrameProbe&) = delete;
  XorFrameProbe& operator=(const XorFrameProbe&) = delete;

  // Stops watching (once) and tells what was seen.
  Sightings Stop();
  // The captures taken so far.
  int captures() const { return captures_; }

 private:
  void Run();

  const ScreenPixels& reference_;
  const RECT ignored_;
  const COLORREF pen_;
  std::atomic<bool> stop_{false};
  std::atomic<int> captures_{0};
  Sightings seen_;
  std::thread thread_;
};

}  // namespace harness
