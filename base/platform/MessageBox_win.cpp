#include "base/platform/MessageBox.h"

#include <windows.h>

int PlatformMessageBox(const char* text, const char* caption, unsigned type) {
  return MessageBoxA(nullptr, text, caption, type);
}
