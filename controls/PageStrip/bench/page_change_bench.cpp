// How long a page change takes in the page strip, the slide included: the
// strip hosted as the program hosts it, three pages with windows, pages
// whose content area is 200, 500 and 1,000 pixels high, Animation 1 and
// Sleep 0 as the program leaves them. Each figure is the median (and the
// best) of a series of ActivatePage calls that open the first page
// (downward) or the last (upward); Animation 0 beside them is the change
// without the slide.
//
//   page_change_bench.exe [repetitions]     (default 21)
//
// Prints one line per height and direction and exits with 0, or with 1
// when the strip cannot be made (is PageStrip.dll registered?).
#include <ole2.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "com/Automation.h"
#include "com/AxHost.h"
#include "com/ComPtr.h"
#include "controls/PageStrip/PageStrip.h"

namespace com = morvex::com;

namespace {

// What three 20-pixel headers and the strip's borders take of its height
// with the first page open: the content area is the rest.
constexpr int kHeadersHeight = 65;
constexpr int kStripWidth = 400;
constexpr wchar_t kFrameClass[] = L"PageStripBenchFrame";

void Pump() {
  MSG message;
  while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageW(&message);
  }
}

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

struct Timing {
  double median;
  double best;
};

// The times of `repetitions` changes to `page`, each from the other end.
// The median and the best, not the mean: on a shared machine the worst runs
// measure the neighbours.
Timing TimeChanges(IVelPageStrip* strip, long page, long other, int repetitions) {
  std::vector<double> times;
  for (int i = 0; i < repetitions; ++i) {
    strip->ActivatePage(other);
    Pump();
    LARGE_INTEGER start, end;
    QueryPerformanceCounter(&start);
    strip->ActivatePage(page);
    QueryPerformanceCounter(&end);
    times.push_back(Milliseconds(start, end));
    Pump();
  }
  std::sort(times.begin(), times.end());
  return {times[times.size() / 2], times.front()};
}

int Run(int repetitions) {
  WNDCLASSEXW frameClass = {};
  frameClass.cbSize = sizeof frameClass;
  frameClass.lpfnWndProc = DefWindowProcW;
  frameClass.hInstance = GetModuleHandleW(nullptr);
  frameClass.hbrBackground = GetSysColorBrush(COLOR_WINDOW);
  frameClass.lpszClassName = kFrameClass;
  RegisterClassExW(&frameClass);
  if (!com::AtlAxWinInit()) return 1;

  int result = 0;
  for (int contentHeight : {200, 500, 1000}) {
    int height = contentHeight + kHeadersHeight;
    HWND frame =
        CreateWindowExW(0, kFrameClass, L"Page strip benchmark", WS_POPUP | WS_VISIBLE, 0, 0,
                        kStripWidth, height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    HWND host =
        com::AxCreateHostWindow(frame, "PageStrip.VelPageStrip.1", {0, 0, kStripWidth, height}, 1);
    com::Ptr<IUnknown> control;
    com::Ptr<IVelPageStrip> strip;
    if (!host || FAILED(com::AtlAxGetControl(host, control.Put())) || FAILED(control.As(&strip))) {
      std::printf("cannot make the page strip: is PageStrip.dll registered?\n");
      DestroyWindow(frame);
      return 1;
    }
    for (const wchar_t* name : {L"Translation", L"Dictionary", L"Collection"}) {
      com::Bstr caption(name);
      strip->AddPage(caption.Get());
      long last = 0;
      strip->GetPagesCount(&last);
      HWND page = CreateWindowExW(0, L"EDIT", name, WS_CHILD | WS_VISIBLE | ES_MULTILINE, 0, 0, 10,
                                  10, frame, nullptr, GetModuleHandleW(nullptr), nullptr);
      strip->AttachWindow(last - 1, static_cast<long>(reinterpret_cast<LONG_PTR>(page)));
    }
    UpdateWindow(frame);
    Pump();
    strip->ActivatePage(0);
    RECT content = {};
    long handle = 0;
    strip->GetHwnd(0, &handle);
    GetWindowRect(reinterpret_cast<HWND>(static_cast<LONG_PTR>(handle)), &content);
    int measured = content.bottom - content.top;
    if (measured != contentHeight) {
      std::printf("content area is %d pixels, not %d\n", measured, contentHeight);
      result = 1;
    }
    for (long animation : {1L, 0L}) {
      strip->put_Animation(animation);
      strip->put_Sleep(0);
      Timing down = TimeChanges(strip.Get(), 0, 2, repetitions);
      Timing up = TimeChanges(strip.Get(), 2, 0, repetitions);
      std::printf(
          "content %4d px, Animation %ld: downward %7.2f ms (best %7.2f), upward %7.2f ms "
          "(best %7.2f)\n",
          contentHeight, animation, down.median, down.best, up.median, up.best);
    }
    strip.Reset();
    control.Reset();
    DestroyWindow(frame);
    Pump();
  }
  return result;
}

}  // namespace

int main(int argc, char** argv) {
  int repetitions = argc > 1 ? std::atoi(argv[1]) : 21;
  if (repetitions <= 0) repetitions = 21;
  if (FAILED(OleInitialize(nullptr))) return 1;
  int result = Run(repetitions);
  OleUninitialize();
  std::fflush(stdout);
  return result;
}
