// The program the link test makes the shell's web associations start: it
// appends its command line, one line, to the file named by the
// LOOKUPPANE_RECORDER_LOG environment variable and ends. A windows
// program: a console one would leave a console window over the desktop
// that later tests look at.
#include <windows.h>

#include <cstdio>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
  char log[MAX_PATH] = {};
  if (!GetEnvironmentVariableA("LOOKUPPANE_RECORDER_LOG", log, sizeof log)) return 1;
  std::FILE* out = std::fopen(log, "ab");
  if (!out) return 1;
  std::fprintf(out, "%s\n", GetCommandLineA());
  std::fclose(out);
  return 0;
}
