// Names of languages in the eight interface languages: the map from
// Windows language ids to language indices, the name lists of the string
// table and the picking of one name from a list. Used by LocaleKitMngr.
//
// A list is 8-bit text in the system's ANSI code page, as the names reach
// callers: "*", then for each language index 0-7 its full name and its
// combining form (the first half of a pair's name), each followed by "*".
#pragma once

#include <windows.h>

#include <string>

namespace morvex::localekit {

inline constexpr int kLanguageCount = 8;

enum class NameForm { kFull = 0, kCombining = 1 };

// The language index of a Windows language id (1033 English 0, 1049
// Russian 1, ... 1040 Italian 7); 0 for every id outside the map.
int LangIndex(long langId);

// The field of language `langIndex` in `form` from `list`: the text after
// the (form + 2 * langIndex + 1)-th "*" up to the next "*" or the end;
// empty when the list has fewer stars. Steps as CharNextA does, so a
// trail byte is never taken for a "*".
std::string PickNameField(const std::string& list, int langIndex, NameForm form);

// The eight lists of a module's string table.
class LangNameLists {
 public:
  // Loads every list; one that is missing stays empty and names nothing.
  void Load(HINSTANCE module);

  // The name of `langId` in `form`, written in the interface language `uiLangId`.
  std::string Name(long uiLangId, long langId, NameForm form) const;

 private:
  std::string lists_[kLanguageCount];
};

}  // namespace morvex::localekit
