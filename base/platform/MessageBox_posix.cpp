#include "base/platform/MessageBox.h"

#include <cstdio>

int PlatformMessageBox(const char* text, const char* caption, unsigned /*type*/) {
  std::fprintf(stderr, "%s: %s\n", caption ? caption : "Error", text);
  return 1;  // IDOK
}
