// Refilling the texts of an article node in place: the record reader writes
// each text into the node's own buffer, which an article read before left
// large enough most of the time, instead of making a new string. Used by the
// article classes (CEntry, CMeaning, CSynonymGroup, CSynonym, CWordComb).
#pragma once

#include <cstring>

#include "base/MCString.h"

namespace article_text {

// `length` bytes from `chars` (which must not point into `text`); the
// result is what MCString(chars, length) would be. A shared buffer is left
// to its other holders.
inline void Assign(MCString& text, const char* chars, int length) {
  char* out = text.GetBufferSetLength(length);
  if (length > 0) std::memcpy(out, chars, length);
  text.SetLangId(0);
}

// Empty, keeping the room for the next Assign.
inline void Clear(MCString& text) {
  if (!text.IsEmpty()) Assign(text, "", 0);
}

}  // namespace article_text
