#include "harness/XorFrameProbe.h"

namespace harness {

namespace {

struct Difference {
  long long changed = 0;
  long long notXor = 0;
  long long sumX = 0;
  long long sumY = 0;
};

Difference Compare(const ScreenPixels& reference, const ScreenPixels& now, const RECT& ignored,
                   COLORREF pen) {
  Difference difference;
  const RECT& area = reference.area();
  for (int y = area.top; y < area.bottom; ++y) {
    for (int x = area.left; x < area.right; ++x) {
      if (PtInRect(&ignored, {x, y})) continue;
      const COLORREF before = reference.At(x, y), after = now.At(x, y);
      if (after == before) continue;
      ++difference.changed;
      difference.sumX += x;
      difference.sumY += y;
      if (after != (before ^ pen)) ++difference.notXor;
    }
  }
  return difference;
}

}  // namespace

long long ChangedPixels(const ScreenPixels& reference, const ScreenPixels& now, const RECT& ignored,
                        COLORREF pen, long long* notXor) {
  const Difference difference = Compare(reference, now, ignored, pen);
  *notXor += difference.notXor;
  return difference.changed;
}

XorFrameProbe::XorFrameProbe(const ScreenPixels& reference, const RECT& ignored, COLORREF pen)
    : reference_(reference), ignored_(ignored), pen_(pen), thread_([this] { Run(); }) {}

XorFrameProbe::~XorFrameProbe() { Stop(); }

XorFrameProbe::Sightings XorFrameProbe::Stop() {
  stop_ = true;
  if (thread_.joinable()) thread_.join();
  return seen_;
}

void XorFrameProbe::Run() {
  while (!stop_) {
    const ScreenPixels now = ScreenPixels::Capture(reference_.area());
    if (now.empty()) continue;
    const Difference difference = Compare(reference_, now, ignored_, pen_);
    seen_.notXorPixels += difference.notXor;
    if (difference.changed) {
      const POINT middle = {static_cast<LONG>(difference.sumX / difference.changed),
                            static_cast<LONG>(difference.sumY / difference.changed)};
      if (!seen_.withChanges) seen_.first = middle;
      seen_.last = middle;
      ++seen_.withChanges;
    }
    ++seen_.captures;
    captures_ = seen_.captures;
  }
}

}  // namespace harness
