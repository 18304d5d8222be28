#include "SearchWord.h"

namespace morvex::lookuppane {

std::string SearchWordOf(std::string_view word) {
  return std::string(word.substr(0, kMaxWordLength));
}

std::string LowerCasedForSearch(std::string_view word) {
  std::string lowered(word);
  for (char& c : lowered) {
    const unsigned char byte = static_cast<unsigned char>(c);
    if ((byte >= 65 && byte <= 90) || (byte >= 192 && byte <= 223))
      c = static_cast<char>(byte + 32);
  }
  return lowered;
}

}  // namespace morvex::lookuppane
