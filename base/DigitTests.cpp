#include "base/DigitTests.h"

namespace {

bool IsDecimalDigit(char ch) { return ch >= '0' && ch <= '9'; }

}  // namespace

int IsStrIntDigit(MCString text) {
  text.RemoveAllSpace();
  int first = 0;
  if (text.GetLength() > 0 && (text[0] == '+' || text[0] == '-')) first = 1;
  // A lone sign reads the terminator, which is no digit.
  return IsDecimalDigit(text[first]) ? 1 : 0;
}

int IsStrContDigit(const char* text) {
  if (!text) return 0;
  for (; *text != '\0'; ++text) {
    if (IsDecimalDigit(*text)) return 1;
  }
  return 0;
}

int IsStrDigit(const char* text) {
  if (!text || *text == '\0') return 0;
  for (; *text != '\0'; ++text) {
    if (!IsDecimalDigit(*text)) return 0;
  }
  return 1;
}
