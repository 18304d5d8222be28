// What the registry manager reads from the current user's registry: the
// installed dictionaries grouped by theme, the theme names per language,
// and the default projects derived from pairs of installed dictionaries.
// Each returns 0 on success, else the id of the error its caller reports.
#pragma once

#include <windows.h>

#include <string>

#include "LexiconHub.h"
#include "com/ComPtr.h"

namespace morvex::dictsystem {

// The language id whose theme names serve when a language has none.
inline constexpr long kAnyLanguage = 1024;

// A collection of every listed dictionary whose file exists and whose
// header can be read, each closed again, themes from the last subkey to the
// first and, within a theme, values from the last to the first.
UINT ListInstalledDictionaries(com::Ptr<IVelDictCollection>* out);

// The name of theme `themeId` in language `langId`, with no fallback.
UINT ReadThemeName(long langId, long themeId, std::string* name);

// One project per theme-0 dictionary and the first theme-0 dictionary of
// the reverse direction, from `dictionaries` in order.
UINT DeriveDefaultProjects(IVelDictCollection* dictionaries, com::Ptr<IVelPrjCollection>* out);

}  // namespace morvex::dictsystem
