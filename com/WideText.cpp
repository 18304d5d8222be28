// Narrow <-> UTF-16 through the platform's converters.
#include "com/WideText.h"

#include <windows.h>

namespace morvex::com {

namespace {

std::wstring Widen(UINT codePage, std::string_view text) {
  if (text.empty()) return std::wstring();
  int length =
      MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
  std::wstring wide(static_cast<size_t>(length), L'\0');
  MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), &wide[0], length);
  return wide;
}

std::string Narrow(UINT codePage, std::wstring_view text) {
  if (text.empty()) return std::string();
  int length = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr,
                                   0, nullptr, nullptr);
  std::string narrow(static_cast<size_t>(length), '\0');
  WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), &narrow[0], length,
                      nullptr, nullptr);
  return narrow;
}

}  // namespace

std::wstring WideFromUtf8(std::string_view text) { return Widen(CP_UTF8, text); }
std::string Utf8FromWide(std::wstring_view text) { return Narrow(CP_UTF8, text); }
std::wstring WideFromAnsi(std::string_view text) { return Widen(CP_ACP, text); }
std::wstring WideFromCodePage(unsigned codePage, std::string_view text) {
  return Widen(codePage, text);
}
std::string AnsiFromWide(std::wstring_view text) { return Narrow(CP_ACP, text); }

}  // namespace morvex::com
