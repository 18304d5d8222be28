// Conversions between BSTRs and ANSI text.
#include "AnsiText.h"

#include <cstring>

namespace morvex::dictsystem {

std::string AnsiFromWide(const wchar_t* text, size_t length) {
  if (!text || length == 0) return std::string();
  int wide = static_cast<int>(length);
  int size = WideCharToMultiByte(CP_ACP, 0, text, wide, nullptr, 0, nullptr, nullptr);
  if (size <= 0) return std::string();
  std::string result(static_cast<size_t>(size), '\0');
  WideCharToMultiByte(CP_ACP, 0, text, wide, &result[0], size, nullptr, nullptr);
  return result;
}

std::string AnsiFromBstr(BSTR text) { return AnsiFromWide(text, SysStringLen(text)); }

BSTR BstrFromAnsi(const char* text, size_t length) {
  if (!text || length == 0) return SysAllocStringLen(nullptr, 0);
  int bytes = static_cast<int>(length);
  int size = MultiByteToWideChar(CP_ACP, 0, text, bytes, nullptr, 0);
  if (size <= 0) return SysAllocStringLen(nullptr, 0);
  BSTR result = SysAllocStringLen(nullptr, static_cast<UINT>(size));
  if (result) MultiByteToWideChar(CP_ACP, 0, text, bytes, result, size);
  return result;
}

HRESULT CopyAnsiTo(const char* text, BSTR* out) {
  *out = nullptr;
  if (!text) return S_OK;
  *out = BstrFromAnsi(text, std::strlen(text));
  return *out ? S_OK : E_OUTOFMEMORY;
}

std::string BoundedText(const char* field, size_t limit) {
  if (!field) return std::string();
  return std::string(field, strnlen(field, limit));
}

}  // namespace morvex::dictsystem
