#include "app/portable/LanguageKey.h"

#include <cstdio>

namespace morvex::solo {

std::string LanguageKeySuffix(long languageId) {
  char suffix[8];
  std::snprintf(suffix, sizeof suffix, "%03lX", static_cast<unsigned long>(languageId) & 0xFFFFul);
  return suffix;
}

}  // namespace morvex::solo
