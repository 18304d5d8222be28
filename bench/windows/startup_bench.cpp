// startup_bench: how long the installed program takes to come up, as a
// user waits for it: from its start to the splash on the screen, and to
// its icon in the notification area (asked with NIM_MODIFY every 10 ms),
// five starts each with the animation on and off, in a warm prefix. Not a
// test: it prints the median and the maximum of each.
//
//   startup_bench [PATH\MorvexSolo.exe]   (default: MORVEX_IMAGE's)
//
// Exit codes: 0 measured, 1 the program did not start, show its splash or
// its icon, or end, in time.
#include <ole2.h>
#include <windows.h>
// After windows.h, which it needs.
#include <shellapi.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "PrefStore.h"
#include "harness/ChildProcess.h"

namespace {

constexpr int kStarts = 5;
constexpr DWORD kPollMs = 10;
constexpr DWORD kBoundMs = 20000;
constexpr UINT kExitCommand = 32772;

std::wstring DefaultProgram() {
  const char* image = std::getenv("MORVEX_IMAGE");
  std::wstring path = L"Z:";
  for (const char* c = image ? image : ""; *c; ++c) path += *c == '/' ? L'\\' : wchar_t(*c);
  return path + L"\\MorvexSolo.exe";
}

bool StoreAnimation(long animation) {
  IVelMorvexOpt* options = nullptr;
  if (FAILED(CoCreateInstance(CLSID_VelMorvexOpt, nullptr, CLSCTX_INPROC_SERVER, IID_IVelMorvexOpt,
                              reinterpret_cast<void**>(&options)))) {
    return false;
  }
  options->Read();
  options->put_Animation(animation);
  options->Write();
  options->Release();
  return true;
}

bool IconPresent(HWND mainWindow) {
  NOTIFYICONDATAA record = {};
  record.cbSize = NOTIFYICONDATAA_V1_SIZE;
  record.hWnd = mainWindow;
  record.uID = 42;
  return Shell_NotifyIconA(NIM_MODIFY, &record) != FALSE;
}

bool SplashShown() {
  HWND splash = FindWindowA("VelSplashAboutHost", nullptr);
  return splash && IsWindowVisible(splash);
}

double MillisecondsSince(const LARGE_INTEGER& start) {
  LARGE_INTEGER now, frequency;
  QueryPerformanceCounter(&now);
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(now.QuadPart - start.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

struct Start {
  double splashMs = 0;
  double iconMs = 0;
};

bool MeasureOne(const std::wstring& program, Start* measured) {
  harness::ChildProcess child;
  LARGE_INTEGER start;
  QueryPerformanceCounter(&start);
  if (!child.Start(harness::QuoteArgument(program))) return false;
  bool splashSeen = false;
  HWND mainWindow = nullptr;
  while (MillisecondsSince(start) < kBoundMs) {
    if (!splashSeen && SplashShown()) {
      measured->splashMs = MillisecondsSince(start);
      splashSeen = true;
    }
    if (!mainWindow) mainWindow = FindWindowA("VelMorvexSolo", nullptr);
    if (mainWindow && IconPresent(mainWindow)) {
      measured->iconMs = MillisecondsSince(start);
      break;
    }
    Sleep(kPollMs);
  }
  if (!splashSeen || measured->iconMs == 0) return false;
  PostMessageA(mainWindow, WM_COMMAND, kExitCommand, 0);
  return child.Wait(kBoundMs) && child.ExitCode() == 0;
}

void Report(const char* what, std::vector<double> values) {
  std::sort(values.begin(), values.end());
  std::printf("  %-22s median %7.0f ms  max %7.0f ms\n", what, values[values.size() / 2],
              values.back());
}

}  // namespace

int wmain(int argc, wchar_t** argv) {
  const std::wstring program = argc > 1 ? argv[1] : DefaultProgram();
  CoInitialize(nullptr);
  int result = 0;
  for (long animation : {1L, 0L}) {
    if (!StoreAnimation(animation)) {
      std::fprintf(stderr, "startup_bench: no options store\n");
      result = 1;
      break;
    }
    std::vector<double> splash, icon;
    for (int i = 0; i < kStarts; ++i) {
      Start measured;
      if (!MeasureOne(program, &measured)) {
        std::fprintf(stderr, "startup_bench: start %d did not come up and end in time\n", i + 1);
        result = 1;
        break;
      }
      splash.push_back(measured.splashMs);
      icon.push_back(measured.iconMs);
    }
    if (result != 0) break;
    std::printf("Animation %ld, %d starts:\n", animation, kStarts);
    Report("start to splash shown", splash);
    Report("start to tray icon", icon);
  }
  StoreAnimation(1);
  CoUninitialize();
  return result;
}
