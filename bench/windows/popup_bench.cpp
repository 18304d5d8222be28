// The popup road's speed as a user meets it: the installed program
// running, a word selected in a plain edit field of another program,
// Ctrl+Alt+S pressed through SendInput, and the time until the tip shows
// with its header and body filled. Twenty presses (Escape and the target
// in front again between them); reports the median, the 90th percentile
// and the maximum. A measurement, never a test: it fails only when it
// cannot measure.
//
//   popup_bench.exe [presses]      (run it with bench/windows/run-popup-bench.sh)
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include "e2e/InstalledProgram.h"
#include "e2e/PopupDriving.h"

namespace {

using morvex::e2e::kReactionTimeoutMs;
using morvex::e2e::kStartTimeoutMs;

double Milliseconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to) {
  LARGE_INTEGER frequency;
  QueryPerformanceFrequency(&frequency);
  return 1000.0 * static_cast<double>(to.QuadPart - from.QuadPart) /
         static_cast<double>(frequency.QuadPart);
}

double Percentile(std::vector<double> values, double fraction) {
  std::sort(values.begin(), values.end());
  const size_t index = static_cast<size_t>(fraction * static_cast<double>(values.size() - 1) + 0.5);
  return values[std::min(index, values.size() - 1)];
}

bool TipFilled(morvex::e2e::Tip* tip) {
  return morvex::e2e::WaitForTip(tip, 0) && !tip->body.empty();
}

}  // namespace

int main(int argc, char** argv) {
  const int presses = argc > 1 ? std::max(1, std::atoi(argv[1])) : 20;
  morvex::e2e::ForgetOptions();
  morvex::e2e::InstalledProgram program;
  if (!program.Start() || !program.WaitForMainWindow(kStartTimeoutMs)) {
    std::fprintf(stderr, "the program did not start\n");
    return 1;
  }
  morvex::e2e::Target target(L"edit", L"dictionary");
  if (!target.window()) {
    std::fprintf(stderr, "the target program did not come up\n");
    return 1;
  }

  std::vector<double> times;
  for (int press = 0; press < presses; ++press) {
    SetForegroundWindow(target.window());
    morvex::e2e::WaitUntil([&] { return GetForegroundWindow() == target.window(); },
                           kReactionTimeoutMs);
    LARGE_INTEGER start, shown;
    QueryPerformanceCounter(&start);
    morvex::e2e::Press(L"ctrl+alt+s");
    morvex::e2e::Tip tip;
    if (!morvex::e2e::WaitUntil([&] { return TipFilled(&tip); }, kReactionTimeoutMs)) {
      std::fprintf(stderr, "press %d: no tip\n", press + 1);
      return 1;
    }
    QueryPerformanceCounter(&shown);
    times.push_back(Milliseconds(start, shown));
    // Escape in the tip hides it, as the user closes it.
    morvex::e2e::Press(L"esc");
    morvex::e2e::WaitUntil([] { return !morvex::e2e::TipShown(); }, kReactionTimeoutMs);
  }
  program.CloseFromOutside();
  DWORD exitCode = 0;
  program.WaitForExit(morvex::e2e::kExitTimeoutMs, &exitCode);

  std::printf("popup translation, %d presses of Ctrl+Alt+S until the tip shows filled:\n",
              presses);
  std::printf("  median %.1f ms, 90th percentile %.1f ms, maximum %.1f ms\n",
              Percentile(times, 0.5), Percentile(times, 0.9),
              *std::max_element(times.begin(), times.end()));
  return 0;
}
