#include "mousehook/tests/CounterProcess.h"

#include "harness/WindowProbe.h"
#include "mousehook/tests/ClickCounter.h"

namespace mousehook_test {

namespace {

constexpr DWORD kArrivalMs = 5000;
constexpr DWORD kProgramTimeoutMs = 15000;

}  // namespace

CounterProcess::CounterProcess() {
  if (process_.Start(harness::QuoteArgument(harness::ProgramBeside(kCounterProgram)))) {
    window_ = harness::WaitForWindow({kCounterClass, L""}, kArrivalMs);
  }
}

CounterProcess::~CounterProcess() {
  if (window_ != nullptr) harness::CloseWindow(window_, kArrivalMs);
  process_.Wait(kProgramTimeoutMs);
}

LRESULT CounterProcess::Count(UINT message) const {
  DWORD_PTR count = 0;
  SendMessageTimeoutW(window_, kCountQuery, message, 0, SMTO_ABORTIFHUNG, kArrivalMs, &count);
  return static_cast<LRESULT>(count);
}

POINT CounterCentre() {
  return {(kCounterPlace.left + kCounterPlace.right) / 2,
          (kCounterPlace.top + kCounterPlace.bottom) / 2};
}

}  // namespace mousehook_test
