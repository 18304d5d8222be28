#include "lexicon/VulgarLabel.h"

#include <cstring>

#include "base/PlainChars.h"

bool HasVulgarLabel(const char* text) {
  static const char kLabel[] = "vulg";
  constexpr size_t kLabelLength = sizeof(kLabel) - 1;
  if (!text) return false;
  for (const char* at = std::strstr(text, kLabel); at; at = std::strstr(at + 1, kLabel)) {
    const bool startsWord = at == text || !_isalpha(at[-1]);
    const bool endsWord = !_isalpha(at[kLabelLength]);
    if (startsWord && endsWord) return true;
  }
  return false;
}
