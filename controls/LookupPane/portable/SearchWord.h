// The words the viewer searches for: cut to the longest word the list and
// the engine hold, and lower-cased the way the engine's near search needs
// for its retry (only A-Z and, in code page 1251, the capitals А-Я).
//
// Portable: used by the word list (WordWindow.cpp), tested natively.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace morvex::lookuppane {

// The longest word, in bytes, a search takes and a row holds.
constexpr size_t kMaxWordLength = 255;

// The word cut to kMaxWordLength bytes.
std::string SearchWordOf(std::string_view word);

// 32 added to the bytes 65-90 and 192-223; every other byte kept.
std::string LowerCasedForSearch(std::string_view word);

}  // namespace morvex::lookuppane
