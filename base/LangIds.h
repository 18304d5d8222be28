// Language ids and pair strings: the names of loaded languages, the list of
// loaded ids, 0-terminated id lists, and the swap of a pair string's halves.
// The dictionary engine reports its supported languages with them; CLangPair
// inverts its pair string with InvertLanguages.
#pragma once

#include "base/BaseExport.h"

extern "C" {

// The abbreviation ("ru") and the name ("Russian") of a loaded language;
// null when it is not loaded.
MBASE_API const char* LangIdToStr(unsigned short lang);
MBASE_API const char* LangIdToString(unsigned short lang);

// Writes the ids of all loaded languages in the language data's order and a
// 0; the caller provides room for GetLangData()->GetLangCount() + 1 ids.
// Returns 1 (0 for a null ids).
MBASE_API int GetSupportLang(unsigned short* ids);

// Copies the 0-terminated list src with its 0 to dst and returns the
// position just after the copied 0, where a further list may follow. With a
// null dst or src nothing is copied and dst is returned.
MBASE_API unsigned short* CopyLangId(unsigned short* dst, const unsigned short* src);

// 1 when id occurs in the 0-terminated list (id 0 always does: it matches
// the terminator), else 0. A null list holds nothing.
MBASE_API int IsMemberLangId(const unsigned short* list, unsigned short id);

// Swaps the two 2-character halves of a pair string in place ("ruen" becomes
// "enru") and cuts it after them. Strings shorter than 4 characters and null
// are left unchanged. Returns pair.
MBASE_API char* InvertLanguages(char* pair);

}  // extern "C"
