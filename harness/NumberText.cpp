#include "harness/NumberText.h"

#include <climits>

namespace harness {

namespace {

int DigitValue(wchar_t c) {
  if (c >= L'0' && c <= L'9') return c - L'0';
  if (c >= L'a' && c <= L'f') return c - L'a' + 10;
  if (c >= L'A' && c <= L'F') return c - L'A' + 10;
  return -1;
}

}  // namespace

bool ParseUnsigned(const std::wstring& text, uint64_t max, uint64_t* value) {
  bool hex = text.size() > 2 && text[0] == L'0' && text[1] == L'x';
  size_t start = hex ? 2 : 0;
  uint64_t base = hex ? 16 : 10;
  if (text.size() <= start) return false;
  uint64_t result = 0;
  for (size_t i = start; i < text.size(); ++i) {
    int digit = DigitValue(text[i]);
    if (digit < 0 || static_cast<uint64_t>(digit) >= base) return false;
    if (result > (max - digit) / base) return false;
    result = result * base + digit;
  }
  *value = result;
  return true;
}

bool ParseInt(const std::wstring& text, int* value) {
  bool negative = !text.empty() && text[0] == L'-';
  uint64_t magnitude = 0;
  uint64_t max = negative ? static_cast<uint64_t>(INT_MAX) + 1 : INT_MAX;
  if (!ParseUnsigned(negative ? text.substr(1) : text, max, &magnitude)) return false;
  *value =
      negative ? static_cast<int>(-static_cast<int64_t>(magnitude)) : static_cast<int>(magnitude);
  return true;
}

}  // namespace harness
