// A stand-in for the HTML Help control, for the tests of the program's
// help: its entry (ordinal 14) writes each call as a line to the file that
// MORVEX_HELP_LOG names: the command, the data (for a text popup: its
// string id) and the help file, and opens no window.
#include <windows.h>
// htmlhelp.h needs windows.h before it.
#include <htmlhelp.h>

#include <cstdio>

extern "C" HWND WINAPI RecordHtmlHelp(HWND, LPCSTR file, UINT command, DWORD_PTR data) {
  char path[MAX_PATH] = {};
  if (!GetEnvironmentVariableA("MORVEX_HELP_LOG", path, MAX_PATH)) return nullptr;
  FILE* log = fopen(path, "a");
  if (!log) return nullptr;
  unsigned long long value = data;
  if (command == HH_DISPLAY_TEXT_POPUP && data)
    value = reinterpret_cast<const HH_POPUP*>(data)->idString;
  fprintf(log, "0x%02X %llu %s\n", command, value, file ? file : "-");
  fclose(log);
  return nullptr;
}
