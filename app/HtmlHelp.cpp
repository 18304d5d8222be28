#include "app/HtmlHelp.h"

#include <string>

#include "com/ProcAddress.h"
#include "com/RegistryKey.h"

namespace morvex::solo {

namespace {

using HtmlHelpEntry = HWND(WINAPI*)(HWND, LPCSTR, UINT, DWORD_PTR);

// The HTML Help control's in-process server, and its entry by ordinal.
constexpr char kHelpControlServerKey[] =
    "CLSID\\{ADB880A6-D8FF-11CF-9377-00AA003B7A11}\\InprocServer32";
constexpr char kHelpControlFile[] = "hhctrl.ocx";
constexpr WORD kHtmlHelpOrdinal = 14;

HMODULE g_module = nullptr;
HtmlHelpEntry g_entry = nullptr;
bool g_bindingFailed = false;

HMODULE LoadRegisteredServer() {
  com::RegistryKey key;
  if (!key.Open(HKEY_CLASSES_ROOT, std::string(kHelpControlServerKey), KEY_READ)) return nullptr;
  char path[MAX_PATH + 1] = {};
  DWORD size = MAX_PATH;
  DWORD type = 0;
  if (RegQueryValueExA(key.Get(), nullptr, nullptr, &type, reinterpret_cast<BYTE*>(path), &size) !=
          ERROR_SUCCESS ||
      (type != REG_SZ && type != REG_EXPAND_SZ)) {
    return nullptr;
  }
  path[size < MAX_PATH ? size : MAX_PATH] = '\0';
  return path[0] ? LoadLibraryA(path) : nullptr;
}

bool Bind() {
  if (g_entry) return true;
  if (g_bindingFailed) return false;
  if (!g_module) g_module = LoadRegisteredServer();
  if (!g_module) g_module = LoadLibraryA(kHelpControlFile);
  if (g_module) {
    g_entry = com::ProcAddress<HtmlHelpEntry>(g_module, MAKEINTRESOURCEA(kHtmlHelpOrdinal));
  }
  g_bindingFailed = !g_entry;
  return g_entry != nullptr;
}

}  // namespace

HWND CallHtmlHelp(HWND window, const char* file, UINT command, DWORD_PTR data) {
  if (!Bind()) return nullptr;
  return g_entry(window, file, command, data);
}

}  // namespace morvex::solo
