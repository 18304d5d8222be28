// The name of an interface language's registry key below the languages key:
// the language id as at least three upper-case hexadecimal digits (0x419
// gives "419", 9 gives "009"). Only the id's 16 bits count.
#pragma once

#include <string>

namespace morvex::solo {

std::string LanguageKeySuffix(long languageId);

}  // namespace morvex::solo
