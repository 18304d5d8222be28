#include "harness/Console.h"

#include <windows.h>
// shellapi.h needs windows.h before it.
#include <shellapi.h>

namespace harness {

namespace {

void WriteLine(DWORD stream, const std::wstring& text) {
  std::string bytes = ToUtf8(text) + "\n";
  DWORD written = 0;
  WriteFile(GetStdHandle(stream), bytes.data(), static_cast<DWORD>(bytes.size()), &written,
            nullptr);
}

}  // namespace

std::vector<std::wstring> WideArguments() {
  int count = 0;
  LPWSTR* arguments = CommandLineToArgvW(GetCommandLineW(), &count);
  std::vector<std::wstring> result;
  for (int i = 1; arguments && i < count; ++i) result.emplace_back(arguments[i]);
  LocalFree(arguments);
  return result;
}

std::string ToUtf8(const std::wstring& text) {
  if (text.empty()) return std::string();
  int size = WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), nullptr, 0,
                                 nullptr, nullptr);
  std::string bytes(size, '\0');
  WideCharToMultiByte(CP_UTF8, 0, text.data(), static_cast<int>(text.size()), &bytes[0], size,
                      nullptr, nullptr);
  return bytes;
}

void PrintLine(const std::wstring& text) { WriteLine(STD_OUTPUT_HANDLE, text); }
void PrintError(const std::wstring& text) { WriteLine(STD_ERROR_HANDLE, text); }

}  // namespace harness
